#pragma once

#include "main_ui.h"
#include "platform/arith.h"
#include "platform/checked_array.h"

#include <QString>
#include <functional>

namespace board {

using platform::Int32;

// A race is 30 cycles of 6 ticks of Timer1, a celebration 5 cycles of Timer2. Tick is the phase within a
// cycle (0 to 5) and also the runner frame painted on that tick.
inline constexpr Int16 lastTickOfCycle = 5;
inline constexpr Int16 raceCycles = 30;
inline constexpr Int16 celebrationCycles = 5;

// The race board. The object lives as long as the program and keeps the working fields below across
// loads; its window and controls (Ui::main, main_ui.h) are created afresh from the definition every time
// the screen is loaded, and exist only while it is loaded. Procedures are grouped in files by concern:
// definition, layout, race, celebration, score entry, settings strip, command bar, saving.
class main : public Ui::main {
public:
    static main& instance();

    // Loads the screen if needed (which raises Form_Load) and shows it maximised, without waiting.
    void Show();
    // Closes the window and ends its timers; the working fields stay.
    void Unload();
    bool isLoaded() const { return window != nullptr; }

    // What the back button shows: the setup screen. The program wires it; tests observe it.
    std::function<void()> showSetupScreen;
    // What features beside the design add to the board while it is loaded (the phone remote), and how
    // they end when it unloads. The program wires them.
    std::function<void()> screenLoaded;
    std::function<void()> screenUnloading;

    // ---- working fields (they outlive the window) ----
    platform::CheckedArray<Int32, 11> Add_Score;   // pending points of each slot, not yet in Team_Score
    QString Edit_Mode;                             // "score" or "tname": what the entry box edits
    Int16 Edit_Team = 0;                           // slot whose name button last opened the entry box
    Int16 Winner = 0;                              // slot celebrated by the winner button
    Int16 Flash_Left = 0;                          // celebration cycles still to run
    Int16 Race_Left = 0;                           // race cycles still to run
    Int16 Tick = 0;                                // phase 0 to 5 of a cycle; the runner frame painted
    platform::CheckedArray<Int16, 11> Step_Width;  // bar growth per race tick, twips
    platform::CheckedArray<double, 11> Step_Score; // growth of the shown number per race cycle
    bool Race_Ready = false;                       // some team had pending points at the last start

    // ---- definition.cpp ----
    void defineControls();
    void nameControls();
    void connectEvents();

    // ---- layout.cpp ----
    void Form_Load();
    void Pre_Board();
    void Form_Resize();
    void Set_Board();

    // ---- race.cpp ----
    void Computer_Score();
    void Timer1_Timer();
    void Running(Int16 i);
    void Over_Computer();
    // Tick on to the next phase of the cycle, 5 wrapping to 0; shared by both timers.
    void advanceTick();

    // ---- celebration.cpp ----
    void Win_Score();
    void Timer2_Timer();

    // ---- score_entry.cpp ----
    void Team_CMD_MouseDown(Int16 index, int button, int shift, float x, float y);
    void Text1_KeyDown(int keyCode, int shift);
    void Team_Label_GotFocus(Int16 index);

    // ---- settings.cpp ----
    void Command3_Click();
    void Command4_Click();
    void Command5_Click();
    void Command6_Click();
    void Command2_Click();
    void Label7_Click();
    // Where the operator finds the settings dialog: F2 on the board, or a double-click on the settings
    // strip; F2 again or Escape closes it unapplied, Enter in one of its boxes applies it.
    void connectSettingsDialog();
    void showSettingsDialog();
    void hideSettingsDialog();

    // ---- command_bar.cpp ----
    void Command1_Click(Int16 index);

    // ---- save.cpp ----
    void Save_Team();

private:
    main() = default;
    void Load();
};

} // namespace board
