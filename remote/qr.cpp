#include "qr.h"

#include <qrencode.h>

#include <memory>

namespace remote {

QImage qrImage(const QByteArray& text) {
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        QRcode_encodeString(text.constData(), 0, QR_ECLEVEL_M, QR_MODE_8, 1), QRcode_free);
    if (!code)
        return {};
    constexpr int quiet = 4;
    const int width = code->width;
    QImage image(width + 2 * quiet, width + 2 * quiet, QImage::Format_Mono);
    image.setColorTable({qRgb(255, 255, 255), qRgb(0, 0, 0)});
    image.fill(0);
    for (int y = 0; y < width; ++y)
        for (int x = 0; x < width; ++x)
            if (code->data[y * width + x] & 1)
                image.setPixel(x + quiet, y + quiet, 1);
    return image;
}

} // namespace remote
