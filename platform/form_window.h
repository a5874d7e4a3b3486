#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class QScreen;

namespace platform {

// The window of a screen. It reports its resizes (Form_Resize) and a close by the window manager, which
// unloads the screen as the screen's own commands do.
class FormWindow : public QWidget {
    Q_OBJECT
public:
    explicit FormWindow(Qt::WindowFlags flags);

    // What every screen's window carries: its caption, the application icon, the screens' default font
    // and its background colour. A window without a caption (the board) still names the program to the
    // task bar and the window switcher, which would otherwise show the executable's name.
    void setDesign(const QString& caption, const QColor& background);

    // Client area in twips.
    float ScaleWidth() const;
    float ScaleHeight() const;
    // Outer width in twips, frame included.
    float OuterWidth() const;
    // A window that fills its screen without the sizable frame it is designed with (the board, which has
    // no title bar either) still counts that frame in its outer width, on both sides: a client area of
    // 15360 twips is 15480 wide outside.
    void setUndrawnSizableFrame() { undrawnFrameTwips_ = sizableFrameTwips; }
    static constexpr double sizableFrameTwips = 60;

    // The screen rule (screen_choice.cpp): a window opens on the screen holding the centre of the screen
    // window the operator has open, or on the primary screen when there is none.
    QScreen* operatorsScreen() const;
    void showMaximizedOnOperatorsScreen();
    void centreOnOperatorsScreen();

    std::function<void()> onResize;
    std::function<void()> onClose;

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    double undrawnFrameTwips_ = 0;
};

// Hides the window now and deletes it later: a screen is unloaded from its own buttons' handlers, and a
// widget must not be destroyed inside its own event.
void closeWindowLater(FormWindow* window);

// The window of a loaded screen; empty while the screen is not loaded.
using FormWindowHandle = std::unique_ptr<FormWindow, void (*)(FormWindow*)>;
inline FormWindowHandle openWindow(Qt::WindowFlags flags) {
    return {new FormWindow(flags), closeWindowLater};
}

} // namespace platform
