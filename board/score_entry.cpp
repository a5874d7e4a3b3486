// Score entry: a press on a team's name button opens the one entry box over it, for points (left
// button) or for the team's name (right button); Enter commits. Points stay pending until the next race.
#include "main.h"

#include "game/keeper.h"
#include "game/module1.h"
#include "platform/convert.h"
#include "platform/failure.h"

namespace board {

using platform::skipOnError;

namespace {
const QString renaming = QStringLiteral("tname");
const QString points = QStringLiteral("score");
} // namespace

// Only a mouse press opens the box: the buttons' clicks are not connected, so Space or Enter on a
// focused team button does nothing.
void main::Team_CMD_MouseDown(Int16 index, int button, int /*shift*/, float /*x*/, float /*y*/) {
    const game::Module1& g = game::state();
    skipOnError([&] { Text1->setTop(Team_CMD(index)->Top()); });
    skipOnError([&] { Text1->setLeft(Team_CMD(index)->Left()); });
    if (button == platform::RightButton) {
        skipOnError([&] { Text1->setText(g.Team_Name(index)); });
        Edit_Mode = renaming;
    } else if (button == platform::LeftButton) {
        skipOnError([&] { Text1->setText(QStringLiteral("0")); });
        Edit_Mode = points;
    }
    // A middle press keeps the text and the mode of the previous press: it only moves the target.
    Edit_Team = index;
    skipOnError([&] { Text1->show(); });
    skipOnError([&] { Text1->setFocus(Qt::MouseFocusReason); });
    // Selected, so that what the operator types replaces the "0" (or the old name) instead of joining it.
    skipOnError([&] { Text1->selectAll(); });
}

void main::Text1_KeyDown(int keyCode, int /*shift*/) {
    if (keyCode != platform::KeyReturn)
        return;
    game::Module1& g = game::state();
    if (Edit_Mode == renaming) {
        // Only the name changes: the button shows it from the next full redraw on.
        skipOnError([&] { g.Team_Name(Edit_Team) = Text1->Text(); });
    } else {
        // Text that is no number, or lies outside 16 bits, adds nothing; the rest of the entry goes on.
        skipOnError([&] {
            Add_Score(Edit_Team) =
                platform::add32(Add_Score(Edit_Team), platform::textToInt16(Text1->Text()));
        });
        // A total that overflows counts as 0, which raises nothing on a board with a positive maximum.
        Int32 total = 0;
        skipOnError([&] { total = platform::add32(g.Team_Score(Edit_Team), Add_Score(Edit_Team)); });
        if (total > g.Max_Score) {
            skipOnError([&] { g.Max_Score = platform::add32(total, 100); });
            skipOnError([&] { Set_Board(); });
            skipOnError([&] { Text4->setText(platform::numberText(g.Max_Score)); });
        }
    }
    // The focus goes back to the team's button before the box hides: left to the tab order it would
    // pass to the next control, the maximum score's ▲, and a second Enter would raise the maximum.
    // Enter on a team button does nothing.
    skipOnError([&] { Team_CMD(Edit_Team)->setFocus(Qt::OtherFocusReason); });
    skipOnError([&] { Text1->hide(); });
    game::keeper().changed(Add_Score);
}

// A score bar is a text box only to look like one: it never keeps the focus, so it never shows a caret
// and cannot be typed into.
void main::Team_Label_GotFocus(Int16 /*index*/) {
    platform::abandonOnFailure([&] { Command1(CommandBar::Start)->setFocus(Qt::OtherFocusReason); });
}

} // namespace board
