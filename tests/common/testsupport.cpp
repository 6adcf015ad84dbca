#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QWidget>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

TemporaryCurrentFolder::TemporaryCurrentFolder() : previous_(QDir::currentPath())
{
    QDir::setCurrent(dir_.path());
}

TemporaryCurrentFolder::~TemporaryCurrentFolder()
{
    QDir::setCurrent(previous_);
}

void TemporaryCurrentFolder::writeFile(const QString& name, const QByteArray& bytes) const
{
    QFile file(filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
}

QByteArray TemporaryCurrentFolder::readFile(const QString& name) const
{
    QFile file(filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.readAll();
}

FifoPeer::FifoPeer(const QString& path, int patienceMs) : path_(QFile::encodeName(path))
{
    made_ = ::mkfifo(path_.constData(), 0666) == 0;
    if (made_)
        thread_ = std::thread([this, patienceMs] { watch(patienceMs); });
}

FifoPeer::~FifoPeer()
{
    touched();
}

bool FifoPeer::touched()
{
    if (thread_.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            finish_ = true;
        }
        wake_.notify_all();
        thread_.join();
    }
    return reader_ || writer_;
}

void FifoPeer::watch(int patienceMs)
{
    std::unique_lock<std::mutex> lock(mutex_);
    const bool finished =
        wake_.wait_for(lock, std::chrono::milliseconds(patienceMs), [this] { return finish_; });
    lock.unlock();
    // Still running after its patience, the code under test may hang in the
    // pipe: give it a partner and give a writer time to write.
    look(finished ? 0 : 1000);
}

void FifoPeer::look(int waitForWriterMs)
{
    // Opening for writing without waiting works only while a reader is there.
    const int writeEnd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (writeEnd >= 0) {
        reader_ = true;
        ::close(writeEnd);
    }
    const int readEnd = ::open(path_.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (readEnd < 0)
        return;
    // A writer let go by this opening writes at once; keep the pipe open
    // until it has, or it would die of a broken pipe.
    const auto until =
        std::chrono::steady_clock::now() + std::chrono::milliseconds(waitForWriterMs);
    char buffer[4096];
    do {
        pollfd input{readEnd, POLLIN, 0};
        if (::poll(&input, 1, 50) > 0 && (input.revents & POLLIN) == 0)
            std::this_thread::sleep_for(std::chrono::milliseconds(10)); // hung up, no data
        while (::read(readEnd, buffer, sizeof buffer) > 0)
            writer_ = true;
    } while (!writer_ && std::chrono::steady_clock::now() < until);
    ::close(readEnd);
}

void saveScreenshot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("SCREENSHOT_DIR");
    if (dir.isEmpty() || window == nullptr)
        return;
    QDir().mkpath(dir);
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace testsupport
