#pragma once

#include <initializer_list>
#include <utility>
#include <vector>

class QWidget;

// The order of a screen's controls: which covers which, and where Tab goes next.
namespace platform {

// Puts siblings into the stacking order given topmost first (a control listed earlier covers one listed
// later where they overlap).
void stackTopmostFirst(std::initializer_list<QWidget*> topmostFirst);

// Makes Tab visit the focusable controls of a window in the order of their tab indices; controls that
// cannot take the focus by Tab (labels, frames, hidden or disabled ones) are passed over. The first of
// them must come first among the window's focusable controls (be created first): it takes the focus
// when the window opens.
void applyTabOrder(std::vector<std::pair<int, QWidget*>> byTabIndex);

} // namespace platform
