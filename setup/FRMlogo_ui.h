#pragma once

#include "platform/arith.h"
#include "platform/buttons.h"
#include "platform/checked_array.h"
#include "platform/containers.h"
#include "platform/form_window.h"
#include "platform/pictures.h"
#include "platform/text_controls.h"

namespace setup {

using platform::Int16;

inline constexpr int teamBoxes = 10;

// The command buttons, Cmd(0) to Cmd(3) (top to bottom they stand start, load, delete, close).
namespace CmdButton {
enum : Int16 { Start, Load, Close, Delete };
} // namespace CmdButton

namespace Ui {

// The setup screen's controls, as the definition (definition.cpp) creates them each time the screen
// loads. They are valid only while it is loaded; unloading resets them all at once. A new control is a
// field here, created in defineControls(), named in nameControls(), wired in connectEvents().
struct FRMlogo {
    platform::FormWindowHandle window{nullptr, nullptr};
    platform::CheckedArray<platform::CommandButton*, 4> Cmd;
    platform::Frame* Frame1 = nullptr;  // "팀설정"
    platform::ListBox* List1 = nullptr; // the saved boards
    platform::TextBox* Text1 = nullptr; // the name editor
    platform::CheckedArray<platform::CheckBox*, teamBoxes> Team;
    platform::ImageBox* Image1 = nullptr; // the publisher's logo
    platform::Label* Label5 = nullptr;
    platform::Label* Label6 = nullptr;
    platform::Label* Label7 = nullptr;
    platform::Shape* Shape1 = nullptr; // the white publisher band
};

} // namespace Ui

} // namespace setup
