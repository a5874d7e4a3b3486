#pragma once

class QWidget;

namespace platform {

// 1440 twips to the inch, 96 logical pixels to the inch: 15 twips to a logical pixel. Qt's high-DPI
// scaling turns logical pixels into device pixels.
inline constexpr double twipsPerPixel = 15.0;

// The geometry of a control as the logic sees it: Left, Top, Width and Height in single-precision twips,
// read back exactly as they were set (5307.5 stays 5307.5), relative to the container's client area.
// The widget follows at twips / 15 logical pixels; its left and right edges are rounded separately so
// that touching controls stay touching.
class TwipsGeometry {
public:
    TwipsGeometry(QWidget* self, double left, double top, double width, double height);
    virtual ~TwipsGeometry() = default;
    TwipsGeometry(const TwipsGeometry&) = delete;
    TwipsGeometry& operator=(const TwipsGeometry&) = delete;

    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }

    // A value that does not fit a single-precision number fails. A size below zero is taken as zero:
    // a bar shrunk past its left edge is an empty bar, and its runner stands at its left end.
    void setLeft(double value);
    void setTop(double value);
    void setWidth(double value);
    void setHeight(double value);
    void Move(double left, double top, double width, double height);

    // The control's own Visible flag (not whether its container is on screen); QWidget::setVisible sets it.
    bool Visible() const;

protected:
    // Called after the geometry changed; a canvas uses it to resize its drawing surface.
    virtual void geometryChanged() {}

private:
    void place();
    QWidget* self_;
    float left_, top_, width_, height_;
};

// Logical pixel of a coordinate in twips, the rounding every control and the canvas share.
int twipsToPixel(double twips);

} // namespace platform
