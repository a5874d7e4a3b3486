#pragma once

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>

class QWidget;

// Pictures for screens of any density. Every picture the program carries comes as designed and, beside
// it under Qt's name@2x.ext, drawn afresh at twice its size. Sizes and places stay those of the designed
// picture; only the pixels come from the denser one where the screen has them to show.
namespace platform {

class DensePicture {
public:
    DensePicture() = default;
    DensePicture(QImage designed, QImage dense);

    // Loads resourcePath and, when the program carries it, its name@2x partner. A missing designed
    // picture is a programming error that the tests catch.
    static DensePicture load(const QString& resourcePath);

    const QImage& designed() const { return designed_; }
    // The picture to draw with at a device pixel ratio: the designed one up to 1, the dense one above it
    // (1.5 and 3 too: 2x pixels brought down or up a little are sharper than 1x pixels blown up 1.5 or 3
    // times). Its devicePixelRatio() says how many of its pixels make one designed pixel.
    const QImage& forRatio(double ratio) const;

private:
    QImage designed_;
    QImage dense_; // devicePixelRatio 2; null when there is no dense partner
};

// The name Qt's convention gives the dense partner: ":/assets/runner.bmp" -> ":/assets/runner@2x.bmp".
QString denseName(const QString& resourcePath);

// The application icon with the sizes of both icon files; the toolkit picks by size and ratio.
QIcon loadIcon(const QString& resourcePath);

// A cursor from a .cur file for a device pixel ratio; the hot spot is the file's, in designed pixels.
QCursor loadCursor(const QString& resourcePath, double ratio);

// Gives the widget the cursor of a .cur file, and a denser one whenever it is shown on, or moved to, a
// screen of a higher ratio.
void setDenseCursor(QWidget* widget, const QString& resourcePath);

} // namespace platform
