// Renaming a team before the board starts: ticking a box opens the name editor over its caption, Enter
// writes the text back. The name lives in the caption until a start copies the ticked boxes.
#include "FRMlogo.h"

#include "platform/failure.h"

namespace setup {

using platform::skipOnError;

void FRMlogo::Team_Click(Int16 index) {
    bool open = false;
    skipOnError([&] { open = Team(index)->Value() == 1 && !Load_Busy; });
    if (!open)
        return;
    skipOnError([&] { Edit_Index = index; });
    skipOnError([&] { Text1->setTop(Team(index)->Top()); });
    skipOnError([&] { Text1->setText(Team(index)->Caption()); });
    skipOnError([&] { Text1->show(); });
    skipOnError([&] { Text1->setFocus(); });
}

void FRMlogo::Text1_KeyDown(int keyCode, int) {
    if (keyCode != platform::KeyReturn)
        return;
    skipOnError([&] { Team(Edit_Index)->setCaption(Text1->Text()); });
    skipOnError([&] { Text1->hide(); });
}

} // namespace setup
