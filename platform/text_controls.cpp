#include "text_controls.h"

#include "failure.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace platform {

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

} // namespace platform
