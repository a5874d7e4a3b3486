#include "controls.h"

#include "failure.h"

#include <algorithm>
#include <iterator>

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QStylePainter>

namespace platform {

namespace {

int shiftState(Qt::KeyboardModifiers modifiers) {
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0) |
           (modifiers & Qt::AltModifier ? 4 : 0);
}

int buttonNumber(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return LeftButton;
    case Qt::RightButton:
        return RightButton;
    case Qt::MiddleButton:
        return MiddleButton;
    default:
        return 0;
    }
}

// The virtual-key codes the screens look at; other keys pass as 0 or their letter code.
int virtualKey(const QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return KeyReturn;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_Tab:
        return 9;
    case Qt::Key_Backspace:
        return 8;
    default:
        break;
    }
    const int key = event->key();
    return (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z) ? key : 0;
}

void setColorRole(QWidget* widget, QPalette::ColorRole role, const QColor& color) {
    QPalette p = widget->palette();
    p.setColor(QPalette::Active, role, color);
    p.setColor(QPalette::Inactive, role, color);
    p.setColor(QPalette::Disabled, role, color);
    widget->setPalette(p);
}

// The classic raised (or, pressed, sunken) two-pixel bevel of a 3-D control.
void drawBevel(QPainter& p, const QRect& r, bool sunken) {
    const QColor white(255, 255, 255), light(227, 227, 227), shadow(128, 128, 128), dark(64, 64, 64);
    const QColor outerTopLeft = sunken ? dark : white, outerBottomRight = sunken ? white : dark;
    const QColor innerTopLeft = sunken ? shadow : light, innerBottomRight = sunken ? light : shadow;
    auto frame = [&](const QRect& box, const QColor& topLeft, const QColor& bottomRight) {
        p.setPen(topLeft);
        p.drawLine(box.topLeft(), box.topRight());
        p.drawLine(box.topLeft(), box.bottomLeft());
        p.setPen(bottomRight);
        p.drawLine(box.bottomLeft(), box.bottomRight());
        p.drawLine(box.topRight(), box.bottomRight());
    };
    frame(r, outerTopLeft, outerBottomRight);
    frame(r.adjusted(1, 1, -1, -1), innerTopLeft, innerBottomRight);
}

} // namespace

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

// ---- TextBox ----------------------------------------------------------------------------------------

TextBox::TextBox(QWidget* container, double left, double top, double width, double height)
    : QLineEdit(container), TwipsGeometry(this, left, top, width, height),
      back_(palette().color(QPalette::Base)) {
    setFocusPolicy(Qt::StrongFocus);
}

void TextBox::setBackColor(const QColor& color) {
    back_ = color;
    setColorRole(this, QPalette::Base, color);
}

void TextBox::setForeColor(const QColor& color) {
    setColorRole(this, QPalette::Text, color);
}

