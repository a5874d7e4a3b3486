#include "kept_game.h"

#include "FRMlogo.h"
#include "game/keeper.h"
#include "platform/dialogs.h"
#include "platform/failure.h"

namespace setup {

// The kept game's teams grey into the boxes with their names, and the start takes the game state as it
// stands, as after a choice from the list; the delete button stays disabled, as there is no board file
// of this game to delete. Its pending points wait in the keeper until the board is shown.
void offerKeptGame() {
    game::Keeper& keeper = game::keeper();
    const std::optional<game::KeptGame> kept = keeper.unsavedGame();
    if (!kept)
        return;
    FRMlogo& s = FRMlogo::instance();
    s.Show();
    const std::optional<bool> yes = platform::Dialogs::current().AskYesNo(
        QStringLiteral("저장하지 않은 경기가 있습니다.\n이어서 하시겠습니까?"));
    if (!yes)
        return; // the program is ending: the kept game stays for the next start
    if (!*yes) {
        keeper.discard();
        return;
    }
    platform::abandonOnFailure([&] {
        s.Load_Busy = true;
        s.Reset_Team();
        keeper.resume(*kept);
        s.Set_Team();
        s.Load_Busy = false;
        s.Team_Ready = true;
        s.Data_Loaded = true;
    });
}

} // namespace setup
