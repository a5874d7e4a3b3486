// Drawing routines for every picture and the start sound. Each returns plain data; main.cpp decides
// the file formats, so the artwork can be looked at and tested without touching the byte writers.
#pragma once

#include "formats.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPointF>

#include <cstdint>
#include <vector>

namespace gen {

// The one green shared by the runner frames and the lower part of the background; they are copied
// onto each other at run time, so both must use exactly this value.
inline constexpr QRgb kFieldGreen = 0xFF39B54Au; // 57, 181, 74

// Small deterministic generator so textures and spot patterns are the same on every run.
class Lcg {
public:
    explicit Lcg(std::uint32_t seed) : state_(seed) {}
    std::uint32_t next() {
        state_ = state_ * 1664525u + 1013904223u;
        return state_;
    }
    // Uniform in [lo, hi).
    double uniform(double lo, double hi) { return lo + (hi - lo) * (next() >> 8) / double(1u << 24); }

private:
    std::uint32_t state_;
};

// Fonts are looked up by family and style; a missing font is fatal rather than silently replaced,
// because a fallback face would change every label's size and weight.
QFont requireFont(const QString& family, const QString& style, int pixelSize);
QFont headlineFont(int pixelSize); // ExtraBold Hangul face for labels and the slogan
QFont verseFont(int pixelSize);

// Shape helpers.
QPainterPath taperedSegment(QPointF a, double ra, QPointF b, double rb);
QPainterPath smoothClosedCurve(const std::vector<QPointF>& points);

// Pictures.
std::vector<IndexedImage> drawIconPixelArt(); // 32 x 32 and 16 x 16, standard 16-colour palette
// The vector pictures take the density they are drawn for: 1 is the designed picture, 2 the same
// drawing at twice the pixels for dense screens (drawn afresh, so edges and text are finer, not
// blown up). Every picture keeps its designed size in logical pixels.
QImage drawIconFullColour(int size);
QImage drawButton(const QString& label, int scale = 1);
IndexedImage drawExitPixelArt(); // exit.gif palette, entry 8 transparent
IndexedImage drawHandCursor();
QImage drawRunnerStrip(int scale = 1);
QImage drawBackground(int scale = 1);
QImage drawLogo(int scale = 1);

// The pixel-art pictures redrawn by hand for twice the density: the same shapes and palette, with
// outlines kept at their designed weight and slants, curves and corners stepped at the finer grid.
std::vector<IndexedImage> drawIconPixelArt2x(); // 64 x 64 and 32 x 32
IndexedImage drawExitPixelArt2x();              // 68 x 66
IndexedImage drawHandCursor2x();                // 64 x 64, hot spot (12, 0)

// Sound.
inline constexpr int kSampleRate = 22050;
std::vector<std::int16_t> synthesiseStartSound();

const Palette16& standardPalette();
const Palette16& exitPalette();

} // namespace gen
