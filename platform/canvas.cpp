#include "canvas.h"

#include <QPaintEvent>
#include <QPainter>
#include <cmath>

namespace platform {

namespace {
constexpr std::size_t maxStretches = 16;

// Whole logical pixels first, then the ratio: the controls stand at whole logical pixels, so a picture
// meets them on a dense screen exactly as at a ratio of 1. Bar_End 1507 twips is 100.47 pixels: the bar
// ends at 100, and at a ratio of 2 its runner starts at 200 with it, not at 201.
int devicePixel(double twips, double ratio) {
    return static_cast<int>(std::lround(static_cast<double>(std::lround(twips / twipsPerPixel)) * ratio));
}
} // namespace

Canvas::Canvas(QWidget* container, double left, double top, double width, double height)
    : QWidget(container), TwipsGeometry(this, left, top, width, height) {
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    ensureSurface();
}

void Canvas::geometryChanged() {
    ensureSurface();
}

void Canvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ensureSurface();
}

// A window moved to a screen of another ratio keeps its size in logical pixels but not in device pixels.
bool Canvas::event(QEvent* event) {
    if (event->type() == QEvent::ScreenChangeInternal) {
        ensureSurface();
        update();
    }
    return QWidget::event(event);
}

// A larger box keeps what was drawn at its top-left; the rest starts white, the box's back colour. On a
// screen of another ratio the drawing keeps its place and size, resampled until it is next drawn.
void Canvas::ensureSurface() {
    const double ratio = devicePixelRatioF();
    const QSize wanted(std::max(1, static_cast<int>(std::ceil(width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(height() * ratio))));
    if (surface_.size() == wanted && surface_.devicePixelRatio() == ratio)
        return;
    QImage next(wanted, QImage::Format_RGB32);
    next.fill(Qt::white);
    if (!surface_.isNull() && surface_.devicePixelRatio() == ratio) {
        QPainter p(&next);
        p.drawImage(QPoint(0, 0), surface_, surface_.rect());
    } else if (!surface_.isNull()) {
        next.setDevicePixelRatio(ratio);
        QPainter p(&next);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.drawImage(QPoint(0, 0), surface_);
    }
    next.setDevicePixelRatio(ratio);
    surface_ = std::move(next);
}

const QImage& Canvas::scaled(const QImage& source, const QRect& sourcePixels, const QSize& size) {
    for (const Stretch& s : stretches_)
        if (s.key == source.cacheKey() && s.source == sourcePixels && s.size == size)
            return s.image;
    if (stretches_.size() >= maxStretches)
        stretches_.erase(stretches_.begin());
    QImage part = sourcePixels == source.rect() ? source : source.copy(sourcePixels);
    QImage image =
        part.size() == size ? part : part.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Kept as plain device pixels: a dense picture's ratio would make the painter halve it again.
    image = image.convertToFormat(QImage::Format_RGB32);
    image.setDevicePixelRatio(1.0);
    stretches_.push_back({source.cacheKey(), sourcePixels, size, std::move(image)});
    return stretches_.back().image;
}

void Canvas::PaintPicture(const ImageHolder& picture, double destX, double destY, double destWidth,
                          double destHeight, double srcX, double srcY, double srcWidth, double srcHeight) {
    ensureSurface();
    const double ratio = surface_.devicePixelRatio();
    const int left = devicePixel(destX, ratio), top = devicePixel(destY, ratio);
    const int right = devicePixel(destX + destWidth, ratio), bottom = devicePixel(destY + destHeight, ratio);
    const QRect target(QPoint(std::min(left, right), std::min(top, bottom)),
                       QSize(std::abs(right - left), std::abs(bottom - top)));
    // The source rectangle counts pixels of the designed picture; a denser one has more of them to each.
    const QImage& pixels = picture.Picture(ratio);
    if (pixels.isNull())
        return;
    const double density = pixels.devicePixelRatio();
    const QRectF sourceRect(srcX / twipsPerPixel * density, srcY / twipsPerPixel * density,
                            srcWidth / twipsPerPixel * density, srcHeight / twipsPerPixel * density);
    if (target.isEmpty() || sourceRect.isEmpty())
        return;

    QImage& surface = surface_;
    surface.setDevicePixelRatio(1.0); // paint in device pixels
    {
        QPainter p(&surface);
        const QRect sourcePixels = sourceRect.toRect();
        if (QRectF(sourcePixels) == sourceRect && pixels.rect().contains(sourcePixels)) {
            p.drawImage(target.topLeft(), scaled(pixels, sourcePixels, target.size()));
        } else {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.drawImage(QRectF(target), pixels, sourceRect);
        }
    }
    surface.setDevicePixelRatio(ratio);
    // Shown at the next repaint, which the toolkit does as soon as the event loop runs: the frames of a
    // race reach the screen without anyone asking for a refresh.
    update(QRectF(target.x() / ratio, target.y() / ratio, target.width() / ratio, target.height() / ratio)
               .toAlignedRect());
}

// Every paint has already asked for its repaint; a refresh makes sure the whole box is shown, in one
// coalesced repaint when the event loop next runs rather than a second full copy inside the caller.
void Canvas::Refresh() {
    update();
}

void Canvas::paintEvent(QPaintEvent* event) {
    QPainter p(this);
    const double ratio = surface_.devicePixelRatio();
    const QRect dirty = event->rect();
    const QRectF source(dirty.x() * ratio, dirty.y() * ratio, dirty.width() * ratio, dirty.height() * ratio);
    p.drawImage(QRectF(dirty), surface_, source);
}

} // namespace platform
