#include "buttons.h"

#include "failure.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace platform {

// ---- CommandButton ----------------------------------------------------------------------------------

CommandButton::CommandButton(QWidget* container, double left, double top, double width, double height)
    : QAbstractButton(container), TwipsGeometry(this, left, top, width, height),
      back_(palette().color(QPalette::Button)) {
    setFocusPolicy(Qt::StrongFocus);
}

void CommandButton::setCaption(const QString& caption) {
    setText(caption);
    update();
}

void CommandButton::setBackColor(const QColor& color) {
    back_ = color;
    update();
}

void CommandButton::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void CommandButton::setPicture(const DensePicture& picture) {
    densePicture_ = QPixmap::fromImage(picture.forRatio(2.0));
    setPicture(QPixmap::fromImage(picture.designed()));
}

void CommandButton::setFlat(bool flat) {
    flat_ = flat;
    update();
}

void CommandButton::setTabStop(bool stop) {
    setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void CommandButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QRect r = rect();
    p.fillRect(r, back_);
    const bool sunken = isDown();
    if (flat_) {
        p.setPen(sunken ? QColor(0, 0, 0) : QColor(96, 96, 96));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    } else if (r.width() > 3 && r.height() > 3) {
        drawBevel(p, r.adjusted(0, 0, -1, -1), sunken);
    }
    const QPoint shift = sunken ? QPoint(1, 1) : QPoint(0, 0);
    const QPixmap& face = devicePixelRatioF() > 1.0 && !densePicture_.isNull() ? densePicture_ : picture_;
    if (!face.isNull()) {
        const QSizeF size = face.deviceIndependentSize();
        const QPointF at((r.width() - size.width()) / 2.0, (r.height() - size.height()) / 2.0);
        p.drawPixmap(at + shift, face);
    }
    if (!text().isEmpty()) {
        p.setFont(font());
        p.setPen(isEnabled() ? palette().color(QPalette::Active, QPalette::ButtonText)
                             : QColor(128, 128, 128));
        p.drawText(r.adjusted(3, 2, -3, -2).translated(shift), Qt::AlignCenter | Qt::TextWordWrap, text());
    }
    if (hasFocus()) {
        QPen dots(QColor(0, 0, 0), 1, Qt::DotLine);
        p.setPen(dots);
        p.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

void CommandButton::mousePressEvent(QMouseEvent* event) {
    const int button = buttonNumber(event->button());
    const QPointF at = event->position() * twipsPerPixel;
    // Only the left button presses the button down (and may click it); every button reports MouseDown.
    if (event->button() == Qt::LeftButton)
        QAbstractButton::mousePressEvent(event);
    else
        event->accept();
    if (button != 0)
        emit MouseDown(button, shiftState(event->modifiers()), static_cast<float>(at.x()),
                       static_cast<float>(at.y()));
}

// Enter clicks at once, on the press, as a focused button does on the system the screens were made for;
// a held key does not click again and again (raising the maximum score by hundreds).
void CommandButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        click();
}

// ---- CheckBox ---------------------------------------------------------------------------------------

CheckBox::CheckBox(QWidget* container, double left, double top, double width, double height,
                   const QString& caption)
    : QCheckBox(caption, container), TwipsGeometry(this, left, top, width, height) {
    setTristate(true);
    connect(this, &QCheckBox::stateChanged, this, &CheckBox::Click);
}

int CheckBox::Value() const {
    switch (checkState()) {
    case Qt::Checked:
        return 1;
    case Qt::PartiallyChecked:
        return 2;
    case Qt::Unchecked:
        break;
    }
    return 0;
}

void CheckBox::setValue(int value) {
    if (value < 0 || value > 2)
        fail("invalid property value");
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
}

void CheckBox::setColors(const QColor& back, const QColor& fore) {
    setColorRole(this, QPalette::Window, back);
    setColorRole(this, QPalette::WindowText, fore);
    // A button fills with its Button colour unless told otherwise.
    setBackgroundRole(QPalette::Window);
    setAutoFillBackground(true);
}

void CheckBox::nextCheckState() {
    setCheckState(checkState() == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

// The greyed state is the ticked box drawn in greys: the tick in the grey of disabled text, the square
// in the button face's grey.
void CheckBox::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    if (checkState() == Qt::PartiallyChecked) {
        option.state &= ~QStyle::State_NoChange;
        option.state |= QStyle::State_On;
        option.palette.setColor(QPalette::Text, greyedTick);
        option.palette.setColor(QPalette::Base, greyedSquare);
    }
    p.drawControl(QStyle::CE_CheckBox, option);
}

} // namespace platform
