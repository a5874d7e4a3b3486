#pragma once

#include "kept_game.h"

#include <QByteArray>
#include <QString>
#include <optional>

// The keeper of the kept game of this program folder: writes it after every change of the game in play,
// marks it saved after a save, offers it at the next start and continues it. Every write replaces the
// whole file atomically (a write that fails leaves the earlier file as it was), in the background, and
// never shows anything: play must go on whatever the disk does.
namespace game {

class Keeper {
public:
    // After an entry or rename committed, the end of a race, an arrow or the settings dialog: the game
    // is kept as changed since its last save. Nothing is written when it is as kept already (an entry
    // that added nothing, an arrow that refused).
    void changed(const Pending& pending);

    // After a successful save: kept as saved, so the next start asks nothing. Returns why it could not
    // be kept ("" when it was), for the save to tell the operator.
    QString saved(const Pending& pending);

    // After the start has shown a board (whose load cleared its pending points). The game continued
    // from the kept one gets its pending points back and stays unsaved; any other board is kept as
    // saved, as there is nothing of it to lose yet.
    void boardStarted(Pending& pending);

    // At program start: the kept game when it holds changes that were not saved.
    std::optional<KeptGame> unsavedGame() const;
    // "예": the game is back in the game state, its pending points wait for the board start.
    void resume(const KeptGame& game);
    // "아니요": the kept game is gone, and with it the question.
    void discard();

    // Why the last write that ended failed, "" when it did not; does not wait.
    QString failure() const;
    // Waits until the game handed over is written; why that failed, "" when it did not.
    static QString waitUntilKept();

private:
    // Marked saved or unsaved as asked; a change with no mark is kept unsaved, unless it changed nothing.
    void keep(const Pending& pending, std::optional<bool> mark);

    std::optional<KeptGame> resuming_;
    // What was last handed over for where, so that a write that changes nothing is skipped.
    QString lastPath_;
    QByteArray lastGame_; // the kept game as if saved
    bool lastUnsaved_ = false;
};

// The program-wide keeper.
Keeper& keeper();

} // namespace game
