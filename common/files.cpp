#include "files.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace common {

QString fileErrorReason(int error, FileAccess access)
{
    const bool reading = access == FileAccess::Read;
    switch (error) {
    case EACCES:
    case EPERM:
        return reading ? QStringLiteral("нет права читать этот файл")
                       : QStringLiteral("нет права записи в этот файл или в его папку");
    case EISDIR:
        return notAFileReason(S_IFDIR);
    case ENXIO:
    case ENODEV:
        return QStringLiteral("под этим именем в папке лежит не файл, а канал или устройство");
    case ENOENT:
        return reading ? QStringLiteral("файл не найден") : QStringLiteral("папка не найдена");
    case ENOTDIR:
        return QStringLiteral("папка не найдена");
    case ELOOP:
        return QStringLiteral("ссылки на файл замкнуты в кольцо и никуда не ведут");
    case ENAMETOOLONG:
        return QStringLiteral("слишком длинное имя файла или папки");
    case ENOSPC:
    case EDQUOT:
        return QStringLiteral("на диске нет места");
    case EROFS:
        return QStringLiteral("диск открыт только для чтения");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("открыто слишком много файлов");
    case EFBIG:
        return QStringLiteral("файл стал слишком большим");
    case ETXTBSY:
    case EBUSY:
        return QStringLiteral("файл занят другой программой");
    case ENOMEM:
        return QStringLiteral("не хватило памяти");
    case EIO:
        return QStringLiteral("ошибка чтения или записи диска");
    default:
        return reading ? QStringLiteral("не удалось прочитать файл")
                       : QStringLiteral("не удалось записать файл");
    }
}

QString notAFileReason(mode_t mode)
{
    QString what;
    if (S_ISDIR(mode))
        what = QStringLiteral("папка");
    else if (S_ISFIFO(mode))
        what = QStringLiteral("именованный канал");
    else if (S_ISSOCK(mode))
        what = QStringLiteral("сокет");
    else if (S_ISCHR(mode) || S_ISBLK(mode))
        what = QStringLiteral("устройство");
    else
        return QStringLiteral("под этим именем в папке лежит не обычный файл");
    return QStringLiteral("под этим именем в папке лежит не файл, а %1").arg(what);
}

QString tooLargeReason(qint64 limit)
{
    constexpr qint64 mebibyte = 1024 * 1024;
    if (limit >= mebibyte)
        return QStringLiteral("файл слишком большой (больше %1 МБ)").arg(limit / mebibyte);
    return QStringLiteral("файл слишком большой (больше %1 байт)").arg(limit);
}

qint64 readSome(int fd, char* buffer, qint64 size)
{
    for (;;) {
        const ssize_t n = ::read(fd, buffer, static_cast<size_t>(size));
        if (n >= 0 || errno != EINTR)
            return n;
    }
}

RegularFile::RegularFile(const QString& path)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info
    {
    };
    if (::stat(name.constData(), &info) != 0) {
        const int error = errno;
        struct stat link
        {
        };
        if (error == ENOENT && ::lstat(name.constData(), &link) != 0)
            status_ = Status::Missing;
        else if (error == ENOENT)
            reason_ = QStringLiteral("ссылка ведёт к файлу, которого нет");
        else
            reason_ = fileErrorReason(error, FileAccess::Read);
        return;
    }
    // Opening a named pipe for reading waits for a writer, and opening a
    // device may do anything: only a plain file is opened at all.
    if (!S_ISREG(info.st_mode)) {
        reason_ = notAFileReason(info.st_mode);
        return;
    }
    // Without waiting, in case the name was replaced since the look above.
    fd_ = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        reason_ = fileErrorReason(errno, FileAccess::Read);
        return;
    }
    if (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode)) {
        reason_ = S_ISREG(info.st_mode) ? fileErrorReason(errno, FileAccess::Read)
                                        : notAFileReason(info.st_mode);
        ::close(fd_);
        fd_ = -1;
        return;
    }
    size_ = static_cast<qint64>(info.st_size);
    status_ = Status::Open;
}

RegularFile::~RegularFile()
{
    if (fd_ >= 0)
        ::close(fd_);
}

bool RegularFile::fail(const QString& reason)
{
    reason_ = reason;
    return false;
}

bool RegularFile::readAll(qint64 limit, QByteArray* bytes)
{
    if (status_ != Status::Open)
        return false;
    if (size_ > limit)
        return fail(tooLargeReason(limit));
    // One byte more than expected shows a file that grew meanwhile.
    qint64 capacity = size_ + 1;
    QByteArray data(capacity, Qt::Uninitialized);
    qint64 filled = 0;
    for (;;) {
        if (filled == capacity) {
            if (capacity > limit)
                return fail(tooLargeReason(limit));
            capacity = qMin(capacity + qMax(capacity, qint64(64 * 1024)), limit + 1);
            data.resize(capacity);
        }
        const qint64 n = readSome(fd_, data.data() + filled, capacity - filled);
        if (n < 0)
            return fail(fileErrorReason(errno, FileAccess::Read));
        if (n == 0)
            break;
        filled += n;
    }
    data.truncate(filled);
    *bytes = std::move(data);
    return true;
}

} // namespace common
