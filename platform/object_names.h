#pragma once

#include <QObject>
#include <QString>

namespace platform {

// Gives a control its designed name as its object name ("Label7"), so that debug output tells the
// controls apart and tests find them with findChild.
inline void nameControl(QObject* control, const char* name) {
    control->setObjectName(QLatin1String(name));
}

// Names each control of an array after the array and its index: "Team_CMD(0)", "Team_CMD(1)", ...
template <class ControlArray> void nameControls(const ControlArray& controls, const char* arrayName) {
    int index = 0;
    for (QObject* control : controls)
        control->setObjectName(QStringLiteral("%1(%2)").arg(QLatin1String(arrayName)).arg(index++));
}

} // namespace platform
