#include "containers.h"

#include "control_kit.h"

#include <QPainter>
#include <algorithm>

namespace platform {

// ---- Frame ------------------------------------------------------------------------------------------

Frame::Frame(QWidget* container, double left, double top, double width, double height, const QString& caption,
             Border border)
    : QGroupBox(caption, container), TwipsGeometry(this, left, top, width, height), border_(border),
      back_(palette().color(QPalette::Window)), captionColor_(palette().color(QPalette::WindowText)) {
    setFlat(border != Border::Etched);
}

void Frame::setBackColor(const QColor& color) {
    back_ = color;
    update();
}

void Frame::setCaptionColor(const QColor& color) {
    captionColor_ = color;
    setColorRole(this, QPalette::WindowText, color);
}

void Frame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), back_);
    if (border_ == Border::Single) {
        p.setPen(QColor(0, 0, 0));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
    if (border_ != Border::Etched && title().isEmpty())
        return;
    // An etched frame: a light and a dark line, broken at the top-left by the caption.
    const QFontMetrics metrics(font());
    const int captionHeight = title().isEmpty() ? 0 : metrics.height();
    const int y = captionHeight / 2;
    const QRect box = rect().adjusted(0, y, -2, -2);
    if (border_ == Border::Etched) {
        p.setPen(QColor(255, 255, 255, 200));
        p.drawRect(box.translated(1, 1));
        p.setPen(QColor(0, 0, 96));
        p.drawRect(box);
    }
    if (!title().isEmpty()) {
        const int x = 6;
        const QRect caption(x, 0, metrics.horizontalAdvance(title()) + 4, captionHeight);
        p.fillRect(caption, back_);
        p.setFont(font());
        p.setPen(captionColor_);
        p.drawText(caption, Qt::AlignCenter, title());
    }
}

// ---- Shape ------------------------------------------------------------------------------------------

Shape::Shape(QWidget* container, double left, double top, double width, double height, const QColor& fill,
             const QColor& border, int borderPixels)
    : QWidget(container), TwipsGeometry(this, left, top, width, height), fill_(fill), border_(border),
      borderPixels_(borderPixels) {}

void Shape::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double inset = borderPixels_ / 2.0;
    const QRectF box = QRectF(rect()).adjusted(inset, inset, -inset, -inset);
    const double radius = std::min(box.width(), box.height()) / 6.0;
    p.setPen(QPen(border_, borderPixels_));
    p.setBrush(fill_);
    p.drawRoundedRect(box, radius, radius);
}

} // namespace platform
