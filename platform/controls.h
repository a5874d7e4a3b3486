#pragma once

#include "pictures.h"
#include "twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QCursor>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <initializer_list>
#include <utility>
#include <vector>

// The controls of the two screens. Each keeps its geometry in twips (TwipsGeometry) and offers the
// properties the screens' procedures use under their own names (Caption, Text, BackColor, Value, ...).
// Events are Qt signals named after them (MouseDown, KeyDown, GotFocus, Click).
namespace platform {

inline QColor rgb(int r, int g, int b) {
    return QColor(r, g, b);
}

// Mouse buttons and shift state as the screens' procedures receive them.
inline constexpr int LeftButton = 1, RightButton = 2, MiddleButton = 4;
inline constexpr int KeyReturn = 13;

// A graphical command button: paints its own background colour, picture (centred) and caption instead
// of the system button face. Raised and sunk with a bevel; a flat one has a one-pixel border. Space and
// Enter click it when it has the focus.
class CommandButton : public QAbstractButton, public TwipsGeometry {
    Q_OBJECT
public:
    CommandButton(QWidget* container, double left, double top, double width, double height);

    QString Caption() const { return text(); }
    void setCaption(const QString& caption);
    QColor BackColor() const { return back_; }
    void setBackColor(const QColor& color);
    const QPixmap& Picture() const { return picture_; }
    void setPicture(const QPixmap& picture);
    // The designed face, and its dense partner for screens of a higher ratio.
    void setPicture(const DensePicture& picture);
    void setFlat(bool flat);
    // Whether Tab stops here (a control that is no tab stop can still take the focus by a click).
    void setTabStop(bool stop);

signals:
    // Button 1 left, 2 right, 4 middle; shift state 1 Shift, 2 Ctrl, 4 Alt; x and y in twips.
    void MouseDown(int button, int shift, float x, float y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor back_;
    QPixmap picture_;
    QPixmap densePicture_;
    bool flat_ = false;
};

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

// A container: a frame, with or without caption and border, or a picture box used only as a container.
class Frame : public QGroupBox, public TwipsGeometry {
    Q_OBJECT
public:
    enum class Border { None, Single, Etched };
    Frame(QWidget* container, double left, double top, double width, double height,
          const QString& caption = {}, Border border = Border::None);
    void setBackColor(const QColor& color);
    void setCaptionColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Border border_;
    QColor back_;
    QColor captionColor_;
};

// A check box whose Value is 0 (empty), 1 (ticked) or 2 (greyed: a grey tick on a grey square, not the
// style's part-filled square). Setting Value from code raises Click just as a click does, and so does
// every change of the value; a click turns a greyed box into a ticked one, never into a greyed one.
class CheckBox : public QCheckBox, public TwipsGeometry {
    Q_OBJECT
public:
    CheckBox(QWidget* container, double left, double top, double width, double height,
             const QString& caption);

    static constexpr QRgb greyedTick = 0xff808080, greyedSquare = 0xffc0c0c0;
    int Value() const;
    void setValue(int value);
    QString Caption() const { return text(); }
    void setCaption(const QString& caption) { setText(caption); }
    void setColors(const QColor& back, const QColor& fore);

signals:
    void Click();

protected:
    void nextCheckState() override;
    void paintEvent(QPaintEvent* event) override;
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

// A rectangle with rounded corners, filled and bordered.
class Shape : public QWidget, public TwipsGeometry {
public:
    Shape(QWidget* container, double left, double top, double width, double height, const QColor& fill,
          const QColor& border, int borderPixels);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor fill_, border_;
    int borderPixels_;
};

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

namespace platform {

// Puts siblings into the stacking order given topmost first (a control listed earlier covers one listed
// later where they overlap).
void stackTopmostFirst(std::initializer_list<QWidget*> topmostFirst);

// Makes Tab visit the focusable controls of a window in the order of their tab indices; controls that
// cannot take the focus by Tab (labels, frames, hidden or disabled ones) are passed over. The first of
// them must come first among the window's focusable controls (be created first): it takes the focus
// when the window opens.
void applyTabOrder(std::vector<std::pair<int, QWidget*>> byTabIndex);

} // namespace platform
