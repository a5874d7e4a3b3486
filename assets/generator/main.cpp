// Draws every picture and the start sound of the scoreboard into one folder:
//     QT_QPA_PLATFORM=offscreen asset_generator OUTDIR
// The output is deterministic, so regenerating without changes to this program gives identical files.
#include "art.h"
#include "formats.h"

#include <QBuffer>
#include <QDir>
#include <QGuiApplication>
#include <QImageReader>

#include <cstdio>
#include <functional>
#include <stdexcept>
#include <string>

using namespace gen;

namespace {

void fail(const std::string& what) {
    throw std::runtime_error(what);
}

// Reading every file back through Qt's own decoders proves that the application will see exactly
// the pixels we drew.
QList<QImage> decodeAll(const QByteArray& bytes, const char* format) {
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    QList<QImage> images;
    do {
        QImage image = reader.read();
        if (image.isNull())
            fail(std::string("Qt cannot decode our ") + format + ": " + reader.errorString().toStdString());
        images << image.convertToFormat(QImage::Format_ARGB32);
    } while (reader.jumpToNextImage());
    return images;
}

void expectSame(const QImage& decoded, const std::function<QRgb(int, int)>& expected,
                const std::string& name) {
    for (int y = 0; y < decoded.height(); ++y)
        for (int x = 0; x < decoded.width(); ++x) {
            const QRgb got = decoded.pixel(x, y);
            const QRgb want = expected(x, y);
            const bool same = qAlpha(want) == 0 ? qAlpha(got) == 0 : got == want;
            if (!same)
                fail(name + ": pixel " + std::to_string(x) + "," + std::to_string(y) +
                     " differs after decoding");
        }
}

void checkBmp(const QByteArray& bytes, const QImage& source, const std::string& name) {
    if (bytes.size() < 54 || bytes[28] != 24)
        fail(name + ": not a 24-bit bitmap");
    const QImage decoded = decodeAll(bytes, "bmp").front();
    if (decoded.size() != source.size())
        fail(name + ": size changed");
    const QImage rgb = source.convertToFormat(QImage::Format_RGB32);
    expectSame(
        decoded, [&](int x, int y) { return rgb.pixel(x, y) | 0xFF000000u; }, name);
}

void checkIndexed(const QImage& decoded, const IndexedImage& image, const Palette16& palette, int transparent,
                  const std::string& name) {
    if (decoded.width() != image.width || decoded.height() != image.height)
        fail(name + ": size changed");
    expectSame(
        decoded,
        [&](int x, int y) -> QRgb {
            const int v = image.at(x, y);
            return v == transparent ? 0u : palette[static_cast<std::size_t>(v)];
        },
        name);
}

void checkGreen(const QImage& image, const QRect& area, const std::string& name) {
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if ((image.pixel(x, y) | 0xFF000000u) != kFieldGreen)
                fail(name + ": pixel " + std::to_string(x) + "," + std::to_string(y) +
                     " is not the field green");
}

void run(const QString& outDir) {
    QDir dir(outDir);
    if (!dir.mkpath("."))
        fail("cannot create " + outDir.toStdString());
    auto save = [&](const QString& file, const QByteArray& bytes) {
        writeFile(dir.filePath(file), bytes);
        std::printf("wrote %s (%lld bytes)\n", qPrintable(file), static_cast<long long>(bytes.size()));
    };

    const std::vector<IndexedImage> icons = drawIconPixelArt();
    const QByteArray ico = encodeIco4(icons, standardPalette());
    const QList<QImage> decodedIcons = decodeAll(ico, "ico");
    if (decodedIcons.size() != static_cast<qsizetype>(icons.size()))
        fail("icon.ico: image count changed");
    for (std::size_t i = 0; i < icons.size(); ++i)
        checkIndexed(decodedIcons[static_cast<qsizetype>(i)], icons[i], standardPalette(), kTransparent,
                     "icon.ico");
    save("icon.ico", ico);

    for (int size : {16, 32, 48, 64, 128, 256}) {
        const QImage png = drawIconFullColour(size);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!png.save(&buffer, "PNG", 9))
            fail("cannot encode icon png");
        save(QString("icon-%1.png").arg(size), bytes);
    }

    const std::pair<const char*, QString> buttons[] = {
        {"btn_start.bmp", QStringLiteral("출발")},
        {"btn_load.bmp", QStringLiteral("불러오기")},
        {"btn_save.bmp", QStringLiteral("저장하기")},
        {"btn_winner.bmp", QStringLiteral("승리팀")},
    };
    for (const auto& [file, label] : buttons) {
        const QImage button = drawButton(label);
        const QByteArray bytes = encodeBmp24(button);
        checkBmp(bytes, button, file);
        save(file, bytes);
    }

    const IndexedImage exit = drawExitPixelArt();
    const QByteArray gif = encodeGif89a(exit, exitPalette(), 8);
    checkIndexed(decodeAll(gif, "gif").front(), exit, exitPalette(), 8, "exit.gif");
    save("exit.gif", gif);

    const IndexedImage hand = drawHandCursor();
    const QByteArray cur = encodeCur1(hand, 6, 0);
    if (hand.at(6, 0) != 0)
        fail("hand.cur: the hot spot must sit on the fingertip outline");
    static const Palette16 blackWhite = {0xFF000000u, 0xFFFFFFFFu};
    checkIndexed(decodeAll(cur, "cur").front(), hand, blackWhite, kTransparent, "hand.cur");
    save("hand.cur", cur);

    const QImage runner = drawRunnerStrip();
    if (runner.size() != QSize(131, 360))
        fail("runner.bmp: wrong size");
    for (int frame = 0; frame < 6; ++frame) {
        const int top = frame * 60;
        checkGreen(runner, QRect(0, top, 131, 2), "runner.bmp");
        checkGreen(runner, QRect(0, top + 58, 131, 2), "runner.bmp");
        checkGreen(runner, QRect(0, top, 2, 60), "runner.bmp");
        checkGreen(runner, QRect(129, top, 2, 60), "runner.bmp");
    }
    const QByteArray runnerBytes = encodeBmp24(runner);
    checkBmp(runnerBytes, runner, "runner.bmp");
    save("runner.bmp", runnerBytes);

    const QImage background = drawBackground();
    if (background.size() != QSize(1024, 768))
        fail("background.bmp: wrong size");
    checkGreen(background, QRect(0, 205, 1024, 768 - 205), "background.bmp");
    const QByteArray backgroundBytes = encodeBmp24(background);
    checkBmp(backgroundBytes, background, "background.bmp");
    save("background.bmp", backgroundBytes);

    const QImage logo = drawLogo();
    const QByteArray logoBytes = encodeBmp24(logo);
    checkBmp(logoBytes, logo, "logo.bmp");
    save("logo.bmp", logoBytes);

    save("start.wav", encodeWavMono16(synthesiseStartSound(), kSampleRate));
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: QT_QPA_PLATFORM=offscreen %s OUTDIR\n", argv[0]);
        return 2;
    }
    try {
        run(QString::fromLocal8Bit(argv[1]));
    } catch (const std::exception& e) {
        std::fprintf(stderr, "asset_generator: %s\n", e.what());
        return 1;
    }
    return 0;
}
