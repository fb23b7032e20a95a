#pragma once
// Pictures as JPEG files, made by libjpeg with its default settings.

#include <QByteArray>
#include <QString>

class QImage;

namespace app {

// Encodes the image (any format; drawn as 8-bit RGB) into jpeg. Returns an error text, empty on
// success; a failure leaves jpeg empty and never ends the program.
QString EncodeJpeg(const QImage& image, QByteArray& jpeg);

// Writes the image as a JPEG file, atomically: on failure the previous file stays intact.
// Returns an error text, empty on success.
QString SaveJpeg(const QImage& image, const QString& path);

} // namespace app
