#include "pictures.h"

#include "files.h"
#include "messagebox.h"
#include "programexit.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QImageReader>

#include <cerrno>
#include <csetjmp>
#include <new>
#include <vector>

#include <unistd.h>

#include <jpeglib.h>

#include <jerror.h>

namespace common {

namespace {

enum class Failure { None, Damaged, Cut, TooLarge, NoMemory };

QString reasonFor(Failure failure, QSize size)
{
    switch (failure) {
    case Failure::Cut:
        return QStringLiteral("файл обрывается раньше, чем кончается рисунок");
    case Failure::TooLarge:
        if (size.isValid()) {
            return QStringLiteral("рисунок слишком велик (%1 × %2 точек)")
                .arg(size.width())
                .arg(size.height());
        }
        return QStringLiteral("рисунок слишком велик");
    case Failure::NoMemory:
        return QStringLiteral("не хватило памяти, чтобы прочитать рисунок");
    case Failure::None:
    case Failure::Damaged:
        break;
    }
    return QStringLiteral("файл повреждён или не является рисунком");
}

bool tooManyPixels(qint64 width, qint64 height)
{
    return width * height > MaxPicturePixels;
}

// Where libjpeg takes its bytes from: the whole data in memory, or a file
// read piece by piece up to the bound.
struct JpegSource
{
    jpeg_source_mgr base;
    int fd;
    qint64 left;
    JOCTET* buffer;
    size_t capacity;
};

struct JpegErrorManager
{
    jpeg_error_mgr base;
    std::jmp_buf jump;
    Failure failure;
    unsigned width;
    unsigned height;
};

void onJpegError(j_common_ptr info)
{
    auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
    switch (info->err->msg_code) {
    case JERR_OUT_OF_MEMORY:
    case JERR_NO_BACKING_STORE:
    case JERR_TFILE_CREATE:
    case JERR_IMAGE_TOO_BIG:
    case JERR_WIDTH_OVERFLOW:
        manager->failure = Failure::TooLarge;
        break;
    default:
        manager->failure = Failure::Damaged;
        break;
    }
    std::longjmp(manager->jump, 1);
}

// Data that end before the picture does are a failure, not a warning: libjpeg
// would fill the rest with grey and call the picture whole.
void onJpegMessage(j_common_ptr info, int level)
{
    const int code = info->err->msg_code;
    if (level < 0 && (code == JWRN_JPEG_EOF || code == JWRN_HIT_MARKER)) {
        auto* manager = reinterpret_cast<JpegErrorManager*>(info->err);
        manager->failure = Failure::Cut;
        std::longjmp(manager->jump, 1);
    }
}

void startSource(j_decompress_ptr) {}
void endSource(j_decompress_ptr) {}

boolean fillSource(j_decompress_ptr info)
{
    auto* source = reinterpret_cast<JpegSource*>(info->src);
    qint64 n = 0;
    if (source->fd >= 0 && source->left > 0) {
        n = readSome(source->fd, reinterpret_cast<char*>(source->buffer),
                     qMin(qint64(source->capacity), source->left));
        if (n < 0)
            ERREXIT(info, JERR_FILE_READ);
        source->left -= n;
    }
    if (n <= 0) {
        WARNMS(info, JWRN_JPEG_EOF);
        static const JOCTET end[] = {0xFF, JPEG_EOI};
        source->base.next_input_byte = end;
        source->base.bytes_in_buffer = sizeof end;
        return TRUE;
    }
    source->base.next_input_byte = source->buffer;
    source->base.bytes_in_buffer = static_cast<size_t>(n);
    return TRUE;
}

void skipSource(j_decompress_ptr info, long count)
{
    jpeg_source_mgr* source = info->src;
    while (count > static_cast<long>(source->bytes_in_buffer)) {
        count -= static_cast<long>(source->bytes_in_buffer);
        fillSource(info);
    }
    if (count > 0) {
        source->next_input_byte += count;
        source->bytes_in_buffer -= static_cast<size_t>(count);
    }
}

void initSource(JpegSource* source)
{
    source->base.init_source = startSource;
    source->base.fill_input_buffer = fillSource;
    source->base.skip_input_data = skipSource;
    source->base.resync_to_restart = jpeg_resync_to_restart;
    source->base.term_source = endSource;
}

// Plain C data only between setjmp and longjmp: no destructor may be skipped.
Failure decodeInto(JpegSource* source, QImage* image, QSize* size)
{
    jpeg_decompress_struct info;
    JpegErrorManager errors;
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onJpegError;
    errors.base.emit_message = onJpegMessage;
    errors.failure = Failure::None;
    errors.width = 0;
    errors.height = 0;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        *image = QImage();
        *size = QSize(static_cast<int>(errors.width), static_cast<int>(errors.height));
        return errors.failure;
    }
    jpeg_create_decompress(&info);
    // Beyond this libjpeg refuses rather than working memory it does not
    // have (a progressive picture keeps all of its coefficients).
    info.mem->max_memory_to_use = MaxJpegMemory;
    info.src = &source->base;
    jpeg_read_header(&info, TRUE);
    errors.width = info.image_width;
    errors.height = info.image_height;
    // The header alone tells the size: refuse before anything is allocated.
    if (tooManyPixels(info.image_width, info.image_height)) {
        errors.failure = Failure::TooLarge;
        std::longjmp(errors.jump, 1);
    }
    info.out_color_space = JCS_RGB;
    info.dct_method = JDCT_FLOAT;
    info.do_block_smoothing = TRUE;
    jpeg_start_decompress(&info);
    if (info.output_components != 3) {
        errors.failure = Failure::Damaged;
        std::longjmp(errors.jump, 1);
    }
    *image = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                    QImage::Format_RGB888);
    if (image->isNull()) {
        errors.failure = Failure::NoMemory;
        std::longjmp(errors.jump, 1);
    }
    while (info.output_scanline < info.output_height) {
        JSAMPROW row = image->scanLine(static_cast<int>(info.output_scanline));
        jpeg_read_scanlines(&info, &row, 1);
    }
    jpeg_finish_decompress(&info);
    jpeg_destroy_decompress(&info);
    return Failure::None;
}

