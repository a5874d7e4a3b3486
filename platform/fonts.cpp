#include "fonts.h"

#include <cmath>

namespace platform {

namespace {

struct Substitute {
    const char* family;
    QFont::Weight regular; // the weight that stands in for the face's own 400
};

// The designed faces are not free. Nanum Gothic is the plain gothic closest to 굴림; 견고딕 is a heavy
// display gothic even at weight 400, which Nanum Square ExtraBold matches best.
Substitute substitute(Face face) {
    switch (face) {
    case Face::HYGyeonGothic:
        return {"NanumSquare", QFont::ExtraBold};
    case Face::Gulim:
        break;
    }
    return {"NanumGothic", QFont::Normal};
}

} // namespace

int pointsToPixels(double points) {
    return static_cast<int>(std::lround(points * 96.0 / 72.0));
}

QFont font(Face face, double points, bool bold) {
    const Substitute s = substitute(face);
    QFont f(QString::fromLatin1(s.family));
    f.setPixelSize(pointsToPixels(points));
    f.setWeight(bold ? std::max(QFont::Bold, s.regular) : s.regular);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

QFont defaultFont() {
    return font(Face::Gulim, 9.0);
}

} // namespace platform
