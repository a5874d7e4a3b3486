// Bytes in, game state out: the board-file reader on whatever libFuzzer makes of the seed files.
//
// Besides not crashing, two things must hold for every input. The count stays within the ten team boxes.
// And what is read, once written, reads back as itself: the writer and the reader agree on the format
// (a second write gives the same bytes as the first).
#include "game/board_file.h"

#include <cstdint>
#include <cstdlib>

namespace {

platform::CheckedArray<game::Int32, game::teamSlots> nothingPending() {
    platform::CheckedArray<game::Int32, game::teamSlots> pending;
    pending.fill(0);
    return pending;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    game::Module1 state;
    game::readBoard(bytes, state);
    if (state.Team_Count < 0 || state.Team_Count > game::boardFileTeams)
        std::abort();

    static const auto pending = nothingPending();
    const game::BoardText first = game::writeBoard(state, pending);
    game::Module1 again;
    game::readBoard(first.bytes, again);
    const game::BoardText second = game::writeBoard(again, pending);
    if (first.bytes != second.bytes)
        std::abort();
    return 0;
}
