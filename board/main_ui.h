#pragma once

#include "platform/arith.h"
#include "platform/buttons.h"
#include "platform/canvas.h"
#include "platform/checked_array.h"
#include "platform/containers.h"
#include "platform/form_window.h"
#include "platform/pictures.h"
#include "platform/text_controls.h"
#include "platform/timer.h"

#include <memory>

namespace board {

using platform::Int16;

inline constexpr int teamRows = 10;

// The buttons of the command bar, Command1(0) to Command1(4), left to right.
namespace CommandBar {
enum : Int16 { Start, Back, Save, Winner, End };
} // namespace CommandBar

namespace Ui {

// The board's controls, as the definition (definition.cpp) creates them each time the screen loads.
// They are valid only while it is loaded; unloading resets them all at once. A new control is a field
// here, created in defineControls(), named in nameControls(), wired in connectEvents().
struct main {
    platform::FormWindowHandle window{nullptr, nullptr};
    platform::IntervalTimer* Timer1 = nullptr;
    platform::IntervalTimer* Timer2 = nullptr;
    platform::Frame* Picture2 = nullptr; // the settings dialog
    platform::CommandButton* Command2 = nullptr;
    platform::TextBox* Text2 = nullptr;
    platform::TextBox* Text3 = nullptr;
    platform::Label* Label1 = nullptr;
    platform::Label* Label2 = nullptr;
    platform::Label* Label3 = nullptr;
    platform::Label* Label4 = nullptr;
    platform::Label* Label5 = nullptr;
    platform::Frame* Frame1 = nullptr; // the command bar
    platform::CheckedArray<platform::CommandButton*, 5> Command1;
    platform::Label* Label7 = nullptr; // the publisher line
    platform::Frame* Frame2 = nullptr; // the settings strip
    platform::Label* Label6 = nullptr;
    platform::TextBox* Text4 = nullptr; // maximum score read-out
    platform::CommandButton* Command3 = nullptr;
    platform::CommandButton* Command4 = nullptr;
    platform::Label* Label8 = nullptr;
    platform::TextBox* Text5 = nullptr; // running speed read-out
    platform::CommandButton* Command5 = nullptr;
    platform::CommandButton* Command6 = nullptr;
    platform::Canvas* Picture1 = nullptr; // the board canvas
    platform::TextBox* Text1 = nullptr;   // the entry box
    platform::CheckedArray<platform::CommandButton*, teamRows> Team_CMD;
    platform::CheckedArray<platform::TextBox*, teamRows> Team_Label;
    std::unique_ptr<platform::ImageHolder> Image1; // the background picture
    std::unique_ptr<platform::ImageHolder> Image2; // the runner strip
};

} // namespace Ui

} // namespace board
