#pragma once

#include "twips.h"

#include <QColor>
#include <QGroupBox>
#include <QString>
#include <QWidget>

// The container family: frames (with or without caption and border) and the rounded shape.
namespace platform {

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

} // namespace platform
