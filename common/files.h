#pragma once

#include <QByteArray>
#include <QString>

#include <sys/types.h>

namespace common {

enum class FileAccess { Read, Write };

// Why opening, reading or writing a file failed, in plain Russian, from the
// system's error code; a code without a text of its own gives "не удалось
// прочитать файл" or "не удалось записать файл".
QString fileErrorReason(int error, FileAccess access);

// What lies under a name that is not a plain file ("... не файл, а папка").
QString notAFileReason(mode_t mode);

// A plain file opened for reading. A folder, named pipe, socket or device
// under the name is refused without being opened for reading, so nothing here
// ever waits for another program. A name that exists but leads nowhere (a
// dangling link, links in a loop) is unreadable, not missing.
class RegularFile
{
public:
    enum class Status { Open, Missing, Unreadable };

    explicit RegularFile(const QString& path);
    ~RegularFile();
    RegularFile(const RegularFile&) = delete;
    RegularFile& operator=(const RegularFile&) = delete;

    Status status() const { return status_; }
    // Why the file is unreadable, or why the last read failed, in Russian.
    QString reason() const { return reason_; }
    int descriptor() const { return fd_; }
    // The size when it was opened.
    qint64 size() const { return size_; }

    // Reads the whole file, refusing one longer than `limit` bytes (checked
    // on the way too, for a file that grows while it is read). On failure
    // returns false and leaves the reason.
    bool readAll(qint64 limit, QByteArray* bytes);

private:
    bool fail(const QString& reason);

    Status status_ = Status::Unreadable;
    QString reason_;
    int fd_ = -1;
    qint64 size_ = 0;
};

// The reason given for a file longer than a reader accepts.
QString tooLargeReason(qint64 limit);

// Reads up to `size` bytes, going on after an interrupted call; -1 with errno
// set on failure, 0 at the end of the file.
qint64 readSome(int fd, char* buffer, qint64 size);

} // namespace common
