#pragma once

#include <QByteArray>
#include <QImage>
#include <QPixmap>
#include <QString>

namespace common {

// Bounds no picture of the programs comes near (the largest is a few hundred
// kilobytes and under two million pixels). A picture beyond them cannot be
// read, so that a damaged or hostile file costs neither minutes nor
// gigabytes.
constexpr qint64 MaxPictureFileBytes = 64 * 1024 * 1024;
constexpr qint64 MaxPicturePixels = 16 * 1024 * 1024;
// libjpeg's working memory (a progressive picture holds all its coefficients).
constexpr long MaxJpegMemory = 64L * 1024 * 1024;

// Decodes a JPEG with libjpeg (floating-point inverse DCT, block smoothing on).
// Data that end before the picture does are refused, as is a picture over the
// bounds above. On failure returns a null image and, when `error` is given,
// the reason, in Russian.
QImage decodeJpeg(const QByteArray& data, QString* error = nullptr);

// Reads a picture file: JPEG (by its signature) through libjpeg, anything else
// (BMP) through Qt. Only a plain file is read (never a pipe or a device), a
// BMP whose pixel data are shorter than its header says is refused, and no
// failure escapes as an exception. On failure returns a null image and the
// reason, in Russian.
QImage readPictureFile(const QString& path, QString* error = nullptr);

// Loads a picture by bare file name from the current folder. A missing or
// unreadable file shows a stop box naming the file, the folder looked in and
// the reason, then ends the program.
QPixmap loadPicture(const QString& fileName);

} // namespace common
