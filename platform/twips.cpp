#include "twips.h"

#include "failure.h"

#include <QWidget>
#include <algorithm>
#include <cmath>
#include <limits>

namespace platform {

namespace {

float toSingle(double value) {
    if (!std::isfinite(value) || std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max()))
        fail("overflow");
    return static_cast<float>(value);
}

// Far outside any screen, and well inside what QWidget accepts.
constexpr double pixelLimit = 1 << 22;

} // namespace

int twipsToPixel(double twips) {
    const double pixels = std::nearbyint(twips / twipsPerPixel);
    return static_cast<int>(std::clamp(pixels, -pixelLimit, pixelLimit));
}

TwipsGeometry::TwipsGeometry(QWidget* self, double left, double top, double width, double height)
    : self_(self), left_(toSingle(left)), top_(toSingle(top)), width_(toSingle(std::max(0.0, width))),
      height_(toSingle(std::max(0.0, height))) {
    place();
}

void TwipsGeometry::setLeft(double value) {
    left_ = toSingle(value);
    place();
}
void TwipsGeometry::setTop(double value) {
    top_ = toSingle(value);
    place();
}
void TwipsGeometry::setWidth(double value) {
    width_ = toSingle(std::max(0.0, value));
    place();
}
void TwipsGeometry::setHeight(double value) {
    height_ = toSingle(std::max(0.0, value));
    place();
}
void TwipsGeometry::Move(double left, double top, double width, double height) {
    const float l = toSingle(left), t = toSingle(top);
    const float w = toSingle(std::max(0.0, width)), h = toSingle(std::max(0.0, height));
    left_ = l;
    top_ = t;
    width_ = w;
    height_ = h;
    place();
}

bool TwipsGeometry::Visible() const {
    return !self_->isHidden();
}

void TwipsGeometry::place() {
    const int x = twipsToPixel(left_);
    const int y = twipsToPixel(top_);
    const int right = twipsToPixel(static_cast<double>(left_) + width_);
    const int bottom = twipsToPixel(static_cast<double>(top_) + height_);
    self_->setGeometry(x, y, std::max(0, right - x), std::max(0, bottom - y));
    geometryChanged();
}

} // namespace platform