bool looksLikeJpeg(const char* data, qint64 size)
{
    return size >= 3 && static_cast<unsigned char>(data[0]) == 0xFF &&
           static_cast<unsigned char>(data[1]) == 0xD8 &&
           static_cast<unsigned char>(data[2]) == 0xFF;
}

quint32 littleEndian(const QByteArray& data, qsizetype at, int bytes)
{
    quint32 value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = (value << 8) | static_cast<unsigned char>(data[at + i]);
    return value;
}

// Run-length data walked the way Qt's reader consumes them. Data that end
// before the picture does, and runs that skip pixels, would leave pixels
// that the reader never writes: whatever memory held would show.
Failure checkRunLengths(const QByteArray& data, qsizetype at, qint64 width, qint64 height,
                        bool nibbles)
{
    const auto* p = reinterpret_cast<const unsigned char*>(data.constData()) + at;
    const auto* end = reinterpret_cast<const unsigned char*>(data.constData()) + data.size();
    qint64 x = 0;
    qint64 y = 0;
    while (y < height) {
        if (end - p < 2)
            return Failure::Cut;
        const int count = p[0];
        const int code = p[1];
        p += 2;
        if (count > 0) { // one value repeated; a run past the row's end is cut there
            x = qMin(width, x + count);
            continue;
        }
        if (code == 0) { // end of line
            if (x < width)
                return Failure::Damaged;
            x = 0;
            ++y;
        } else if (code == 1) { // end of picture
            return y == height - 1 && x == width ? Failure::None : Failure::Damaged;
        } else if (code == 2) { // a jump over pixels
            return Failure::Damaged;
        } else { // `code` values as they are, padded to an even number of bytes
            const qint64 n = qMin(qint64(code), width - x);
            const qint64 bytes = nibbles ? n / 2 + (n & 1) : n;
            if (end - p < bytes + (bytes & 1))
                return Failure::Cut;
            p += bytes + (bytes & 1);
            x += n;
        }
    }
    return Failure::None;
}

// Qt's BMP reader shows a picture whose pixel data end early with the rest
// of its memory left as it was; the header says how much data there must be.
Failure checkBitmap(const QByteArray& data, QSize* size)
{
    constexpr qsizetype fileHeader = 14;
    if (data.size() < fileHeader + 4)
        return Failure::Cut;
    const qint64 offset = littleEndian(data, 10, 4);
    const qint64 infoSize = littleEndian(data, 14, 4);
    if (infoSize != 12 && infoSize < 40)
        return Failure::Damaged;
    if (data.size() < fileHeader + infoSize)
        return Failure::Cut;
    qint64 width = 0;
    qint64 height = 0;
    int bits = 0;
    quint32 compression = 0;
    if (infoSize == 12) {
        width = littleEndian(data, 18, 2);
        height = littleEndian(data, 20, 2);
        bits = static_cast<int>(littleEndian(data, 24, 2));
    } else {
        width = static_cast<qint32>(littleEndian(data, 18, 4));
        height = qAbs(qint64(static_cast<qint32>(littleEndian(data, 22, 4))));
        bits = static_cast<int>(littleEndian(data, 28, 2));
        compression = littleEndian(data, 30, 4);
    }
    if (width <= 0 || height <= 0)
        return Failure::Damaged;
    *size = QSize(static_cast<int>(width), static_cast<int>(height));
    if (tooManyPixels(width, height))
        return Failure::TooLarge;
    if (offset < fileHeader + infoSize)
        return Failure::Damaged;
    if (offset > data.size())
        return Failure::Cut;
    switch (compression) {
    case 0: // uncompressed
    case 3: // uncompressed, with bit masks
        return offset + (width * bits + 31) / 32 * 4 * height > data.size() ? Failure::Cut
                                                                            : Failure::None;
    case 1:
        return bits == 8 ? checkRunLengths(data, offset, width, height, false) : Failure::Damaged;
    case 2:
        return bits == 4 ? checkRunLengths(data, offset, width, height, true) : Failure::Damaged;
    default:
        return Failure::None; // Qt refuses what it does not know
    }
}

