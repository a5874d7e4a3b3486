#pragma once

#include "pictures.h"
#include "twips.h"

#include <QImage>
#include <QWidget>
#include <vector>

namespace platform {

// A picture box with a persistent drawing surface: what is painted stays until painted over, and is
// shown on every repaint, so runner frames painted between refreshes still reach the screen. The
// surface is a QImage in device pixels (sharp on a 4K projector); a repaint copies just the dirty part.
class Canvas : public QWidget, public TwipsGeometry {
public:
    Canvas(QWidget* container, double left, double top, double width, double height);

    // The drawing area in twips (the box has no border, so it is the whole box).
    float ScaleWidth() const { return Width(); }
    float ScaleHeight() const { return Height(); }

    // Copies the source rectangle of the picture (twips, 15 to a picture pixel), stretched or squeezed,
    // over the destination rectangle (twips on this box), covering what was there.
    void PaintPicture(const ImageHolder& picture, double destX, double destY, double destWidth,
                      double destHeight, double srcX, double srcY, double srcWidth, double srcHeight);
    // Shows the drawing now.
    void Refresh();

    const QImage& surface() const { return surface_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void geometryChanged() override;

private:
    void ensureSurface();
    const QImage& scaled(const QImage& source, const QRect& sourcePixels, const QSize& size);

    QImage surface_;
    // Stretching a 1024 x 768 picture to a 4K canvas costs far more than copying it; the board repaints
    // the same few stretches (the background, six runner frames) again and again, so they are kept.
    struct Stretch {
        qint64 key;
        QRect source;
        QSize size;
        QImage image;
    };
    std::vector<Stretch> stretches_;
};

} // namespace platform
