#include "art.h"

#include <QFontDatabase>
#include <QFontInfo>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace gen {

QFont requireFont(const QString& family, const QString& style, int pixelSize) {
    if (!QFontDatabase::families().contains(family) || !QFontDatabase::styles(family).contains(style))
        throw std::runtime_error("font not installed: " + family.toStdString() + " " + style.toStdString());
    QFont font = QFontDatabase::font(family, style, 12);
    font.setPixelSize(pixelSize);
    font.setStyleStrategy(QFont::NoFontMerging);
    const QFontInfo info(font);
    if (info.family() != family)
        throw std::runtime_error("font " + family.toStdString() + " resolved to " +
                                 info.family().toStdString());
    return font;
}

namespace {

QFont firstInstalled(const std::vector<std::pair<QString, QString>>& choices, int pixelSize) {
    std::string tried;
    for (const auto& [family, style] : choices) {
        if (QFontDatabase::families().contains(family) && QFontDatabase::styles(family).contains(style))
            return requireFont(family, style, pixelSize);
        tried += " '" + family.toStdString() + " " + style.toStdString() + "'";
    }
    throw std::runtime_error("none of these fonts is installed:" + tried +
                             " (Debian: fonts-nanum, fonts-nanum-extra)");
}

} // namespace

QFont headlineFont(int pixelSize) {
    return firstInstalled({{"NanumSquare", "ExtraBold"}, {"NanumGothic", "ExtraBold"}}, pixelSize);
}

QFont verseFont(int pixelSize) {
    return firstInstalled({{"NanumSquare", "Bold"}, {"NanumGothic", "Bold"}}, pixelSize);
}

// Convex hull of two circles: a limb segment that is thick at one joint and thinner at the other.
QPainterPath taperedSegment(QPointF a, double ra, QPointF b, double rb) {
    const QPointF d = b - a;
    const double len = std::hypot(d.x(), d.y());
    QPainterPath path;
    if (len <= std::abs(ra - rb) + 1e-6) {
        const bool aBigger = ra >= rb;
        const QPointF c = aBigger ? a : b;
        const double r = aBigger ? ra : rb;
        path.addEllipse(c, r, r);
        return path;
    }
    const QPointF u = d / len;
    const QPointF n(-u.y(), u.x());
    const double phi = std::acos((ra - rb) / len);
    auto at = [&](QPointF c, double r, double t) { return c + r * (std::cos(t) * u + std::sin(t) * n); };
    constexpr int kSteps = 16;
    QPolygonF polygon;
    for (int i = 0; i <= kSteps; ++i)
        polygon << at(b, rb, -phi + 2 * phi * i / kSteps);
    for (int i = 0; i <= kSteps; ++i)
        polygon << at(a, ra, phi + (2 * std::numbers::pi - 2 * phi) * i / kSteps);
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

// Closed Catmull-Rom spline through the points, written as cubic Beziers.
QPainterPath smoothClosedCurve(const std::vector<QPointF>& p) {
    QPainterPath path;
    const std::size_t n = p.size();
    if (n < 3)
        return path;
    path.moveTo(p[0]);
    for (std::size_t i = 0; i < n; ++i) {
        const QPointF& p0 = p[(i + n - 1) % n];
        const QPointF& p1 = p[i];
        const QPointF& p2 = p[(i + 1) % n];
        const QPointF& p3 = p[(i + 2) % n];
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    path.closeSubpath();
    return path;
}

const Palette16& standardPalette() {
    static const Palette16 palette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                      0xFF008080, 0xFFC0C0C0, 0xFF808080, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                      0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    return palette;
}

// Same colours as the standard table with silver and grey swapped, so that entry 8 is the silver
// that the exit picture treats as transparent.
const Palette16& exitPalette() {
    static const Palette16 palette = {0xFF000000, 0xFF800000, 0xFF008000, 0xFF808000, 0xFF000080, 0xFF800080,
                                      0xFF008080, 0xFF808080, 0xFFC0C0C0, 0xFFFF0000, 0xFF00FF00, 0xFFFFFF00,
                                      0xFF0000FF, 0xFFFF00FF, 0xFF00FFFF, 0xFFFFFFFF};
    return palette;
}

} // namespace gen
