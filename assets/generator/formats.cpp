#include "formats.h"

#include <QFile>
#include <cstddef>

#include <stdexcept>
#include <string>
#include <unordered_map>

namespace gen {
namespace {

void putU8(QByteArray& out, unsigned v) {
    out.append(static_cast<char>(v & 0xFFu));
}

void putU16(QByteArray& out, unsigned v) {
    putU8(out, v);
    putU8(out, v >> 8);
}

void putU32(QByteArray& out, std::uint32_t v) {
    putU16(out, v & 0xFFFFu);
    putU16(out, v >> 16);
}

void putTag(QByteArray& out, const char (&tag)[5]) {
    out.append(tag, 4);
}

int paddedRowBytes(int bitsPerPixel, int width) {
    return ((bitsPerPixel * width + 31) / 32) * 4;
}

void putInfoHeader(QByteArray& out, int width, int height, int bitsPerPixel, std::uint32_t imageBytes,
                   std::uint32_t coloursUsed) {
    putU32(out, 40);
    putU32(out, static_cast<std::uint32_t>(width));
    putU32(out, static_cast<std::uint32_t>(height));
    putU16(out, 1);
    putU16(out, static_cast<unsigned>(bitsPerPixel));
    putU32(out, 0); // BI_RGB
    putU32(out, imageBytes);
    putU32(out, 2835); // 72 dpi, so viewers do not guess something odd
    putU32(out, 2835);
    putU32(out, coloursUsed);
    putU32(out, 0);
}

void putPaletteBgr0(QByteArray& out, const QRgb* colours, int count) {
    for (int i = 0; i < count; ++i) {
        putU8(out, static_cast<unsigned>(qBlue(colours[i])));
        putU8(out, static_cast<unsigned>(qGreen(colours[i])));
        putU8(out, static_cast<unsigned>(qRed(colours[i])));
        putU8(out, 0);
    }
}

// Packs one bottom-up DIB plane: `valueAt` yields a value of `bits` bits for each pixel.
template <typename F> QByteArray packRows(int width, int height, int bits, F valueAt) {
    const int rowBytes = paddedRowBytes(bits, width);
    QByteArray out(static_cast<qsizetype>(rowBytes) * height, '\0');
    for (int row = 0; row < height; ++row) {
        const int y = height - 1 - row;
        auto* dst =
            reinterpret_cast<unsigned char*>(out.data()) + static_cast<std::ptrdiff_t>(row) * rowBytes;
        for (int x = 0; x < width; ++x) {
            const unsigned v = static_cast<unsigned>(valueAt(x, y)) & ((1u << bits) - 1u);
            const int bitPos = x * bits;
            const int shift = 8 - bits - (bitPos % 8);
            dst[bitPos / 8] = static_cast<unsigned char>(dst[bitPos / 8] | (v << shift));
        }
    }
    return out;
}

// The icon/cursor DIB: header with doubled height, palette, colour plane, then the AND mask.
QByteArray iconDib(const IndexedImage& image, int bits, const QRgb* palette, int paletteSize) {
    const QByteArray xorPlane = packRows(image.width, image.height, bits, [&](int x, int y) {
        const int v = image.at(x, y);
        return v == kTransparent ? 0 : v;
    });
    const QByteArray andPlane = packRows(
        image.width, image.height, 1, [&](int x, int y) { return image.at(x, y) == kTransparent ? 1 : 0; });
    QByteArray out;
    putInfoHeader(out, image.width, image.height * 2, bits,
                  static_cast<std::uint32_t>(xorPlane.size() + andPlane.size()), 0);
    putPaletteBgr0(out, palette, paletteSize);
    out.append(xorPlane);
    out.append(andPlane);
    return out;
}

void checkIndices(const IndexedImage& image, int maxIndex, const char* what) {
    if (image.width <= 0 || image.height <= 0 || image.width > 256 || image.height > 256)
        throw std::runtime_error(std::string(what) + ": bad image size");
    for (int v : image.pixels)
        if (v != kTransparent && (v < 0 || v > maxIndex))
            throw std::runtime_error(std::string(what) + ": palette index out of range");
}

// Packs variable-width LZW codes least significant bit first, as GIF wants.
class BitPacker {
public:
    void put(unsigned code, int width) {
        buffer_ |= static_cast<std::uint64_t>(code) << used_;
        used_ += width;
        while (used_ >= 8) {
            bytes_.append(static_cast<char>(buffer_ & 0xFFu));
            buffer_ >>= 8;
            used_ -= 8;
        }
    }
    QByteArray finish() {
        if (used_ > 0)
            bytes_.append(static_cast<char>(buffer_ & 0xFFu));
        buffer_ = 0;
        used_ = 0;
        return bytes_;
    }

private:
    std::uint64_t buffer_ = 0;
    int used_ = 0;
    QByteArray bytes_;
};

QByteArray lzwEncode(const std::vector<int>& indices, int minCodeSize) {
    const unsigned clearCode = 1u << minCodeSize;
    const unsigned endCode = clearCode + 1;
    constexpr unsigned kMaxCodes = 4096;

    BitPacker bits;
    std::unordered_map<std::uint32_t, unsigned> table; // (prefix << 8 | symbol) -> code
    int codeSize = minCodeSize + 1;
    unsigned nextCode = endCode + 1;

    // The decoder grows its table one entry behind us, so the width switch has to happen exactly when
    // the entry just made equals 2^codeSize; getting this off by one corrupts everything that follows.
    auto addEntry = [&](std::uint32_t key) {
        const unsigned entry = nextCode++;
        if (key != UINT32_MAX)
            table.emplace(key, entry);
        if (entry == (1u << codeSize) && codeSize < 12)
            ++codeSize;
    };

    bits.put(clearCode, codeSize);
    if (indices.empty()) {
        bits.put(endCode, codeSize);
        return bits.finish();
    }
    unsigned prefix = static_cast<unsigned>(indices.front());
    for (std::size_t i = 1; i < indices.size(); ++i) {
        const unsigned symbol = static_cast<unsigned>(indices[i]);
        const std::uint32_t key = (prefix << 8) | symbol;
        if (auto it = table.find(key); it != table.end()) {
            prefix = it->second;
            continue;
        }
        bits.put(prefix, codeSize);
        if (nextCode < kMaxCodes) {
            addEntry(key);
        } else {
            bits.put(clearCode, codeSize);
            table.clear();
            codeSize = minCodeSize + 1;
            nextCode = endCode + 1;
        }
        prefix = symbol;
    }
    bits.put(prefix, codeSize);
    // The decoder also makes an entry after this last code and may widen before reading the end code.
    if (nextCode < kMaxCodes)
        addEntry(UINT32_MAX);
    bits.put(endCode, codeSize);
    return bits.finish();
}

} // namespace

IndexedImage indexExactly(const QImage& source, const Palette16& palette, int transparentIndex) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    IndexedImage out(image.width(), image.height(), 0);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (qAlpha(c) == 0) {
                out.at(x, y) = transparentIndex;
                continue;
            }
            int found = -1;
            for (int i = 0; i < 16 && found < 0; ++i)
                if (qAlpha(c) == 255 && (c & 0xFFFFFFu) == (palette[static_cast<std::size_t>(i)] & 0xFFFFFFu))
                    found = i;
            if (found < 0)
                throw std::runtime_error("colour not in palette at " + std::to_string(x) + "," +
                                         std::to_string(y) + ": #" + QString::number(c, 16).toStdString());
            out.at(x, y) = found;
        }
    }
    return out;
}

