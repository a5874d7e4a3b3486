#include "kept_game.h"

#include "board_file.h"
#include "platform/convert.h"
#include "platform/failure.h"

#include <QList>
#include <QUrl>
#include <algorithm>

namespace game {

namespace {

const QByteArray signature = QByteArrayLiteral("scoreboard kept game 1");
const QByteArray lineEnd = QByteArrayLiteral("\r\n");
const QByteArray ownLinesEnd = QByteArrayLiteral("\r\n\r\n");

QByteArray ascii(long long number) {
    return platform::numberText(number).toLatin1();
}

int teamsOf(const Module1& state) {
    return std::clamp<int>(state.Team_Count, 0, boardFileTeams);
}

} // namespace

QByteArray writeKeptGame(const KeptGame& game) {
    QByteArray pending = QByteArrayLiteral("pending");
    for (int i = 0; i < teamsOf(game.state); ++i)
        pending += ';' + ascii(game.pending(i));
    QByteArray bytes = signature + lineEnd;
    bytes += QByteArrayLiteral("unsaved;") + (game.unsaved ? '1' : '0') + lineEnd;
    bytes += QByteArrayLiteral("board;") + QUrl::toPercentEncoding(game.state.Save_Name) + lineEnd;
    bytes += pending + lineEnd + lineEnd;
    // The raced scores: with no points pending the writer never meets a sum beyond 32 bits.
    return bytes + writeBoard(game.state, Pending{}).bytes;
}

std::optional<KeptGame> readKeptGame(QByteArrayView bytes) {
    const qsizetype end = QByteArrayView(bytes).indexOf(ownLinesEnd);
    if (end < 0 || !bytes.startsWith(signature + lineEnd))
        return std::nullopt;
    KeptGame game;
    readBoard(bytes.sliced(end + ownLinesEnd.size()), game.state);
    const QList<QByteArray> lines = bytes.first(end).toByteArray().split('\n');
    for (const QByteArray& line : lines) {
        const QList<QByteArray> fields = line.trimmed().split(';');
        const QByteArray& key = fields.first();
        if (key == "unsaved") {
            game.unsaved = fields.value(1) == "1";
        } else if (key == "board") {
            game.state.Save_Name = QUrl::fromPercentEncoding(fields.value(1));
        } else if (key == "pending") {
            for (int i = 0; i + 1 < fields.size() && i < teamSlots; ++i)
                platform::skipOnError(
                    [&] { game.pending(i) = platform::textToInt32(QString::fromLatin1(fields[i + 1])); });
        }
    }
    return game;
}

bool sameBoard(const Module1& a, const Module1& b) {
    if (a.Team_Count != b.Team_Count || a.Max_Score != b.Max_Score || a.Run_Speed != b.Run_Speed ||
        a.Save_Name != b.Save_Name)
        return false;
    for (int i = 0; i < teamsOf(a); ++i) {
        if (a.Team_Name(i) != b.Team_Name(i) || a.Team_Score(i) != b.Team_Score(i))
            return false;
    }
    return true;
}

} // namespace game
