#pragma once

#include "FRMlogo_ui.h"
#include "platform/arith.h"

namespace setup {

// The setup screen, where the operator chooses the teams or a saved board and starts the race board.
// Like the board, the object lives as long as the program and keeps the working fields below; its window
// and controls (Ui::FRMlogo, FRMlogo_ui.h) are made afresh from the definition each time it is loaded.
// Procedures are grouped by concern: definition, team selection and start, renaming, saved boards.
class FRMlogo : public Ui::FRMlogo {
public:
    static FRMlogo& instance();

    // Loads the screen if needed (which raises Form_Load) and shows it, centred, without waiting.
    void Show();
    void Unload();
    bool isLoaded() const { return window != nullptr; }

    // ---- working fields (they outlive the window) ----
    bool Team_Ready = false;  // a team is chosen, or a board loaded: the start may go ahead
    bool Data_Loaded = false; // the game state came from a board file: the start keeps it
    bool Load_Busy = false;   // a loaded board is being put into the boxes: the editor stays shut
    Int16 Edit_Index = 0;     // the box whose caption the name editor edits

    // ---- definition.cpp ----
    void defineControls();
    void nameControls();
    void connectEvents();

    // ---- selection.cpp ----
    void Form_Load();
    void Cmd_Click(Int16 index);
    void Preset_Team();
    void Reset_Team();
    void Set_Team();

    // ---- renaming.cpp ----
    void Team_Click(Int16 index);
    void Text1_KeyDown(int keyCode, int shift);

    // ---- saved_boards.cpp ----
    void List1_Click();
    void Load_Data();
    void Set_SCR();
    void Del_Data();

private:
    FRMlogo() = default;
    void Load();
};

} // namespace setup
