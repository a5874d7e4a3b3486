// Byte-level writers for the file formats Qt can read but not write in the exact flavour we need
// (4-bit ICO, monochrome CUR, GIF89a, PCM WAVE) and for 24-bit BMP, whose bit depth we want to pin
// down rather than leave to QImageWriter.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <vector>

namespace gen {

using Palette16 = std::array<QRgb, 16>;

// Pixels are palette indices, top row first. kTransparent marks pixels that a mask hides.
inline constexpr int kTransparent = -1;

struct IndexedImage {
    int width = 0;
    int height = 0;
    std::vector<int> pixels;

    IndexedImage() = default;
    IndexedImage(int w, int h, int fill)
        : width(w), height(h), pixels(static_cast<std::size_t>(w * h), fill) {}
    int at(int x, int y) const { return pixels[static_cast<std::size_t>(y * width + x)]; }
    int& at(int x, int y) { return pixels[static_cast<std::size_t>(y * width + x)]; }
};

// Maps every pixel of an image drawn without antialiasing to the palette entry of exactly the same
// colour. Fully transparent pixels become transparentIndex. Throws if a colour is not in the palette,
// which catches stray blending early instead of silently picking a "close" entry.
IndexedImage indexExactly(const QImage& source, const Palette16& palette, int transparentIndex);

QByteArray encodeBmp24(const QImage& source);
QByteArray encodeIco4(const std::vector<IndexedImage>& images, const Palette16& palette);
// Index 0 is black, 1 is white, kTransparent is outside the cursor.
QByteArray encodeCur1(const IndexedImage& image, int hotX, int hotY);
QByteArray encodeGif89a(const IndexedImage& image, const Palette16& palette, int transparentIndex);
QByteArray encodeWavMono16(const std::vector<std::int16_t>& samples, int sampleRate);

void writeFile(const QString& path, const QByteArray& bytes);

} // namespace gen