// Any picture that is not a JPEG (a BMP, as a rule) is read by Qt.
Failure decodeOther(const QByteArray& data, QImage* image, QSize* size)
{
    const bool bitmap = data.startsWith("BM");
    if (bitmap) {
        const Failure failure = checkBitmap(data, size);
        if (failure != Failure::None)
            return failure;
    }
    QBuffer buffer;
    buffer.setData(data);
    buffer.open(QIODevice::ReadOnly);
    // A BMP goes straight to Qt's BMP reader, the one that would recognise it:
    // asking around first loads every image plugin there is.
    QImageReader reader(&buffer, bitmap ? QByteArray("bmp") : QByteArray());
    reader.setAutoDetectImageFormat(!bitmap);
    const QSize header = reader.size();
    if (header.isValid() && tooManyPixels(header.width(), header.height())) {
        *size = header;
        return Failure::TooLarge;
    }
    *image = reader.read();
    if (!image->isNull())
        return Failure::None;
    // Qt tells only that it failed: a picture it found no memory for is told
    // apart by trying to make room for one of its size.
    if (header.isValid() && QImage(header, QImage::Format_ARGB32).isNull())
        return Failure::NoMemory;
    return Failure::Damaged;
}

QImage readPicture(const QString& path, QString* error)
{
    RegularFile file(path);
    if (file.status() != RegularFile::Status::Open) {
        *error = file.status() == RegularFile::Status::Missing
                     ? fileErrorReason(ENOENT, FileAccess::Read)
                     : file.reason();
        return QImage();
    }
    if (file.size() > MaxPictureFileBytes) {
        *error = tooLargeReason(MaxPictureFileBytes);
        return QImage();
    }
    QImage image;
    QSize size;
    Failure failure = Failure::None;
    char signature[3] = {};
    const qint64 signatureSize = ::pread(file.descriptor(), signature, sizeof signature, 0);
    if (looksLikeJpeg(signature, signatureSize)) {
        // Read piece by piece: the file's bytes are never all held at once.
        std::vector<JOCTET> buffer(64 * 1024);
        JpegSource source{};
        initSource(&source);
        source.fd = file.descriptor();
        source.left = MaxPictureFileBytes;
        source.buffer = buffer.data();
        source.capacity = buffer.size();
        failure = decodeInto(&source, &image, &size);
    } else {
        QByteArray data;
        if (!file.readAll(MaxPictureFileBytes, &data)) {
            *error = file.reason();
            return QImage();
        }
        failure = decodeOther(data, &image, &size);
    }
    if (failure != Failure::None) {
        *error = reasonFor(failure, size);
        return QImage();
    }
    return image;
}

} // namespace

QImage decodeJpeg(const QByteArray& data, QString* error)
{
    QImage image;
    QSize size;
    JpegSource source{};
    initSource(&source);
    source.fd = -1;
    source.base.next_input_byte = reinterpret_cast<const JOCTET*>(data.constData());
    source.base.bytes_in_buffer = static_cast<size_t>(data.size());
    const Failure failure = data.isEmpty() ? Failure::Damaged : decodeInto(&source, &image, &size);
    if (failure != Failure::None) {
        if (error)
            *error = reasonFor(failure, size);
        return QImage();
    }
    return image;
}

QImage readPictureFile(const QString& path, QString* error)
{
    QString reason;
    QImage image;
    try {
        image = readPicture(path, &reason);
    } catch (const std::bad_alloc&) {
        image = QImage();
        reason = reasonFor(Failure::NoMemory, QSize());
    }
    if (image.isNull() && error)
        *error = reason;
    return image;
}

QPixmap loadPicture(const QString& fileName)
{
    QString reason;
    QPixmap picture;
    // The quizzes trap no error: whatever goes wrong while reading a picture
    // ends in the box below, never in an error escaping the handler.
    try {
        const QImage image = readPictureFile(fileName, &reason);
        if (!image.isNull()) {
            picture = QPixmap::fromImage(image);
            if (picture.isNull())
                reason = reasonFor(Failure::NoMemory, QSize());
        }
    } catch (const std::bad_alloc&) {
        picture = QPixmap();
        reason = reasonFor(Failure::NoMemory, QSize());
    } catch (const std::exception&) {
        picture = QPixmap();
        reason = reasonFor(Failure::Damaged, QSize());
    }
    if (!picture.isNull())
        return picture;
    const QString folder = QDir::toNativeSeparators(QDir::currentPath());
    const QString text = QStringLiteral("Не удалось загрузить рисунок «%1» из папки «%2»: %3.")
                             .arg(fileName, folder, reason);
    showMessageBox(text, QCoreApplication::applicationName(), BoxIcon::Stop);
    exitProgram(1);
}

} // namespace common
