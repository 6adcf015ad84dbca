#include "forumfile.h"

#include "text.h"

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korventa {

namespace {

QString reasonOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
        return QStringLiteral("нет права записи в этот файл или в его папку");
    case EISDIR:
        return QStringLiteral("под этим именем в папке лежит не файл, а папка");
    case ENOENT:
    case ENOTDIR:
        return QStringLiteral("папка не найдена");
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
    case EIO:
        return QStringLiteral("ошибка чтения или записи диска");
    default:
        return QStringLiteral("ошибка записи (код %1)").arg(error);
    }
}

bool fail(QString* reason, int error)
{
    if (reason)
        *reason = reasonOf(error);
    return false;
}

} // namespace

QByteArray forumRecord(const QString& text)
{
    QString body;
    body.reserve(text.size() + 8);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n' && (i == 0 || text[i - 1] != u'\r'))
            body += u'\r';
        body += text[i];
    }
    QByteArray record = common::toCp1251(body);
    record.prepend('"');
    record.append("\"\r\n");
    return record;
}

bool appendForumRecord(const QString& path, const QString& text, QString* reason)
{
    const QByteArray record = forumRecord(text);
    const QByteArray name = QFile::encodeName(path);

    const int fd = ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return fail(reason, errno);
    struct stat before
    {
    };
    if (::fstat(fd, &before) != 0) {
        const int error = errno;
        ::close(fd);
        return fail(reason, error);
    }

    qsizetype written = 0;
    int error = 0;
    while (written < record.size()) {
        const ssize_t n =
            ::write(fd, record.constData() + written, static_cast<size_t>(record.size() - written));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            break;
        }
        if (n == 0) {
            error = ENOSPC;
            break;
        }
        written += n;
    }
    if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS)
        error = errno;
    // A record that did not go in whole is taken out again, so that every
    // earlier record stays readable and the file never ends in half a record.
    if (error != 0 && written > 0) {
        if (::ftruncate(fd, before.st_size) != 0) {
            // Nothing more can be done here; the reason below still tells the pupil.
        }
    }
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error != 0)
        return fail(reason, error);
    return true;
}

} // namespace korventa
