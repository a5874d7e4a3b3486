// Choosing the teams and starting the board; the close command.
#include "FRMlogo.h"

#include "board/main.h"
#include "game/keeper.h"
#include "game/module1.h"
#include "platform/failure.h"
#include "platform/program.h"

namespace setup {

using platform::skipOnError;

void FRMlogo::Form_Load() {
    Team_Ready = false;
    Load_Busy = false;
    Data_Loaded = false;
}

void FRMlogo::Cmd_Click(Int16 index) {
    platform::abandonOnFailure([&] {
        switch (index) {
        case CmdButton::Start:
            if (!Team_Ready) {
                for (int i = 0; i < teamBoxes; ++i)
                    if (Team(i)->Value() != 0)
                        Team_Ready = true;
            }
            if (!Team_Ready)
                return;
            if (!Data_Loaded)
                Preset_Team();
            board::main::instance().Show();
            game::keeper().boardStarted(board::main::instance().Add_Score);
            // The window goes later, not now: this runs inside the click of one of its buttons.
            Unload();
            break;
        case CmdButton::Load:
            Load_Data();
            List1->show();
            break;
        case CmdButton::Close:
            platform::endProgram();
            break;
        case CmdButton::Delete:
            Del_Data();
            break;
        default:
            break;
        }
    });
}

// Packs the ticked boxes into slots 0, 1, 2, ... in box order; a greyed box is not a choice.
void FRMlogo::Preset_Team() {
    game::Module1& g = game::state();
    g.Team_Count = 0;
    for (int i = 0; i < teamBoxes; ++i) {
        if (Team(i)->Value() == 1) {
            g.Team_Count = platform::add16(g.Team_Count, 1);
            g.Team_Name(g.Team_Count - 1) = Team(i)->Caption();
            g.Team_Score(g.Team_Count - 1) = 0;
        }
    }
    g.Max_Score = 500;
    g.Run_Speed = 50;
}

// Boxes 3 and 4 get "평안" and "은혜", not their first captions "은혜" and "말씀", so after a reset boxes
// 3 and 9 both read "평안". Kept so: it is the screen operators know, and no name is lost by it (the
// loaded board's names follow at once).
void FRMlogo::Reset_Team() {
    static const char* const captions[] = {"믿음", "소망", "사랑", "평안", "은혜"};
    game::Module1& g = game::state();
    for (int i = 0; i < teamBoxes; ++i) {
        skipOnError([&] { Team(i)->setValue(0); });
        if (i <= 4)
            skipOnError([&] { Team(i)->setCaption(QString::fromUtf8(captions[i])); });
        skipOnError([&] { g.Team_Name(i) = QString(); });
        skipOnError([&] { g.Team_Score(i) = 0; });
    }
}

// Only boxes 0 to 9 exist: teams of a count beyond them (or a count below 0) have no box to show in.
void FRMlogo::Set_Team() {
    const game::Module1& g = game::state();
    const int shown = std::min<int>(g.Team_Count, teamBoxes);
    for (int i = 0; i < shown; ++i) {
        Team(i)->setValue(2);
        Team(i)->setCaption(g.Team_Name(i));
    }
}

} // namespace setup
