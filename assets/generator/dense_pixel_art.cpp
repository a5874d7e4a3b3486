// The pixel-art pictures (window icon, exit door, link cursor) redrawn for screens of twice the
// density. A pixel of the design becomes a 2 x 2 block only where the design is a straight run; every
// slant, curve and corner is worked out again on the finer grid, so the picture reads as the same
// drawing with smoother edges rather than as the small one blown up.
#include "art.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>
#include <stdexcept>

namespace gen {
namespace {

constexpr int kScale = 2;

enum Std : int { Black = 0, Green = 2, Silver = 7, Grey = 8, Lime = 10, White = 15 };

// Fills the designed pixels x0..x1, y0..y1 (inclusive, design coordinates) on the fine grid.
void block(IndexedImage& img, int x0, int y0, int x1, int y1, int v) {
    for (int y = y0 * kScale; y < (y1 + 1) * kScale; ++y)
        for (int x = x0 * kScale; x < (x1 + 1) * kScale; ++x)
            img.at(x, y) = v;
}

// A corner of the design that was one cut pixel becomes a rounded one: three fine pixels off, not four.
void roundCorner(IndexedImage& img, int designX, int designY, int dx, int dy) {
    const int x = designX * kScale + (dx > 0 ? 0 : kScale - 1);
    const int y = designY * kScale + (dy > 0 ? 0 : kScale - 1);
    img.at(x, y) = kTransparent;
    img.at(x + dx, y) = kTransparent;
    img.at(x, y + dy) = kTransparent;
}

void roundCorners(IndexedImage& img, int x0, int y0, int x1, int y1) {
    roundCorner(img, x0, y0, 1, 1);
    roundCorner(img, x1, y0, -1, 1);
    roundCorner(img, x0, y1, 1, -1);
    roundCorner(img, x1, y1, -1, -1);
}

void monitorCase(IndexedImage& img, int x0, int y0, int x1, int y1, bool bevel) {
    block(img, x0, y0, x1, y1, Black);
    block(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, Silver);
    if (bevel) {
        block(img, x0 + 1, y0 + 1, x1 - 1, y0 + 1, White);
        block(img, x0 + 1, y1 - 1, x1 - 1, y1 - 1, Grey);
        block(img, x0 + 1, y0 + 1, x0 + 1, y1 - 1, White);
        block(img, x1 - 1, y0 + 1, x1 - 1, y1 - 1, Grey);
    }
    roundCorners(img, x0, y0, x1, y1);
}

// The sine wave is sampled at every fine column, so it climbs in half-steps of the design's pixels.
void screenWithWave(IndexedImage& img, int x0, int y0, int x1, int y1, const std::vector<int>& gridX,
                    const std::vector<int>& gridY, double amplitude, int thickness) {
    block(img, x0, y0, x1, y1, Black);
    for (int x : gridX)
        block(img, x, y0, x, y1, Green);
    for (int y : gridY)
        block(img, x0, y, x1, y, Green);
    const double mid = (y0 + y1) / 2.0;
    auto waveY = [&](int fineX) {
        const double u = (fineX + 0.5) / kScale - 0.5; // the design coordinate of this column's centre
        const double t = std::clamp((u - x0) / double(x1 - x0), 0.0, 1.0);
        const double design = mid - amplitude * std::sin(2 * std::numbers::pi * t);
        return static_cast<int>(std::lround((design + 0.5) * kScale - 0.5));
    };
    const int top = y0 * kScale, bottom = (y1 + 1) * kScale - 1;
    int previous = waveY(x0 * kScale);
    for (int x = x0 * kScale; x < (x1 + 1) * kScale; ++x) {
        const int y = waveY(x);
        const int from = std::min(y, previous + (y > previous ? 1 : 0));
        const int to = std::max(y, previous - (y < previous ? 1 : 0));
        for (int yy = from; yy <= to + thickness * kScale - 1; ++yy)
            if (yy >= top && yy <= bottom)
                img.at(x, yy) = White;
        previous = y;
    }
}

IndexedImage icon64() {
    IndexedImage img(64, 64, kTransparent);
    monitorCase(img, 1, 3, 30, 24, true);
    block(img, 4, 6, 27, 6, Grey);
    block(img, 4, 6, 4, 21, Grey);
    block(img, 5, 21, 27, 21, White);
    block(img, 27, 7, 27, 21, White);
    screenWithWave(img, 5, 7, 26, 20, {8, 12, 16, 20, 24}, {10, 14, 18}, 4.6, 2);
    block(img, 24, 22, 25, 22, Lime);
    block(img, 12, 25, 19, 26, Black);
    block(img, 13, 25, 18, 25, Grey);
    block(img, 13, 26, 18, 26, Silver);
    block(img, 7, 27, 24, 30, Black);
    block(img, 8, 28, 23, 29, Silver);
    block(img, 8, 28, 23, 28, White);
    roundCorners(img, 7, 27, 24, 30);
    return img;
}

IndexedImage icon32() {
    IndexedImage img(32, 32, kTransparent);
    monitorCase(img, 0, 1, 15, 12, false);
    screenWithWave(img, 2, 3, 13, 9, {5, 10}, {6}, 2.4, 1);
    block(img, 12, 11, 12, 11, Lime);
    block(img, 5, 13, 10, 13, Black);
    block(img, 6, 13, 9, 13, Grey);
    block(img, 3, 14, 12, 15, Black);
    block(img, 4, 14, 11, 14, Silver);
    roundCorner(img, 3, 15, 1, -1);
    roundCorner(img, 12, 15, -1, -1);
    return img;
}

} // namespace

std::vector<IndexedImage> drawIconPixelArt2x() {
    return {icon64(), icon32()};
}

IndexedImage drawExitPixelArt2x() {
    enum Exit : int { K = 0, Maroon = 1, Teal = 6, DarkGrey = 7, Clear = 8, Yellow = 11, Cyan = 14, W = 15 };
    constexpr int kW = 34 * kScale, kH = 33 * kScale;
    IndexedImage img(kW, kH, Clear);
    block(img, 9, 4, 23, 32, K);
    block(img, 10, 5, 22, 32, DarkGrey);
    block(img, 12, 7, 20, 32, K);
    block(img, 13, 8, 19, 32, 4); // navy opening

    // The open leaf: its top edge rises as a straight slant, stepped at the fine grid.
    auto leafTop = [](int x) {
        const double u = (x + 0.5) / kScale - 0.5;
        return std::max(0, static_cast<int>(std::lround((4.0 - (4.0 * (u - 24) + 4.0) / 9.0) * kScale)));
    };
    for (int x = 24 * kScale; x < kW; ++x)
        for (int y = leafTop(x); y < kH; ++y) {
            const bool edge =
                x < 25 * kScale || x >= 33 * kScale || y < leafTop(x) + kScale || y >= 32 * kScale;
            img.at(x, y) = edge ? K : Maroon;
        }
    for (int x = 26 * kScale; x < 32 * kScale; ++x)
        for (int y = leafTop(x) + 3 * kScale; y < 30 * kScale; ++y) {
            const int u = x / kScale, v = y / kScale;
            if (u == 26 || u == 31 || y < leafTop(x) + 4 * kScale || v == 15 || v == 29)
                img.at(x, y) = DarkGrey;
        }
    // The knob, round at this size.
    for (int y = 36; y < 40; ++y)
        for (int x = 58; x < 60; ++x)
            img.at(x, y) = Yellow;
    img.at(57, 37) = Yellow;
    img.at(57, 38) = Yellow;

    // Arrow: a shaft and a head whose slanted sides are worked out per fine pixel, then a black rim of
    // the design's width around it.
    constexpr double kShaftStart = 2, kHeadBase = 9, kTip = 18, kMid = 16;
    IndexedImage mask(kW, kH, 0);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            const double u = (x + 0.5) / kScale - 0.5, v = (y + 0.5) / kScale - 0.5;
            const bool shaft = u >= kShaftStart - 0.25 && u <= kHeadBase && std::abs(v - kMid) <= 2.25;
            const bool head = u >= kHeadBase && u <= kTip + 0.25 && std::abs(v - kMid) <= kTip - u + 0.25;
            mask.at(x, y) = shaft || head ? 1 : 0;
        }
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            if (mask.at(x, y)) {
                img.at(x, y) = Cyan;
                continue;
            }
            bool edge = false;
            for (int dy = -kScale; dy <= kScale; ++dy)
                for (int dx = -kScale; dx <= kScale; ++dx) {
                    const int nx = x + dx, ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < kW && ny < kH && mask.at(nx, ny))
                        edge = true;
                }
            if (edge)
                img.at(x, y) = K;
        }
    // Light along the top of the arrow, one design pixel in from its edge on the head; shade along the
    // bottom.
    for (int x = static_cast<int>(kShaftStart + 1) * kScale; x < static_cast<int>(kTip) * kScale; ++x) {
        int first = -1, last = -1;
        for (int y = 0; y < kH; ++y)
            if (mask.at(x, y)) {
                if (first < 0)
                    first = y;
                last = y;
            }
        if (first < 0)
            continue;
        const bool onShaft = x < static_cast<int>(kHeadBase) * kScale;
        const int lightTop = onShaft ? first : first + kScale;
        for (int y = lightTop; y < lightTop + kScale && y <= last; ++y)
            img.at(x, y) = W;
        for (int y = std::max(last - kScale + 1, lightTop + kScale); y <= last; ++y)
            img.at(x, y) = Teal;
    }
    return img;
}

