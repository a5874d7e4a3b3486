#pragma once

#include "control_kit.h"
#include "twips.h"

#include <QColor>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

// The text family: the text box, the label and the list box. Each keeps its geometry in twips and offers
// the properties the screens' procedures use under their own names; events are Qt signals named after them.
namespace platform {

// A one-line text box. KeyDown reports the virtual-key code (13 for Enter, from either Enter key).
class TextBox : public QLineEdit, public TwipsGeometry {
    Q_OBJECT
public:
    TextBox(QWidget* container, double left, double top, double width, double height);

    QString Text() const { return text(); }
    void setText(const QString& text) { QLineEdit::setText(text); }
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& color);
    void setForeColor(const QColor& color);
    void setRightAligned(bool right);
    // Flat with a one-pixel border, instead of the sunken 3-D edge.
    void setFlatBorder(bool flat);
    void setTabStop(bool stop);
    // Shows only what the program writes (a score bar, a read-out): no typing, no paste by keys, menu or
    // the middle button, no drop, no selection. A click still gives it the focus, which raises GotFocus.
    void setDisplayOnly();

signals:
    void KeyDown(int keyCode, int shift);
    void GotFocus();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QColor back_;
    bool flatBorder_ = false;
    bool displayOnly_ = false;
};

// A label; transparent (the surface behind shows through) or opaque in its back colour.
class Label : public QLabel, public TwipsGeometry {
    Q_OBJECT
public:
    Label(QWidget* container, double left, double top, double width, double height, const QString& caption);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setForeColor(const QColor& color);
    void setBackColor(const QColor& color); // makes the label opaque
    void setTransparent();

signals:
    void Click();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

// A single-selection list of texts in the order they were added. Click comes whenever the selected
// entry changes, by mouse or keyboard.
class ListBox : public QListWidget, public TwipsGeometry {
    Q_OBJECT
public:
    ListBox(QWidget* container, double left, double top, double width, double height);

    void Clear();
    void AddItem(const QString& text);
    int ListIndex() const;
    QString List(int index) const; // fails outside 0 to ListCount - 1
    int ListCount() const { return count(); }

signals:
    void Click();
};

} // namespace platform
