#pragma once

#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class QImage;
class QLabel;
class QWidget;

namespace testsupport {

class FifoPeer;

// Makes a fresh temporary folder the current one for as long as it lives, so
// that a test finds there only what it put there itself: the programs read
// and write their files in the current folder, and a program's own working
// folder may hold anything a user left in it.
class TemporaryCurrentFolder
{
public:
    TemporaryCurrentFolder();
    // The folder starts with copies of the files `names` of a program's
    // working folder, where the build lays out its generated pictures: the
    // test is given that folder as VERITABULA_FOLDER or FIGURINEX_FOLDER
    // (add_program_test's PICTURES, tests/CMakeLists.txt).
    TemporaryCurrentFolder(const QString& programFolder, const QStringList& names);
    ~TemporaryCurrentFolder();
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;
    // How many of the named files were copied in.
    int copied() const { return copied_; }

    // Spoils the picture file `name` here as `damage` says: "missing" removes
    // it; "garbage" puts bytes that begin as a JPEG does and are none; "cut"
    // keeps its first half; "bomb" puts a small JPEG whose header claims
    // 20000 x 20000 pixels; any other kind is laid in its place by
    // placeNonFile. True when it could.
    bool spoilPicture(const QString& name, const QString& damage,
                      std::unique_ptr<FifoPeer>* fifo) const;

private:
    QTemporaryDir dir_;
    QString previous_;
    int copied_ = 0;
};

// A named pipe made at `path` for as long as it lives, with a watcher at its
// other end: code that opens the pipe and waits there for a partner is let go
// after `patience`, so that a test of it ends instead of hanging, and
// `touched()` tells whether anyone opened the pipe to read or write in it.
class FifoPeer
{
public:
    explicit FifoPeer(const QString& path, int patienceMs = 1500);
    ~FifoPeer();
    FifoPeer(const FifoPeer&) = delete;
    FifoPeer& operator=(const FifoPeer&) = delete;

    bool made() const { return made_; }
    // Ends the watch at once and tells whether the pipe was opened.
    bool touched();

private:
    void watch(int patienceMs);
    void look(int waitForWriterMs);

    QByteArray path_;
    bool made_ = false;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool finish_ = false;
    std::atomic<bool> reader_{false};
    std::atomic<bool> writer_{false};
    std::thread thread_;
};

// Lays at `path`, in place of a plain file, what `kind` names: "folder";
// "fifo", a named pipe watched by the FifoPeer put into `fifo`; "zero" and
// "device", links to the endless /dev/zero and to /dev/null; "dangling", a
// link to nothing; "loop", a link to `path` + ".link", which links back.
// True when it could.
bool placeNonFile(const QString& path, const QString& kind, std::unique_ptr<FifoPeer>* fifo);

// The rows of a test's column "damage": the ways spoilPicture spoils a
// picture that a program reads and must survive.
void addPictureDamageRows();

// A JPEG of `image`, progressive if asked.
QByteArray jpegBytes(const QImage& image, bool progressive = false);

// The JPEG `jpeg` with the size in its frame header replaced: the data
// still hold the small picture only. `fullColour` makes every component
// full size (no subsampling), which is what costs a progressive decoder most.
QByteArray withJpegSize(QByteArray jpeg, int width, int height, bool fullColour = false);

// Which of the picture files `names` in the current folder a label shows:
// empty for none, "?" for a picture that is none of them.
QString shownPicture(const QLabel* label, const QStringList& names);

// The names of the controls of `window` that Tab visits, in their order, from
// the one that has the focus.
QStringList focusRing(QWidget* window);

// With SCREENSHOT_DIR set, writes a PNG of the window there.
void saveScreenshot(QWidget* window, const QString& name);

} // namespace testsupport
