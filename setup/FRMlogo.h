#pragma once

#include "platform/arith.h"
#include "platform/buttons.h"
#include "platform/checked_array.h"
#include "platform/containers.h"
#include "platform/form_window.h"
#include "platform/pictures.h"
#include "platform/text_controls.h"

#include <memory>

namespace setup {

using platform::Int16;

inline constexpr int teamBoxes = 10;

// The setup screen, where the operator chooses the teams or a saved board and starts the race board.
// Like the board, the object lives as long as the program; its window and controls are made afresh
// from the definition each time the screen is loaded. Procedures are grouped by concern: definition,
// team selection and start, renaming, saved boards.
class FRMlogo {
public:
    static FRMlogo& instance();

    // Loads the screen if needed (which raises Form_Load) and shows it, centred, without waiting.
    void Show();
    void Unload();
    bool isLoaded() const { return window != nullptr; }

    // ---- working fields ----
    bool Team_Ready = false;  // a team is chosen, or a board loaded: the start may go ahead
    bool Data_Loaded = false; // the game state came from a board file: the start keeps it
    bool Load_Busy = false;   // a loaded board is being put into the boxes: the editor stays shut
    Int16 Edit_Index = 0;     // the box whose caption the name editor edits

    // ---- controls (valid while loaded) ----
    platform::FormWindowHandle window{nullptr, nullptr};
    platform::CheckedArray<platform::CommandButton*, 4> Cmd; // 0 start, 1 load, 2 close, 3 delete
    platform::Frame* Frame1 = nullptr;                       // "팀설정"
    platform::ListBox* List1 = nullptr;                      // the saved boards
    platform::TextBox* Text1 = nullptr;                      // the name editor
    platform::CheckedArray<platform::CheckBox*, teamBoxes> Team;
    platform::ImageBox* Image1 = nullptr; // the publisher's logo
    platform::Label* Label5 = nullptr;
    platform::Label* Label6 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Shape* Shape1 = nullptr; // the white publisher band

    // ---- definition.cpp ----
    void defineControls();
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
