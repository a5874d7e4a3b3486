#include "window_order.h"

#include <QWidget>
#include <algorithm>
#include <iterator>

namespace platform {

void stackTopmostFirst(std::initializer_list<QWidget*> topmostFirst) {
    for (auto it = std::rbegin(topmostFirst); it != std::rend(topmostFirst); ++it)
        (*it)->raise();
}

// Qt ignores a setTabOrder pair with a control that never takes the focus (a label, a frame), which
// would leave a gap in the chain at every such control: each one that can is linked to the next one
// that can. Hidden and disabled controls stay in the chain; Tab passes over them while they are.
void applyTabOrder(std::vector<std::pair<int, QWidget*>> byTabIndex) {
    std::stable_sort(byTabIndex.begin(), byTabIndex.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, control] : byTabIndex) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace platform
