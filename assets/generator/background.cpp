// The 1024 x 768 board background: a cheering sky band, a verse band, and the field green the
// lanes are painted on.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace gen {
namespace {

constexpr int kW = 1024;
constexpr int kH = 768;
constexpr int kSkyBottom = 100;   // last row of the sky band
constexpr int kVerseTop = 101;    // first row of the verse band (its top rule)
constexpr int kVerseBottom = 179; // last row of the verse band (its bottom rule)
constexpr int kSolidGreenTop = 200;

const QColor kInk(44, 38, 52);

struct Kid {
    double x;
    double scale;
    QColor skin, shirt, trousers, hair;
    int hairStyle; // 0 short, 1 pigtails, 2 cap
    bool waving;   // one arm up and one out instead of both up
};

QPen inkPen(double width) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

// Draws the parts first as a thick ink stroke, then as fills on top: what stays visible is one clean
// outline around the whole figure without computing any path union.
void outlined(QPainter& p, const std::vector<std::pair<QPainterPath, QBrush>>& parts, double width) {
    p.setPen(inkPen(width));
    p.setBrush(Qt::NoBrush);
    for (const auto& part : parts)
        p.drawPath(part.first);
    p.setPen(Qt::NoPen);
    for (const auto& [path, brush] : parts) {
        p.setBrush(brush);
        p.drawPath(path);
    }
}

QPainterPath circle(QPointF c, double r) {
    QPainterPath path;
    path.addEllipse(c, r, r);
    return path;
}

QPainterPath ellipse(QPointF c, double rx, double ry) {
    QPainterPath path;
    path.addEllipse(c, rx, ry);
    return path;
}

void drawKid(QPainter& p, const Kid& kid) {
    p.save();
    p.translate(kid.x, 97);
    p.scale(kid.scale, kid.scale);
    const double side[2] = {-1, 1};
    std::vector<std::pair<QPainterPath, QBrush>> parts;
    for (double s : side) {
        parts.push_back({taperedSegment({4.5 * s, -26}, 3.6, {6.5 * s, -6}, 3.0), kid.trousers});
        parts.push_back({ellipse({8.5 * s, -3.5}, 5.6, 3.3), QColor(60, 52, 64)});
    }
    for (double s : side) {
        const bool up = !kid.waving || s < 0;
        const QPointF shoulder(8 * s, -49);
        const QPointF elbow = up ? QPointF(17 * s, -63) : QPointF(21 * s, -50);
        const QPointF hand = up ? QPointF(22 * s, -81) : QPointF(31 * s, -62);
        parts.push_back({taperedSegment(elbow, 2.8, hand, 2.6), kid.skin});
        parts.push_back({circle(hand, 4.6), kid.skin});
        parts.push_back({taperedSegment(shoulder, 4.2, elbow, 3.6), kid.shirt});
    }
    QPainterPath shirt;
    shirt.moveTo(-10, -53);
    shirt.quadTo(0, -57, 10, -53);
    shirt.quadTo(14, -38, 13.5, -22);
    shirt.lineTo(-13.5, -22);
    shirt.quadTo(-14, -38, -10, -53);
    parts.push_back({shirt, kid.shirt});
    if (kid.hairStyle == 1)
        for (double s : side)
            parts.push_back({circle({14.5 * s, -70}, 5.2), kid.hair});
    parts.push_back({circle({0, -65}, 13.5), kid.skin});
    QPainterPath hair;
    if (kid.hairStyle == 2) {
        hair.moveTo(-13.6, -67);
        hair.cubicTo(-13, -84, 13, -84, 13.6, -67);
        hair.lineTo(24, -68);
        hair.quadTo(20, -64, 12, -64);
        hair.lineTo(-13.6, -66);
        hair.closeSubpath();
    } else {
        hair.moveTo(-13.8, -64);
        hair.cubicTo(-15, -84, 15, -84, 13.8, -64);
        hair.quadTo(10, -72, 3, -71);
        hair.quadTo(-2, -74, -6, -70);
        hair.quadTo(-11, -70, -13.8, -64);
        hair.closeSubpath();
    }
    parts.push_back({hair, kid.hairStyle == 2 ? kid.shirt.darker(130) : kid.hair});
    outlined(p, parts, 2.4);

    // Face and a stripe on the shirt.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 90));
    p.drawRect(QRectF(-13, -40, 26, 4));
    p.setBrush(kInk);
    for (double s : side)
        p.drawEllipse(QPointF(4.6 * s, -64), 1.7, 2.0);
    p.setBrush(QColor(255, 120, 130, 120));
    for (double s : side)
        p.drawEllipse(QPointF(8.4 * s, -59.5), 2.6, 1.9);
    QPainterPath smile;
    smile.moveTo(-5, -59.5);
    smile.quadTo(0, -53.5, 5, -59.5);
    p.setPen(inkPen(1.6));
    p.setBrush(QColor(200, 60, 70));
    p.drawPath(smile);
    p.restore();
}

// A round cheetah mascot face cheering with both paws up.
void drawMascot(QPainter& p, QPointF centre, double scale) {
    p.save();
    p.translate(centre);
    p.scale(scale, scale);
    const QColor fur(238, 176, 64), cream(252, 240, 214), dark(40, 30, 22);
    const double side[2] = {-1, 1};
    std::vector<std::pair<QPainterPath, QBrush>> parts;
    for (double s : side) {
        parts.push_back({taperedSegment({18 * s, 17}, 6.5, {39 * s, -12}, 5.0), fur});
        parts.push_back({circle({41 * s, -16}, 7.5), fur});
        parts.push_back({circle({17 * s, -20}, 8.5), fur});
    }
    parts.push_back({circle({0, 0}, 26), fur});
    outlined(p, parts, 2.6);

    p.setPen(Qt::NoPen);
    p.setBrush(dark);
    for (double s : side)
        p.drawEllipse(QPointF(17.5 * s, -20.5), 4.6, 4.6);
    p.setBrush(cream);
    for (double s : side)
        p.drawEllipse(QPointF(6.5 * s, 10), 8.5, 7);
    p.drawEllipse(QPointF(0, 16), 8, 6);
    // Spots on the brow and cheeks, placed by hand so the face stays friendly.
    p.setBrush(dark);
    const QPointF spots[] = {{-6, -19}, {0, -21}, {6, -19}, {-11, -14}, {11, -14}, {-3, -15}, {3, -15},
                             {-20, 2},  {20, 2},  {-18, 9}, {18, 9},    {-22, -6}, {22, -6}};
    for (const QPointF& spot : spots)
        p.drawEllipse(spot, 1.6, 1.6);
    for (double s : side) {
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(9 * s, -5), 5.4, 6.2);
        p.setBrush(dark);
        p.drawEllipse(QPointF(8.2 * s, -4), 3.2, 3.6);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(7.2 * s, -5.6), 1.1, 1.1);
        // Tear marks from the inner eye corner down beside the muzzle.
        QPainterPath tear;
        tear.moveTo(4.6 * s, 0);
        tear.quadTo(6 * s, 7, 13 * s, 12);
        p.setPen(QPen(dark, 2.4, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(tear);
        p.setPen(Qt::NoPen);
        // Toe lines on the raised paws.
        p.setPen(QPen(dark, 1.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(38.5 * s, -21), QPointF(39 * s, -18));
        p.drawLine(QPointF(42.5 * s, -21.5), QPointF(42.5 * s, -18.5));
        p.setPen(Qt::NoPen);
    }
    QPainterPath nose;
    nose.moveTo(-4.5, 4.5);
    nose.quadTo(0, 3, 4.5, 4.5);
    nose.quadTo(0, 10, -4.5, 4.5);
    p.setBrush(dark);
    p.drawPath(nose);
    QPainterPath mouth;
    mouth.moveTo(-7, 14);
    mouth.quadTo(0, 23, 7, 14);
    mouth.quadTo(0, 17, -7, 14);
    p.setPen(QPen(dark, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(214, 70, 80));
    p.drawPath(mouth);
    p.restore();
}

void drawSun(QPainter& p, QPointF c) {
    p.save();
    p.setPen(Qt::NoPen);
    QRadialGradient glow(c, 48);
    glow.setColorAt(0, QColor(255, 250, 200, 160));
    glow.setColorAt(1, QColor(255, 250, 200, 0));
    p.setBrush(glow);
    p.drawEllipse(c, 48, 48);
    p.setPen(QPen(QColor(214, 130, 20), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(255, 176, 36));
    for (int i = 0; i < 12; ++i) {
        const double a = i * std::numbers::pi / 6;
        const double len = (i % 2 == 0) ? 38 : 32;
        auto at = [&](double r, double da) { return c + r * QPointF(std::cos(a + da), std::sin(a + da)); };
        QPolygonF ray;
        ray << at(22, -0.16) << at(len, 0) << at(22, 0.16);
        p.drawPolygon(ray);
    }
    QRadialGradient face(c + QPointF(-6, -7), 30);
    face.setColorAt(0, QColor(255, 244, 140));
    face.setColorAt(1, QColor(255, 206, 40));
    p.setBrush(face);
    p.drawEllipse(c, 25, 25);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(120, 70, 10));
    p.drawEllipse(c + QPointF(-8, -4), 2.4, 3.0);
    p.drawEllipse(c + QPointF(8, -4), 2.4, 3.0);
    p.setBrush(QColor(255, 130, 90, 130));
    p.drawEllipse(c + QPointF(-14, 4), 3.6, 2.4);
    p.drawEllipse(c + QPointF(14, 4), 3.6, 2.4);
    QPainterPath smile;
    smile.moveTo(c + QPointF(-9, 5));
    smile.quadTo(c + QPointF(0, 15), c + QPointF(9, 5));
    p.setPen(QPen(QColor(120, 70, 10), 2.0, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(smile);
    p.restore();
}

void drawCloud(QPainter& p, QPointF c, double scale) {
    QPainterPath cloud;
    const QPointF puffs[] = {{-26, 4}, {-12, -6}, {6, -10}, {22, -2}, {32, 6}, {0, 6}, {-34, 8}};
    const double radii[] = {12, 15, 17, 13, 9, 12, 8};
    for (std::size_t i = 0; i < std::size(puffs); ++i)
        cloud.addEllipse(c + scale * puffs[i], scale * radii[i], scale * radii[i]);
    cloud.setFillRule(Qt::WindingFill);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 196, 230, 120));
    p.drawPath(cloud.translated(0, 3));
    p.setBrush(QColor(255, 255, 255, 235));
    p.drawPath(cloud);
}

void drawSkyBand(QPainter& p) {
    QLinearGradient sky(0, 0, 0, kSkyBottom);
    sky.setColorAt(0, QColor(92, 182, 240));
    sky.setColorAt(1, QColor(184, 228, 252));
    p.fillRect(QRect(0, 0, kW, kSkyBottom + 1), sky);

    p.save();
    p.setClipRect(QRect(0, 0, kW, kSkyBottom + 1));
    p.setRenderHint(QPainter::Antialiasing);
    drawCloud(p, {372, 30}, 0.9);
    drawCloud(p, {640, 22}, 1.0);
    drawCloud(p, {868, 40}, 0.75);
    drawSun(p, {976, 40});

    // Confetti in the festival colours; the fixed seed keeps every regeneration identical.
    Lcg rng(77);
    const QColor confetti[] = {QColor(240, 70, 80), QColor(255, 200, 40), QColor(90, 120, 240),
                               QColor(250, 130, 200), QColor(255, 255, 255)};
    for (int i = 0; i < 46; ++i) {
        const QPointF at(rng.uniform(290, 930), rng.uniform(4, 52));
        const double angle = rng.uniform(0, 180);
        const QColor colour = confetti[rng.next() % std::size(confetti)];
        p.save();
        p.translate(at);
        p.rotate(angle);
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRect(QRectF(-2.5, -1.2, 5, 2.4));
        p.restore();
    }

    const Kid kids[] = {
        {318, 1.00, QColor(255, 214, 180), QColor(232, 64, 64), QColor(60, 80, 150), QColor(60, 40, 30), 0,
         false},
        {486, 0.96, QColor(240, 196, 160), QColor(255, 170, 30), QColor(80, 70, 120), QColor(40, 30, 30), 1,
         true},
        {566, 1.02, QColor(255, 220, 190), QColor(70, 130, 230), QColor(50, 60, 90), QColor(90, 60, 30), 2,
         false},
        {742, 0.98, QColor(230, 184, 150), QColor(170, 90, 220), QColor(60, 60, 80), QColor(30, 24, 24), 1,
         false},
        {826, 1.00, QColor(255, 210, 176), QColor(240, 100, 160), QColor(60, 90, 160), QColor(70, 44, 26), 0,
         true},
    };
    for (const Kid& kid : kids)
        drawKid(p, kid);
    drawMascot(p, {402, 66}, 0.96);
    drawMascot(p, {655, 66}, 0.96);
    p.restore();

    // Slogan: red on a thick white rim with a thin dark edge, so it holds on any part of the sky.
    QPainterPath slogan;
    slogan.addText(0, 0, headlineFont(74), QStringLiteral("화이팅!"));
    const QRectF ink = slogan.boundingRect();
    slogan.translate(20 - ink.left(), 14 - ink.top());
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(120, 20, 30), 11, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(slogan.translated(2, 3));
    p.setPen(QPen(QColor(90, 20, 30), 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(slogan);
    p.setPen(QPen(Qt::white, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(slogan);
    QLinearGradient red(0, 14, 0, 14 + ink.height());
    red.setColorAt(0, QColor(250, 60, 60));
    red.setColorAt(1, QColor(206, 16, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(red);
    p.drawPath(slogan);
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawVerseBand(QPainter& p) {
    const QColor rule(46, 48, 58);
    p.fillRect(QRect(0, kVerseTop, kW, kVerseBottom - kVerseTop + 1), QColor(222, 223, 228));
    p.fillRect(QRect(0, kVerseTop, kW, 3), rule);
    p.fillRect(QRect(0, kVerseBottom - 2, kW, 3), rule);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(verseFont(29));
    p.setPen(Qt::black);
    p.drawText(QRect(0, kVerseTop + 4, kW, 35), Qt::AlignCenter, QStringLiteral("한 걸음씩 함께 내디디면"));
    p.drawText(QRect(0, kVerseTop + 38, kW, 35), Qt::AlignCenter,
               QStringLiteral("끝까지 웃으며 달릴 수 있어요"));
    p.setRenderHint(QPainter::Antialiasing, false);
}

void drawGrassEdge(QPainter& p) {
    p.fillRect(QRect(0, kVerseBottom + 1, kW, kSolidGreenTop - kVerseBottom - 1), QColor(240, 240, 242));
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(kFieldGreen));
    // Tufts of blades in one green: taller in the middle of each tuft, leaning outwards.
    Lcg rng(4242);
    for (double x = -8; x < kW + 8; x += rng.uniform(9, 15)) {
        const int blades = 3 + static_cast<int>(rng.next() % 3);
        const double tallest = rng.uniform(9, 15);
        for (int b = 0; b < blades; ++b) {
            const double offset = (b - (blades - 1) / 2.0) * 2.6;
            const double height = tallest * (1 - 0.22 * std::abs(offset) / 2.6) + rng.uniform(-1.5, 1.0);
            const double lean = offset * 0.9 + rng.uniform(-1.5, 1.5);
            const double base = x + offset;
            QPainterPath blade;
            blade.moveTo(base - 2.2, kSolidGreenTop + 1);
            blade.quadTo(base - 0.6, kSolidGreenTop - height * 0.5, base + lean, kSolidGreenTop - height);
            blade.quadTo(base + 0.6, kSolidGreenTop - height * 0.5, base + 2.2, kSolidGreenTop + 1);
            blade.closeSubpath();
            p.drawPath(blade);
        }
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    // Solid field last and without antialiasing, so its value is exact down to the last pixel.
    p.fillRect(QRect(0, kSolidGreenTop, kW, kH - kSolidGreenTop), QColor::fromRgb(kFieldGreen));
}

} // namespace

QImage drawBackground(int scale) {
    QImage image(kW * scale, kH * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    if (scale != 1)
        p.scale(scale, scale);
    drawSkyBand(p);
    drawVerseBand(p);
    drawGrassEdge(p);
    return image;
}

} // namespace gen
