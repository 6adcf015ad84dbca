#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QLabel>
#include <QPixmap>
#include <QTest>
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

TemporaryCurrentFolder::TemporaryCurrentFolder(const QString& programFolder,
                                               const QStringList& names)
    : TemporaryCurrentFolder()
{
    const QDir source(programFolder);
    for (const QString& name : names)
        copied_ += QFile::copy(source.filePath(name), filePath(name)) ? 1 : 0;
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

bool TemporaryCurrentFolder::spoilPicture(const QString& name, const QString& damage,
                                          std::unique_ptr<FifoPeer>* fifo) const
{
    const QByteArray whole = readFile(name);
    QFile::remove(filePath(name));
    if (damage == QLatin1String("missing"))
        return true;
    if (damage == QLatin1String("garbage")) {
        writeFile(name, QByteArray("\xFF\xD8\xFF not a picture"));
    } else if (damage == QLatin1String("cut")) {
        if (whole.isEmpty())
            return false;
        writeFile(name, whole.left(whole.size() / 2));
    } else if (damage == QLatin1String("bomb")) {
        QImage small(64, 64, QImage::Format_RGB32);
        small.fill(Qt::white);
        writeFile(name, withJpegSize(jpegBytes(small), 20000, 20000));
    } else {
        return placeNonFile(filePath(name), damage, fifo);
    }
    return QFileInfo(filePath(name)).isFile();
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
    const auto patience = std::chrono::milliseconds(patienceMs);
    std::unique_lock<std::mutex> lock(mutex_);
    // Each time its patience runs out, the code under test may hang in the
    // pipe: give it a partner, and a writer time to write.
    while (!wake_.wait_for(lock, patience, [this] { return finish_; })) {
        lock.unlock();
        look(1000);
        lock.lock();
    }
    lock.unlock();
    look(0);
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

bool placeNonFile(const QString& path, const QString& kind, std::unique_ptr<FifoPeer>* fifo)
{
    if (kind == QLatin1String("folder"))
        return QDir().mkdir(path);
    if (kind == QLatin1String("fifo")) {
        *fifo = std::make_unique<FifoPeer>(path);
        return (*fifo)->made();
    }
    if (kind == QLatin1String("zero"))
        return QFile::link(QStringLiteral("/dev/zero"), path);
    if (kind == QLatin1String("device"))
        return QFile::link(QStringLiteral("/dev/null"), path);
    if (kind == QLatin1String("dangling"))
        return QFile::link(path + QStringLiteral(".gone"), path);
    if (kind == QLatin1String("loop")) {
        const QString other = path + QStringLiteral(".link");
        return QFile::link(other, path) && QFile::link(path, other);
    }
    return false;
}

void addPictureDamageRows()
{
    QTest::addColumn<QString>("damage");
    QTest::addRow("missing") << QStringLiteral("missing");
    QTest::addRow("not a picture") << QStringLiteral("garbage");
    QTest::addRow("cut short") << QStringLiteral("cut");
    QTest::addRow("header claims 20000 x 20000") << QStringLiteral("bomb");
    QTest::addRow("named pipe") << QStringLiteral("fifo");
}

QByteArray jpegBytes(const QImage& image, bool progressive)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray withJpegSize(QByteArray jpeg, int width, int height, bool fullColour)
{
    // The frame header: FF C0 (baseline) or FF C2 (progressive), length,
    // precision, height, width, components, then id, sampling, table each.
    for (qsizetype at = 2; at + 9 < jpeg.size(); ++at) {
        const auto marker = static_cast<unsigned char>(jpeg[at + 1]);
        if (static_cast<unsigned char>(jpeg[at]) != 0xFF || (marker != 0xC0 && marker != 0xC2))
            continue;
        jpeg[at + 5] = static_cast<char>(height >> 8);
        jpeg[at + 6] = static_cast<char>(height & 0xFF);
        jpeg[at + 7] = static_cast<char>(width >> 8);
        jpeg[at + 8] = static_cast<char>(width & 0xFF);
        const int components = static_cast<unsigned char>(jpeg[at + 9]);
        for (int c = 0; fullColour && c < components; ++c)
            jpeg[at + 11 + 3 * c] = 0x11;
        break;
    }
    return jpeg;
}

QString shownPicture(const QLabel* label, const QStringList& names)
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.isNull())
        return QString();
    for (const QString& name : names) {
        if (QImage(name).convertToFormat(QImage::Format_RGB32) == shown)
            return name;
    }
    return QStringLiteral("?");
}

QStringList focusRing(QWidget* window)
{
    QWidget* first = window->focusWidget();
    QStringList ring;
    QWidget* widget = first;
    while (widget != nullptr) {
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->window() == window)
            ring << widget->objectName();
        widget = widget->nextInFocusChain();
        if (widget == first)
            break;
    }
    return ring;
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
