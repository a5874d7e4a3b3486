#include "keeper.h"

#include "platform/background_file.h"
#include "platform/files.h"
#include "platform/program.h"

namespace game {

namespace {
// A kept game is a few hundred bytes; reading stops far beyond that.
constexpr qint64 keptGameLimit = qint64{1024} * 1024;

QString keptGamePath() {
    return platform::programFile(QString::fromLatin1(keptGameFileName));
}

// The disk's time is not play's: the kept game is written by a thread of its own. One for the program,
// whatever keeper is in use, so that no write is ever lost between two.
platform::BackgroundFile& keptGameFile() {
    static platform::BackgroundFile file;
    return file;
}
} // namespace

Keeper& keeper() {
    static Keeper one;
    return one;
}

void Keeper::changed(const Pending& pending) {
    keep(pending, std::nullopt);
}

// The operator waits for the save anyway: the kept game is marked before the save is told complete.
QString Keeper::saved(const Pending& pending) {
    keep(pending, false);
    return waitUntilKept();
}

void Keeper::boardStarted(Pending& pending) {
    const std::optional<KeptGame> resumed = std::exchange(resuming_, std::nullopt);
    // Continued only when the board started is the game resumed: a board chosen from the list after
    // "예" starts afresh, without the kept game's pending points.
    if (resumed && sameBoard(resumed->state, state())) {
        for (int i = 0; i < state().Team_Count; ++i)
            pending(i) = resumed->pending(i);
        keep(pending, true);
        return;
    }
    keep(pending, false);
}

std::optional<KeptGame> Keeper::unsavedGame() const {
    keptGameFile().waitUntilWritten();
    const std::optional<QByteArray> bytes = platform::readFile(keptGamePath(), keptGameLimit);
    if (!bytes)
        return std::nullopt;
    std::optional<KeptGame> game = readKeptGame(*bytes);
    if (!game || !game->unsaved)
        return std::nullopt;
    return game;
}

void Keeper::resume(const KeptGame& game) {
    state() = game.state;
    resuming_ = game;
}

void Keeper::discard() {
    keptGameFile().waitUntilWritten();
    resuming_.reset();
    platform::removeFile(keptGamePath());
    lastGame_.clear();
}

QString Keeper::failure() const {
    return keptGameFile().lastFailure();
}

QString Keeper::waitUntilKept() {
    return keptGameFile().waitUntilWritten();
}

// A change that cannot be kept leaves the game kept before it: older, but the best there is. A save or a
// new board that cannot be kept takes the earlier kept game away instead, so that it can never come back
// over a board saved later and be saved over it. A write that failed is tried again at the next change.
void Keeper::keep(const Pending& pending, std::optional<bool> mark) {
    const QString path = keptGamePath();
    const QByteArray game = writeKeptGame({state(), pending, false});
    const bool unsaved = mark.value_or(true);
    if (path == lastPath_ && game == lastGame_ && (!mark || *mark == lastUnsaved_) && failure().isEmpty())
        return;
    keptGameFile().replace(path, unsaved ? writeKeptGame({state(), pending, true}) : game, !unsaved);
    lastPath_ = path;
    lastGame_ = game;
    lastUnsaved_ = unsaved;
}

} // namespace game
