#pragma once

#include "twips.h"

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QString>
#include <QWidget>
#include <utility>

// The picture family: the image box on a screen, the hidden image holder, and loading pictures, icons and
// cursors compiled into the program.
//
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

// An image control shown on a screen (the publisher's logo).
class ImageBox : public QWidget, public TwipsGeometry {
public:
    ImageBox(QWidget* container, double left, double top, double width, double height, DensePicture picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DensePicture picture_;
};

// A hidden image holder: carries a picture to draw from. Its size is the picture's, 15 twips a pixel.
class ImageHolder {
public:
    explicit ImageHolder(DensePicture picture) : picture_(std::move(picture)) {}
    // The designed picture, whose pixels the twips count.
    const QImage& Picture() const { return picture_.designed(); }
    // The pixels to draw with on a surface of this device pixel ratio.
    const QImage& Picture(double ratio) const { return picture_.forRatio(ratio); }
    float Width() const { return static_cast<float>(Picture().width() * twipsPerPixel); }
    float Height() const { return static_cast<float>(Picture().height() * twipsPerPixel); }

private:
    DensePicture picture_;
};

} // namespace platform