// The pointing hand as shapes (a raised finger, three curled fingers, a thumb and the palm) outlined at
// the design's weight, with the finger partings drawn down to the palm as in the design.
IndexedImage drawHandCursor2x() {
    constexpr int kSize = 32 * kScale;
    QImage image(kSize, kSize, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.scale(kScale, kScale);
    auto finger = [](double left, double top, double bottom) {
        QPainterPath path;
        path.addRoundedRect(QRectF(left, top, 4, bottom - top), 1.9, 1.9);
        return path;
    };
    const QPainterPath fingers[] = {finger(4.5, 0.5, 12), finger(8.5, 5.5, 12), finger(11.5, 6.5, 12),
                                    finger(14.5, 7.5, 12)};
    QPainterPath thumb;
    thumb.moveTo(4.5, 10.5);
    thumb.cubicTo(3.5, 9.0, 1.0, 9.0, 0.5, 10.5);
    thumb.cubicTo(0.3, 12.0, 1.0, 13.5, 2.0, 15.0);
    thumb.lineTo(4.5, 16.0);
    thumb.closeSubpath();
    QPainterPath palm;
    palm.moveTo(4.5, 10.0);
    palm.lineTo(18.5, 10.0);
    palm.lineTo(18.5, 12.8);
    palm.cubicTo(18.0, 15.5, 17.0, 17.5, 15.5, 19.5);
    palm.lineTo(15.5, 20.5);
    palm.lineTo(4.5, 20.5);
    palm.lineTo(4.5, 19.5);
    palm.cubicTo(3.2, 17.0, 1.8, 14.5, 1.2, 12.5);
    palm.closeSubpath();

    p.setRenderHint(QPainter::Antialiasing, false);
    const QPen outline(Qt::black, 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin);
    // Outline every part, then fill them all: one outline round the whole hand.
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    for (const QPainterPath& part : fingers)
        p.drawPath(part);
    p.drawPath(thumb);
    p.drawPath(palm);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (const QPainterPath& part : fingers)
        p.drawPath(part);
    p.drawPath(thumb);
    p.drawPath(palm);
    // The partings between the fingers, and the thumb's line against the palm.
    p.setPen(outline);
    p.drawLine(QPointF(8.5, 5.5), QPointF(8.5, 9.8));
    p.drawLine(QPointF(11.5, 6.5), QPointF(11.5, 9.8));
    p.drawLine(QPointF(14.5, 7.5), QPointF(14.5, 9.8));
    p.drawLine(QPointF(4.5, 10.0), QPointF(4.5, 12.5));
    p.end();

    static const Palette16 blackWhite = {0xFF000000u, 0xFFFFFFFFu};
    return indexExactly(image, blackWhite, kTransparent);
}

} // namespace gen