QByteArray encodeBmp24(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    const int rowBytes = paddedRowBytes(24, image.width());
    const auto pixelBytes = static_cast<std::uint32_t>(rowBytes * image.height());
    QByteArray out;
    out.append("BM", 2);
    putU32(out, 14 + 40 + pixelBytes);
    putU32(out, 0);
    putU32(out, 14 + 40);
    putInfoHeader(out, image.width(), image.height(), 24, pixelBytes, 0);
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            putU8(out, static_cast<unsigned>(qBlue(line[x])));
            putU8(out, static_cast<unsigned>(qGreen(line[x])));
            putU8(out, static_cast<unsigned>(qRed(line[x])));
        }
        for (int pad = image.width() * 3; pad < rowBytes; ++pad)
            putU8(out, 0);
    }
    return out;
}

QByteArray encodeIco4(const std::vector<IndexedImage>& images, const Palette16& palette) {
    std::vector<QByteArray> dibs;
    for (const IndexedImage& image : images) {
        checkIndices(image, 15, "icon");
        dibs.push_back(iconDib(image, 4, palette.data(), 16));
    }
    QByteArray out;
    putU16(out, 0);
    putU16(out, 1); // icon
    putU16(out, static_cast<unsigned>(images.size()));
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(images.size());
    for (std::size_t i = 0; i < images.size(); ++i) {
        putU8(out, static_cast<unsigned>(images[i].width & 0xFF)); // 256 is stored as 0
        putU8(out, static_cast<unsigned>(images[i].height & 0xFF));
        putU8(out, 16);
        putU8(out, 0);
        putU16(out, 1);
        putU16(out, 4);
        putU32(out, static_cast<std::uint32_t>(dibs[i].size()));
        putU32(out, offset);
        offset += static_cast<std::uint32_t>(dibs[i].size());
    }
    for (const QByteArray& dib : dibs)
        out.append(dib);
    return out;
}

