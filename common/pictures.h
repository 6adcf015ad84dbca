#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace common {

// Decodes a JPEG with libjpeg (floating-point inverse DCT, block smoothing on).
// On failure returns a null image and, when `error` is given, libjpeg's reason.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);

// Reads a picture file: JPEG (by its signature) through libjpeg, anything else
// (BMP) through Qt. On failure returns a null image and the reason, in Russian.
QImage readPictureFile(const QString& path, QString* error = nullptr);

// Loads a picture by bare file name from the current folder. A missing or
// unreadable file shows a stop box naming the file and the folder looked in,
// then ends the program.
QPixmap loadPicture(const QString& fileName);

} // namespace common
