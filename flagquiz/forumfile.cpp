#include "forumfile.h"

#include "files.h"
#include "text.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace korventa {

namespace {

bool fail(QString* reason, int error)
{
    if (reason)
        *reason = common::fileErrorReason(error, common::FileAccess::Write);
    return false;
}

bool failNotAFile(QString* reason, mode_t mode)
{
    if (reason)
        *reason = common::notAFileReason(mode);
    return false;
}

// A new file is found again after a power cut only once its folder is on the
// disk too. A folder that cannot be opened cannot be synced; the record is on
// the disk all the same.
int syncFolderOf(const QString& path)
{
    const QByteArray folder = QFile::encodeName(QFileInfo(path).absolutePath());
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return 0;
    const int error = ::fsync(fd) != 0 && errno != EINVAL && errno != EROFS ? errno : 0;
    ::close(fd);
    return error;
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

    // Opening a named pipe for writing waits for a reader, and opening a
    // device may do anything: only a plain file, or none yet, is opened.
    struct stat found
    {
    };
    bool created = false;
    if (::stat(name.constData(), &found) == 0) {
        if (!S_ISREG(found.st_mode))
            return failNotAFile(reason, found.st_mode);
    } else if (errno == ENOENT) {
        created = true;
    } else {
        return fail(reason, errno);
    }
    // Without waiting, in case the name was replaced since the look above.
    const int fd =
        ::open(name.constData(), O_WRONLY | O_APPEND | O_CREAT | O_NONBLOCK | O_CLOEXEC, 0666);
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
    if (!S_ISREG(before.st_mode)) {
        ::close(fd);
        return failNotAFile(reason, before.st_mode);
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
    if (error == 0 && created)
        error = syncFolderOf(path);
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
