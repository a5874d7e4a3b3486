// The small pictures: application icon, toolbar buttons, exit button, link cursor and logo.
#include "art.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <cmath>
#include <map>
#include <numbers>
#include <stdexcept>

namespace gen {
namespace {

// Indices into the standard 16-colour table.
enum Std : int { Black = 0, Green = 2, Silver = 7, Grey = 8, Lime = 10, White = 15 };

void fillRect(IndexedImage& img, int x0, int y0, int x1, int y1, int v) {
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            img.at(x, y) = v;
}

// A bevelled monitor box with rounded corners; the screen is drawn by the caller.
void monitorCase(IndexedImage& img, int x0, int y0, int x1, int y1, bool bevel) {
    fillRect(img, x0, y0, x1, y1, Black);
    fillRect(img, x0 + 1, y0 + 1, x1 - 1, y1 - 1, Silver);
    for (int x : {x0, x1})
        for (int y : {y0, y1})
            img.at(x, y) = kTransparent;
    if (bevel) {
        for (int x = x0 + 1; x < x1; ++x) {
            img.at(x, y0 + 1) = White;
            img.at(x, y1 - 1) = Grey;
        }
        for (int y = y0 + 1; y < y1; ++y) {
            img.at(x0 + 1, y) = White;
            img.at(x1 - 1, y) = Grey;
        }
    }
}

void screenWithWave(IndexedImage& img, int x0, int y0, int x1, int y1, const std::vector<int>& gridX,
                    const std::vector<int>& gridY, double amplitude, int thickness) {
    fillRect(img, x0, y0, x1, y1, Black);
    for (int x : gridX)
        for (int y = y0; y <= y1; ++y)
            img.at(x, y) = Green;
    for (int y : gridY)
        for (int x = x0; x <= x1; ++x)
            img.at(x, y) = Green;
    const double mid = (y0 + y1) / 2.0;
    auto waveY = [&](int x) {
        const double t = double(x - x0) / double(x1 - x0);
        return static_cast<int>(std::lround(mid - amplitude * std::sin(2 * std::numbers::pi * t)));
    };
    int previous = waveY(x0);
    for (int x = x0; x <= x1; ++x) {
        const int y = waveY(x);
        const int top = std::min(y, previous + (y > previous ? 1 : 0));
        const int bottom = std::max(y, previous - (y < previous ? 1 : 0));
        for (int yy = top; yy <= bottom + thickness - 1; ++yy)
            if (yy >= y0 && yy <= y1)
                img.at(x, yy) = White;
        previous = y;
    }
}

IndexedImage iconPixels32() {
    IndexedImage img(32, 32, kTransparent);
    monitorCase(img, 1, 3, 30, 24, true);
    // Sunken screen edge: shadow on top and left, light on the other sides.
    fillRect(img, 4, 6, 27, 6, Grey);
    fillRect(img, 4, 6, 4, 21, Grey);
    fillRect(img, 5, 21, 27, 21, White);
    fillRect(img, 27, 7, 27, 21, White);
    screenWithWave(img, 5, 7, 26, 20, {8, 12, 16, 20, 24}, {10, 14, 18}, 4.6, 2);
    fillRect(img, 24, 22, 25, 22, Lime); // power light
    // Neck and foot.
    fillRect(img, 12, 25, 19, 26, Black);
    fillRect(img, 13, 25, 18, 25, Grey);
    fillRect(img, 13, 26, 18, 26, Silver);
    fillRect(img, 7, 27, 24, 30, Black);
    fillRect(img, 8, 28, 23, 29, Silver);
    fillRect(img, 8, 28, 23, 28, White);
    for (int x : {7, 24})
        for (int y : {27, 30})
            img.at(x, y) = kTransparent;
    return img;
}

IndexedImage iconPixels16() {
    IndexedImage img(16, 16, kTransparent);
    monitorCase(img, 0, 1, 15, 12, false);
    screenWithWave(img, 2, 3, 13, 9, {5, 10}, {6}, 2.4, 1);
    img.at(12, 11) = Lime;
    fillRect(img, 5, 13, 10, 13, Black);
    fillRect(img, 6, 13, 9, 13, Grey);
    fillRect(img, 3, 14, 12, 15, Black);
    fillRect(img, 4, 14, 11, 14, Silver);
    img.at(3, 15) = kTransparent;
    img.at(12, 15) = kTransparent;
    return img;
}

} // namespace

std::vector<IndexedImage> drawIconPixelArt() {
    return {iconPixels32(), iconPixels16()};
}

// The same monitor drawn as vector art for desktop entries. Below 48 px the grid gets coarser and
// the lines keep at least one pixel, so the small sizes stay crisp instead of turning into mush.
QImage drawIconFullColour(int size) {
    if (size <= 16) {
        // Vector art cannot stay sharp on a 16 px grid; reuse the hand-placed pixels in softer colours.
        const IndexedImage pixels = iconPixels16();
        QImage image(16, 16, QImage::Format_ARGB32);
        const std::map<int, QRgb> colours = {
            {kTransparent, 0x00000000u}, {Black, 0xFF181C24u}, {Green, 0xFF28B45Au}, {Silver, 0xFFB4BCCAu},
            {Grey, 0xFF6E7684u},         {Lime, 0xFF3CE65Au},  {White, 0xFFFFFFFFu}};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                image.setPixel(x, y, colours.at(pixels.at(x, y)));
        return image;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = size / 256.0;
    auto px = [&](double units) { return std::max(units * s, size <= 32 ? 1.0 : 0.0); };

    // Foot and neck first so the case overlaps them.
    QLinearGradient standGradient(0, 200 * s, 0, 244 * s);
    standGradient.setColorAt(0, QColor(150, 158, 172));
    standGradient.setColorAt(1, QColor(88, 96, 110));
    p.setPen(QPen(QColor(24, 28, 36), px(5)));
    p.setBrush(standGradient);
    QPolygonF neck;
    neck << QPointF(108 * s, 196 * s) << QPointF(148 * s, 196 * s) << QPointF(156 * s, 226 * s)
         << QPointF(100 * s, 226 * s);
    p.drawPolygon(neck);
    p.drawRoundedRect(QRectF(64 * s, 222 * s, 128 * s, 22 * s), 10 * s, 10 * s);

    const QRectF body(10 * s, 26 * s, 236 * s, 176 * s);
    QLinearGradient caseGradient(0, body.top(), 0, body.bottom());
    caseGradient.setColorAt(0, QColor(196, 204, 218));
    caseGradient.setColorAt(1, QColor(120, 128, 144));
    p.setPen(QPen(QColor(24, 28, 36), px(6)));
    p.setBrush(caseGradient);
    p.drawRoundedRect(body, 20 * s, 20 * s);

    const QRectF screen(30 * s, 46 * s, 196 * s, 132 * s);
    QLinearGradient screenGradient(0, screen.top(), 0, screen.bottom());
    screenGradient.setColorAt(0, QColor(6, 34, 20));
    screenGradient.setColorAt(1, QColor(2, 14, 8));
    p.setPen(QPen(QColor(30, 36, 46), px(4)));
    p.setBrush(screenGradient);
    p.drawRoundedRect(screen, 8 * s, 8 * s);

    p.save();
    p.setClipRect(screen.adjusted(px(2), px(2), -px(2), -px(2)));
    const int columns = size <= 32 ? 4 : 8;
    const int rows = size <= 32 ? 3 : 5;
    p.setPen(QPen(QColor(40, 200, 90), size <= 32 ? 1.0 : px(3)));
    for (int i = 1; i < columns; ++i) {
        double x = screen.left() + screen.width() * i / columns;
        if (size <= 32)
            x = std::floor(x) + 0.5;
        p.drawLine(QPointF(x, screen.top()), QPointF(x, screen.bottom()));
    }
    for (int i = 1; i < rows; ++i) {
        double y = screen.top() + screen.height() * i / rows;
        if (size <= 32)
            y = std::floor(y) + 0.5;
        p.drawLine(QPointF(screen.left(), y), QPointF(screen.right(), y));
    }
    QPainterPath wave;
    const double mid = screen.center().y();
    const double amplitude = screen.height() * 0.3;
    for (int i = 0; i <= 64; ++i) {
        const double t = i / 64.0;
        const QPointF point(screen.left() + screen.width() * t,
                            mid - amplitude * std::sin(2 * std::numbers::pi * t));
        if (i == 0)
            wave.moveTo(point);
        else
            wave.lineTo(point);
    }
    p.setBrush(Qt::NoBrush);
    if (size >= 48) {
        p.setPen(QPen(QColor(120, 255, 160, 90), px(22), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(wave);
    }
    p.setPen(QPen(Qt::white, std::max(px(10), size <= 16 ? 1.4 : 1.8), Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(wave);
    p.restore();

    // Power light.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 230, 90));
    if (size >= 32)
        p.drawEllipse(QPointF(218 * s, 190 * s), 5 * s, 5 * s);
    return image;
}

// A bevelled grey-blue face with a bold yellow word. The word is fitted by its real ink bounds, so
// short words get bigger letters than long ones while all keep the same margin.
QImage drawButton(const QString& label, int scale) {
    constexpr int kW = 97;
    constexpr int kH = 33;
    QImage image(kW * scale, kH * scale, QImage::Format_RGB32);
    QPainter p(&image);
    if (scale != 1)
        p.scale(scale, scale);
    QLinearGradient face(0, 0, 0, kH);
    face.setColorAt(0, QColor(132, 152, 186));
    face.setColorAt(1, QColor(84, 102, 138));
    p.fillRect(QRect(0, 0, kW, kH), face);
    // Two-pixel bevel: light from the top left, shadow to the bottom right.
    p.fillRect(QRect(0, 0, kW, 1), QColor(226, 234, 246));
    p.fillRect(QRect(0, 0, 1, kH), QColor(226, 234, 246));
    p.fillRect(QRect(1, 1, kW - 2, 1), QColor(172, 188, 214));
    p.fillRect(QRect(1, 1, 1, kH - 2), QColor(172, 188, 214));
    p.fillRect(QRect(0, kH - 1, kW, 1), QColor(22, 28, 44));
    p.fillRect(QRect(kW - 1, 0, 1, kH), QColor(22, 28, 44));
    p.fillRect(QRect(1, kH - 2, kW - 2, 1), QColor(56, 68, 96));
    p.fillRect(QRect(kW - 2, 1, 1, kH - 2), QColor(56, 68, 96));

    constexpr double kOutline = 2.4;
    const QRectF room(6, 4, kW - 12, kH - 8);
    QPainterPath text;
    for (int pixelSize = 40; pixelSize >= 8; --pixelSize) {
        QPainterPath candidate;
        candidate.addText(0, 0, headlineFont(pixelSize), label);
        const QRectF ink =
            candidate.boundingRect().adjusted(-kOutline / 2, -kOutline / 2, kOutline / 2, kOutline / 2);
        if (ink.width() <= room.width() && ink.height() <= room.height()) {
            const QPointF shift = room.center() - ink.center();
            text = candidate.translated(std::round(shift.x()), std::round(shift.y()));
            break;
        }
    }
    if (text.isEmpty())
        throw std::runtime_error("button label does not fit");
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(0.5, 0.5); // soft 1px shadow under the outline
    p.setPen(QPen(QColor(20, 24, 36, 150), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(text.translated(0.6, 0.6));
    p.setPen(QPen(QColor(40, 30, 6), kOutline, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(text);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 222, 0));
    p.drawPath(text);
    return image;
}

IndexedImage drawExitPixelArt() {
    enum Exit : int {
        K = 0,
        Maroon = 1,
        Navy = 4,
        Teal = 6,
        DarkGrey = 7,
        Clear = 8,
        Yellow = 11,
        Cyan = 14,
        W = 15
    };
    IndexedImage img(34, 33, Clear);
    // Door frame with a dark opening.
    fillRect(img, 9, 4, 23, 32, K);
    fillRect(img, 10, 5, 22, 32, DarkGrey);
    fillRect(img, 12, 7, 20, 32, K);
    fillRect(img, 13, 8, 19, 32, Navy);
    // The open leaf on its hinge at the right of the frame. Its free edge is nearer to the viewer,
    // so it rises above the frame: that slant is what makes it read as open.
    auto leafTop = [](int x) { return 4 - ((x - 24) * 4 + 4) / 9; };
    for (int x = 24; x <= 33; ++x)
        for (int y = leafTop(x); y <= 32; ++y)
            img.at(x, y) = (x == 24 || x == 33 || y == leafTop(x) || y == 32) ? K : Maroon;
    for (int x = 26; x <= 31; ++x)
        for (int y = leafTop(x) + 3; y <= 29; ++y)
            if (x == 26 || x == 31 || y == leafTop(x) + 3 || y == 15 || y == 29)
                img.at(x, y) = DarkGrey; // panel mouldings
    img.at(29, 18) = Yellow;
    img.at(29, 19) = Yellow;

    // Arrow shape: shaft and head, then a black rim around it.
    constexpr int kShaftStart = 2;
    constexpr int kHeadBase = 9;
    constexpr int kTip = 18;
    constexpr int kMid = 16;
    IndexedImage mask(34, 33, 0);
    for (int x = kShaftStart; x <= kHeadBase; ++x)
        for (int y = kMid - 2; y <= kMid + 2; ++y)
            mask.at(x, y) = 1;
    for (int x = kHeadBase; x <= kTip; ++x)
        for (int y = kMid - (kTip - x); y <= kMid + (kTip - x); ++y)
            mask.at(x, y) = 1;
    for (int y = 0; y < 33; ++y)
        for (int x = 0; x < 34; ++x) {
            if (mask.at(x, y)) {
                img.at(x, y) = Cyan;
                continue;
            }
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) {
                    const int nx = x + dx;
                    const int ny = y + dy;
                    if (nx >= 0 && ny >= 0 && nx < 34 && ny < 33 && mask.at(nx, ny))
                        edge = true;
                }
            if (edge)
                img.at(x, y) = K;
        }
    // Highlight along the top of the shaft and head, shading along the bottom.
    for (int x = kShaftStart + 1; x < kHeadBase; ++x) {
        img.at(x, kMid - 2) = W;
        img.at(x, kMid + 2) = Teal;
    }
    for (int x = kHeadBase + 1; x < kTip; ++x) {
        img.at(x, kMid - (kTip - x) + 1) = W;
        img.at(x, kMid + (kTip - x)) = Teal;
    }
    return img;
}

IndexedImage drawHandCursor() {
    // X outline, o fill, . outside. The fingertip pixel at column 6 of the top row is the hot spot.
    static const char* const kRows[] = {
        ".....XXX",
        "....XoooX",
        "....XoooX",
        "....XoooX",
        "....XoooX",
        "....XoooXXX",
        "....XoooXooXXX",
        "....XoooXooXooXX",
        "....XoooXooXooXoX",
        ".XX.XoooXooXooXooX",
        "XooXXoooooooooooooX",
        "XoooXoooooooooooooX",
        ".XooXoooooooooooooX",
        ".XoooooooooooooooX",
        "..XooooooooooooooX",
        "..XoooooooooooooX",
        "...XooooooooooooX",
        "...XoooooooooooX",
        "....XooooooooooX",
        "....XooooooooooX",
        "....XXXXXXXXXXXX",
    };
    IndexedImage img(32, 32, kTransparent);
    int y = 0;
    for (const char* row : kRows) {
        for (int x = 0; row[x] != '\0'; ++x) {
            if (row[x] == 'X')
                img.at(x, y) = 0;
            else if (row[x] == 'o')
                img.at(x, y) = 1;
        }
        ++y;
    }
    return img;
}

// The invented publisher's emblem: a blue disc with a white star inside a thin ring.
QImage drawLogo(int scale) {
    QImage image(50 * scale, 49 * scale, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    if (scale != 1)
        p.scale(scale, scale);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(25.0, 24.5);
    p.setPen(QPen(QColor(22, 58, 140), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 22.8, 22.8);
    QRadialGradient disc(c + QPointF(-6, -7), 26);
    disc.setColorAt(0, QColor(70, 146, 236));
    disc.setColorAt(1, QColor(18, 66, 168));
    p.setPen(Qt::NoPen);
    p.setBrush(disc);
    p.drawEllipse(c, 19.6, 19.6);
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double r = (i % 2 == 0) ? 13.0 : 5.4;
        const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
        star << c + QPointF(0, 1.2) + QPointF(r * std::cos(a), r * std::sin(a));
    }
    p.setBrush(Qt::white);
    p.drawPolygon(star);
    return image;
}

} // namespace gen
