#pragma once

#include "control_kit.h"
#include "pictures.h"
#include "twips.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColor>
#include <QPixmap>

// The button family: the command button and the check box. Each keeps its geometry in twips and offers
// the properties the screens' procedures use under their own names; events are Qt signals named after them.
namespace platform {

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

} // namespace platform
