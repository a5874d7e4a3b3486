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

// "runner.bmp" at scale 2 is "runner@2x.bmp", the name Qt looks for beside a picture.
QString denseName(const QString& file, int scale) {
    if (scale == 1)
        return file;
    const qsizetype dot = file.lastIndexOf('.');
    return file.left(dot) + QStringLiteral("@%1x").arg(scale) + file.mid(dot);
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
    // QIcon takes icon@2x.ico beside icon.ico by itself and uses it where the ratio asks for it.
    const std::vector<IndexedImage> denseIcons = drawIconPixelArt2x();
    const QByteArray denseIco = encodeIco4(denseIcons, standardPalette());
    const QList<QImage> decodedDenseIcons = decodeAll(denseIco, "ico");
    for (std::size_t i = 0; i < denseIcons.size(); ++i)
        checkIndexed(decodedDenseIcons.value(static_cast<qsizetype>(i)), denseIcons[i], standardPalette(),
                     kTransparent, "icon@2x.ico");
    save("icon@2x.ico", denseIco);

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
    for (const auto& [file, label] : buttons)
        for (int scale : {1, 2}) {
            const QString name = denseName(file, scale);
            const QImage button = drawButton(label, scale);
            const QByteArray bytes = encodeBmp24(button);
            checkBmp(bytes, button, name.toStdString());
            save(name, bytes);
        }

    const IndexedImage exit = drawExitPixelArt();
    const QByteArray gif = encodeGif89a(exit, exitPalette(), 8);
    checkIndexed(decodeAll(gif, "gif").front(), exit, exitPalette(), 8, "exit.gif");
    save("exit.gif", gif);
    const IndexedImage denseExit = drawExitPixelArt2x();
    const QByteArray denseGif = encodeGif89a(denseExit, exitPalette(), 8);
    checkIndexed(decodeAll(denseGif, "gif").front(), denseExit, exitPalette(), 8, "exit@2x.gif");
    save("exit@2x.gif", denseGif);

    static const Palette16 blackWhite = {0xFF000000u, 0xFFFFFFFFu};
    const IndexedImage hand = drawHandCursor();
    const QByteArray cur = encodeCur1(hand, 6, 0);
    if (hand.at(6, 0) != 0)
        fail("hand.cur: the hot spot must sit on the fingertip outline");
    checkIndexed(decodeAll(cur, "cur").front(), hand, blackWhite, kTransparent, "hand.cur");
    save("hand.cur", cur);
    // The dense cursor's hot spot is the same fingertip, at twice the coordinates.
    const IndexedImage denseHand = drawHandCursor2x();
    if (denseHand.at(12, 0) != 0)
        fail("hand@2x.cur: the hot spot must sit on the fingertip outline");
    const QByteArray denseCur = encodeCur1(denseHand, 12, 0);
    checkIndexed(decodeAll(denseCur, "cur").front(), denseHand, blackWhite, kTransparent, "hand@2x.cur");
    save("hand@2x.cur", denseCur);

    for (int s : {1, 2}) {
        const QString name = denseName("runner.bmp", s);
        const QImage runner = drawRunnerStrip(s);
        if (runner.size() != QSize(131 * s, 360 * s))
            fail(name.toStdString() + ": wrong size");
        for (int frame = 0; frame < 6; ++frame) {
            const int top = frame * 60 * s;
            checkGreen(runner, QRect(0, top, 131 * s, 2 * s), name.toStdString());
            checkGreen(runner, QRect(0, top + 58 * s, 131 * s, 2 * s), name.toStdString());
            checkGreen(runner, QRect(0, top, 2 * s, 60 * s), name.toStdString());
            checkGreen(runner, QRect(129 * s, top, 2 * s, 60 * s), name.toStdString());
        }
        const QByteArray runnerBytes = encodeBmp24(runner);
        checkBmp(runnerBytes, runner, name.toStdString());
        save(name, runnerBytes);
    }

    for (int s : {1, 2}) {
        const QString name = denseName("background.bmp", s);
        const QImage background = drawBackground(s);
        if (background.size() != QSize(1024 * s, 768 * s))
            fail(name.toStdString() + ": wrong size");
        checkGreen(background, QRect(0, 205 * s, 1024 * s, (768 - 205) * s), name.toStdString());
        const QByteArray backgroundBytes = encodeBmp24(background);
        checkBmp(backgroundBytes, background, name.toStdString());
        save(name, backgroundBytes);
    }

    for (int s : {1, 2}) {
        const QString name = denseName("logo.bmp", s);
        const QImage logo = drawLogo(s);
        const QByteArray logoBytes = encodeBmp24(logo);
        checkBmp(logoBytes, logo, name.toStdString());
        save(name, logoBytes);
    }

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
