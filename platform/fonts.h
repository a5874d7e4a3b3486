#pragma once

#include <QFont>

// The two faces the screens are designed in, and the one place that knows what stands in for them.
namespace platform {

enum class Face {
    Gulim,        // "굴림": the plain gothic of captions, read-outs and the entry box
    HYGyeonGothic // "HY견고딕": the heavy gothic of team names and score numbers
};

// A font of the face at a size in points, bold (weight 700) or not. The size is set in logical pixels
// (9.75 pt is 13 px, 24 pt is 32 px at 96 dpi), so text keeps its size against controls placed in twips
// whatever dpi the desktop reports.
QFont font(Face face, double points, bool bold = false);

// The screens' default font, used where a control names none.
QFont defaultFont();

int pointsToPixels(double points);

} // namespace platform
