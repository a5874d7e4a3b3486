#pragma once

#include <QByteArray>
#include <QImage>

namespace remote {

// The text as a QR code: black modules on white with the four-module quiet zone, one pixel per module
// (scale it without smoothing). A null image when the text does not fit in a QR code.
QImage qrImage(const QByteArray& text);

} // namespace remote