QByteArray encodeCur1(const IndexedImage& image, int hotX, int hotY) {
    checkIndices(image, 1, "cursor");
    if (hotX < 0 || hotY < 0 || hotX >= image.width || hotY >= image.height)
        throw std::runtime_error("cursor hot spot outside the image");
    static constexpr QRgb kBlackWhite[2] = {0xFF000000u, 0xFFFFFFFFu};
    const QByteArray dib = iconDib(image, 1, kBlackWhite, 2);
    QByteArray out;
    putU16(out, 0);
    putU16(out, 2); // cursor
    putU16(out, 1);
    putU8(out, static_cast<unsigned>(image.width & 0xFF));
    putU8(out, static_cast<unsigned>(image.height & 0xFF));
    putU8(out, 2);
    putU8(out, 0);
    putU16(out, static_cast<unsigned>(hotX)); // where an icon keeps planes and bit count,
    putU16(out, static_cast<unsigned>(hotY)); // a cursor keeps its hot spot
    putU32(out, static_cast<std::uint32_t>(dib.size()));
    putU32(out, 6 + 16);
    out.append(dib);
    return out;
}

QByteArray encodeGif89a(const IndexedImage& image, const Palette16& palette, int transparentIndex) {
    checkIndices(image, 15, "gif");
    for (int v : image.pixels)
        if (v == kTransparent)
            throw std::runtime_error("gif: transparency must be a palette entry");
    QByteArray out;
    out.append("GIF89a", 6);
    putU16(out, static_cast<unsigned>(image.width));
    putU16(out, static_cast<unsigned>(image.height));
    putU8(out, 0x80u | 0x70u | 0x03u); // global table, 8-bit colour resolution, 2^(3+1) entries
    putU8(out, static_cast<unsigned>(transparentIndex));
    putU8(out, 0);
    for (QRgb c : palette) {
        putU8(out, static_cast<unsigned>(qRed(c)));
        putU8(out, static_cast<unsigned>(qGreen(c)));
        putU8(out, static_cast<unsigned>(qBlue(c)));
    }
    // Graphic Control Extension: no disposal, no delay, transparency on.
    putU8(out, 0x21);
    putU8(out, 0xF9);
    putU8(out, 4);
    putU8(out, 0x01);
    putU16(out, 0);
    putU8(out, static_cast<unsigned>(transparentIndex));
    putU8(out, 0);
    // Image descriptor covering the whole screen, no local table, not interlaced.
    putU8(out, 0x2C);
    putU16(out, 0);
    putU16(out, 0);
    putU16(out, static_cast<unsigned>(image.width));
    putU16(out, static_cast<unsigned>(image.height));
    putU8(out, 0);
    constexpr int kMinCodeSize = 4;
    putU8(out, kMinCodeSize);
    const QByteArray data = lzwEncode(image.pixels, kMinCodeSize);
    for (qsizetype pos = 0; pos < data.size(); pos += 255) {
        const qsizetype n = std::min<qsizetype>(255, data.size() - pos);
        putU8(out, static_cast<unsigned>(n));
        out.append(data.constData() + pos, n);
    }
    putU8(out, 0);
    putU8(out, 0x3B);
    return out;
}

QByteArray encodeWavMono16(const std::vector<std::int16_t>& samples, int sampleRate) {
    const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
    QByteArray out;
    putTag(out, "RIFF");
    putU32(out, 4 + (8 + 16) + (8 + dataBytes));
    putTag(out, "WAVE");
    putTag(out, "fmt ");
    putU32(out, 16);
    putU16(out, 1); // PCM
    putU16(out, 1);
    putU32(out, static_cast<std::uint32_t>(sampleRate));
    putU32(out, static_cast<std::uint32_t>(sampleRate * 2));
    putU16(out, 2);
    putU16(out, 16);
    putTag(out, "data");
    putU32(out, dataBytes);
    for (std::int16_t s : samples)
        putU16(out, static_cast<std::uint16_t>(s));
    return out;
}

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace gen