void TextBox::setRightAligned(bool right) {
    setAlignment((right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
}

void TextBox::setFlatBorder(bool flat) {
    flatBorder_ = flat;
    setFrame(!flat);
    setTextMargins(flat ? 1 : 0, 0, flat ? 2 : 0, 0);
    update();
}

void TextBox::setTabStop(bool stop) {
    setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
}

void TextBox::setDisplayOnly() {
    displayOnly_ = true;
    setReadOnly(true);
    setAcceptDrops(false);
    setContextMenuPolicy(Qt::PreventContextMenu);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
}

// A read-only line edit still takes an input method's commit, so it is refused here.
void TextBox::inputMethodEvent(QInputMethodEvent* event) {
    if (displayOnly_)
        event->ignore();
    else
        QLineEdit::inputMethodEvent(event);
}

// A display-only box takes the focus from any button and does nothing else with the mouse: the middle
// button would paste the primary selection on X11, and a drag would select (and show) part of a score.
void TextBox::mousePressEvent(QMouseEvent* event) {
    if (!displayOnly_) {
        QLineEdit::mousePressEvent(event);
        return;
    }
    event->accept();
    if (focusPolicy() & Qt::ClickFocus)
        setFocus(Qt::MouseFocusReason);
}

void TextBox::mouseMoveEvent(QMouseEvent* event) {
    if (displayOnly_)
        event->accept();
    else
        QLineEdit::mouseMoveEvent(event);
}

void TextBox::mouseReleaseEvent(QMouseEvent* event) {
    if (displayOnly_)
        event->accept();
    else
        QLineEdit::mouseReleaseEvent(event);
}

void TextBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (displayOnly_)
        event->accept();
    else
        QLineEdit::mouseDoubleClickEvent(event);
}

// Drops are refused here as well as by acceptDrops(): a drop event can reach the box by other roads.
void TextBox::dragEnterEvent(QDragEnterEvent* event) {
    if (displayOnly_)
        event->ignore();
    else
        QLineEdit::dragEnterEvent(event);
}

void TextBox::dragMoveEvent(QDragMoveEvent* event) {
    if (displayOnly_)
        event->ignore();
    else
        QLineEdit::dragMoveEvent(event);
}

void TextBox::dropEvent(QDropEvent* event) {
    if (displayOnly_)
        event->ignore();
    else
        QLineEdit::dropEvent(event);
}

void TextBox::keyPressEvent(QKeyEvent* event) {
    // KeyDown comes first, as it does for any key; the key then edits the text in the usual way. A
    // display-only box passes its keys on to its container (select all would show a highlight).
    emit KeyDown(virtualKey(event), shiftState(event->modifiers()));
    if (displayOnly_)
        event->ignore();
    else
        QLineEdit::keyPressEvent(event);
}

void TextBox::focusInEvent(QFocusEvent* event) {
    QLineEdit::focusInEvent(event);
    emit GotFocus();
}

void TextBox::paintEvent(QPaintEvent* event) {
    QLineEdit::paintEvent(event);
    if (flatBorder_) {
        QPainter p(this);
        p.setPen(QColor(0, 0, 0));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

// ---- Label ------------------------------------------------------------------------------------------

Label::Label(QWidget* container, double left, double top, double width, double height, const QString& caption)
    : QLabel(caption, container), TwipsGeometry(this, left, top, width, height) {
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void Label::setForeColor(const QColor& color) {
    setColorRole(this, QPalette::WindowText, color);
}

void Label::setBackColor(const QColor& color) {
    setColorRole(this, QPalette::Window, color);
    setAutoFillBackground(true);
}

void Label::setTransparent() {
    setAutoFillBackground(false);
}

void Label::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit Click();
}

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

// ---- ListBox ----------------------------------------------------------------------------------------

ListBox::ListBox(QWidget* container, double left, double top, double width, double height)
    : QListWidget(container), TwipsGeometry(this, left, top, width, height) {
    setSelectionMode(QAbstractItemView::SingleSelection);
    setUniformItemSizes(true);
    // The selection, not the current item: a list that merely takes the focus chooses nothing.
    connect(this, &QListWidget::itemSelectionChanged, this, [this] {
        if (ListIndex() >= 0)
            emit Click();
    });
}

void ListBox::Clear() {
    const QSignalBlocker quiet(this);
    clear();
}

void ListBox::AddItem(const QString& text) {
    addItem(text);
}

int ListBox::ListIndex() const {
    const auto selected = selectedItems();
    return selected.isEmpty() ? -1 : row(selected.first());
}

QString ListBox::List(int index) const {
    if (index < 0 || index >= count())
        fail("invalid list index");
    return item(index)->text();
}

// ---- Shape, ImageBox --------------------------------------------------------------------------------

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

ImageBox::ImageBox(QWidget* container, double left, double top, double width, double height,
                   DensePicture picture)
    : QWidget(container), TwipsGeometry(this, left, top, width, height), picture_(std::move(picture)) {}

void ImageBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QImage& designed = picture_.designed();
    p.drawImage(QRectF(0, 0, designed.width(), designed.height()), picture_.forRatio(devicePixelRatioF()));
}

} // namespace platform

namespace platform {

void stackTopmostFirst(std::initializer_list<QWidget*> topmostFirst) {
    for (auto it = std::rbegin(topmostFirst); it != std::rend(topmostFirst); ++it)
        (*it)->raise();
}

// Qt ignores a setTabOrder pair with a control that never takes the focus (a label, a frame), which
// would leave a gap in the chain at every such control: each one that can is linked to the next one
// that can. Hidden and disabled controls stay in the chain; Tab passes over them while they are.
void applyTabOrder(std::vector<std::pair<int, QWidget*>> byTabIndex) {
    std::stable_sort(byTabIndex.begin(), byTabIndex.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    QWidget* previous = nullptr;
    for (const auto& [tabIndex, control] : byTabIndex) {
        if (control->focusPolicy() == Qt::NoFocus)
            continue;
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

} // namespace platform
