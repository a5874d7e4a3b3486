#include "pictures.h"

#include <QEvent>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QWidget>

namespace platform {

namespace {
constexpr double denseRatio = 2.0;

QImage withRatio(QImage image, double ratio) {
    image.setDevicePixelRatio(ratio);
    return image;
}

struct CursorFile {
    QImage image;
    QPoint hotSpot;
};

CursorFile readCursor(const QString& resourcePath) {
    QFile file(resourcePath);
    QByteArray bytes;
    if (file.open(QIODevice::ReadOnly))
        bytes = file.readAll();
    CursorFile cursor;
    // The first directory entry of a .cur file holds the hot spot at bytes 10 to 13 (x, y, little endian).
    if (bytes.size() >= 22) {
        const auto byte = [&](int i) { return static_cast<int>(static_cast<unsigned char>(bytes[i])); };
        cursor.hotSpot = QPoint(byte(10) | byte(11) << 8, byte(12) | byte(13) << 8);
    }
    cursor.image.loadFromData(bytes, "CUR");
    return cursor;
}

// Keeps a widget's cursor in step with the ratio of the screen it is shown on.
class CursorFollower final : public QObject {
public:
    CursorFollower(QWidget* widget, QString resourcePath)
        : QObject(widget), widget_(widget), path_(std::move(resourcePath)) {
        apply();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Show || event->type() == QEvent::ScreenChangeInternal)
            apply();
        return false;
    }

private:
    void apply() {
        const double ratio = widget_->devicePixelRatioF();
        if (ratio == applied_)
            return;
        applied_ = ratio;
        widget_->setCursor(loadCursor(path_, ratio));
    }

    QWidget* widget_;
    QString path_;
    double applied_ = 0;
};

} // namespace

DensePicture::DensePicture(QImage designed, QImage dense)
    : designed_(std::move(designed)), dense_(withRatio(std::move(dense), denseRatio)) {}

DensePicture DensePicture::load(const QString& resourcePath) {
    const QString dense = denseName(resourcePath);
    return DensePicture(QImage(resourcePath), QFile::exists(dense) ? QImage(dense) : QImage());
}

const QImage& DensePicture::forRatio(double ratio) const {
    return ratio > 1.0 && !dense_.isNull() ? dense_ : designed_;
}

QString denseName(const QString& resourcePath) {
    const qsizetype dot = resourcePath.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = resourcePath.lastIndexOf(QLatin1Char('/'));
    if (dot <= slash)
        return resourcePath + QStringLiteral("@2x");
    return resourcePath.left(dot) + QStringLiteral("@2x") + resourcePath.mid(dot);
}

// The dense file's images go in with a ratio of 2, so at a ratio of 1 the designed 32 x 32 is shown and
// at 2 the dense 64 x 64 in its place, never the dense 32 x 32 (which is the small icon drawn finer).
QIcon loadIcon(const QString& resourcePath) {
    QIcon icon;
    for (const auto& [path, ratio] :
         {std::pair{resourcePath, 1.0}, std::pair{denseName(resourcePath), denseRatio}}) {
        QImageReader reader(path);
        do {
            QImage image = reader.read();
            if (image.isNull())
                break;
            image.setDevicePixelRatio(ratio);
            icon.addPixmap(QPixmap::fromImage(image));
        } while (reader.jumpToNextImage());
    }
    return icon;
}

// The toolkit takes the hot spot of a dense cursor in device-independent pixels, the designed ones.
QCursor loadCursor(const QString& resourcePath, double ratio) {
    const bool dense = ratio > 1.0 && QFile::exists(denseName(resourcePath));
    const CursorFile file = readCursor(dense ? denseName(resourcePath) : resourcePath);
    if (file.image.isNull())
        return QCursor(Qt::PointingHandCursor);
    QPixmap pixmap = QPixmap::fromImage(file.image);
    const double scale = dense ? denseRatio : 1.0;
    pixmap.setDevicePixelRatio(scale);
    return QCursor(pixmap, static_cast<int>(file.hotSpot.x() / scale),
                   static_cast<int>(file.hotSpot.y() / scale));
}

void setDenseCursor(QWidget* widget, const QString& resourcePath) {
    widget->installEventFilter(new CursorFollower(widget, resourcePath));
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
