#include "form_window.h"

#include "dialogs.h"
#include "fonts.h"
#include "pictures.h"
#include "twips.h"

#include <QCloseEvent>
#include <QWindow>

namespace platform {

FormWindow::FormWindow(Qt::WindowFlags flags) : QWidget(nullptr, flags) {
    setAttribute(Qt::WA_DeleteOnClose, false);
}

void FormWindow::setDesign(const QString& caption, const QColor& background) {
    setWindowTitle(caption);
    setWindowIcon(loadIcon(QStringLiteral(":/assets/icon.ico")));
    setFont(defaultFont());
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, background);
    setPalette(p);
}

float FormWindow::ScaleWidth() const {
    return static_cast<float>(width() * twipsPerPixel);
}
float FormWindow::ScaleHeight() const {
    return static_cast<float>(height() * twipsPerPixel);
}
float FormWindow::OuterWidth() const {
    const int frame = frameGeometry().width();
    return static_cast<float>(std::max(frame, width()) * twipsPerPixel + 2 * undrawnFrameTwips_);
}

void FormWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // Only the native title: the caption the screens read back stays as designed, empty.
    if (windowTitle().isEmpty() && windowHandle())
        windowHandle()->setTitle(programTitle());
}

void FormWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (onResize)
        onResize();
}

void FormWindow::closeEvent(QCloseEvent* event) {
    event->accept();
    if (onClose)
        onClose();
}

void closeWindowLater(FormWindow* window) {
    window->hide();
    window->deleteLater();
}

} // namespace platform
