#include "pictures.h"

#include "messagebox.h"
#include "programexit.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace common {

namespace {

struct JpegErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
};

void onJpegError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    (*info->err->format_message)(info, manager->message);
    std::longjmp(manager->jump, 1);
}

void onJpegMessage(j_common_ptr, int) {}

// Plain C data only between setjmp and longjmp: no destructor may be skipped.
bool decodeInto(const unsigned char* data, unsigned long size, QImage* image, char* message)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.base.emit_message = onJpegMessage;
    errors.message[0] = '\0';
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        std::snprintf(message, JMSG_LENGTH_MAX, "%s", errors.message);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, data, size);
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_FLOAT;
    info.do_block_smoothing = TRUE;
    jpeg_start_decompress(&info);
    if (info.output_components != 3 || info.output_width > 20000 || info.output_height > 20000) {
        std::snprintf(message, JMSG_LENGTH_MAX, "unsupported picture size or colour layout");
        jpeg_destroy_decompress(&info);
        return false;
    }
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        std::snprintf(message, JMSG_LENGTH_MAX, "out of memory");
        jpeg_destroy_decompress(&info);
        return false;
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return true;
}

bool looksLikeJpeg(const QByteArray& data)
{
    return data.size() >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
           static_cast<unsigned char>(data[1]) == 0xD8 && static_cast<unsigned char>(data[2]) == 0xFF;
}

} // namespace

QImage decodeJpeg(const QByteArray& data, QString* error)
{
    QImage image;
    char message[JMSG_LENGTH_MAX] = {};
    if (data.isEmpty()) {
        if (error)
            *error = QStringLiteral("empty data");
        return QImage();
    }
    if (!decodeInto(reinterpret_cast<const unsigned char*>(data.constData()),
                    static_cast<unsigned long>(data.size()), &image, message)) {
        if (error)
            *error = QString::fromLocal8Bit(message);
        return QImage();
    }
    return image;
}

QImage readPictureFile(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.exists()) {
        if (error)
            *error = QStringLiteral("файл не найден");
        return QImage();
    }
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = QStringLiteral("файл не открывается для чтения");
        return QImage();
    }
    const QByteArray data = file.readAll();
    QImage image = looksLikeJpeg(data) ? decodeJpeg(data) : QImage::fromData(data);
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("файл повреждён или не является рисунком");
        return QImage();
    }
    return image;
}

QPixmap loadPicture(const QString& fileName)
{
    QString reason;
    const QImage image = readPictureFile(fileName, &reason);
    if (!image.isNull())
        return QPixmap::fromImage(image);
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QString text = QStringLiteral("Не удалось загрузить рисунок «%1» из папки «%2»: %3.")
                             .arg(fileName, folder, reason);
    showMessageBox(text, QCoreApplication::applicationName(), BoxIcon::Stop);
    exitProgram(1);
}

} // namespace common
