#pragma once

#include <QString>
#include <QTemporaryDir>

class QWidget;

namespace testsupport {

// Makes a fresh temporary folder the current one for as long as it lives.
class TemporaryCurrentFolder
{
public:
    TemporaryCurrentFolder();
    ~TemporaryCurrentFolder();
    TemporaryCurrentFolder(const TemporaryCurrentFolder&) = delete;
    TemporaryCurrentFolder& operator=(const TemporaryCurrentFolder&) = delete;

    QString path() const { return dir_.path(); }
    QString filePath(const QString& name) const { return dir_.filePath(name); }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

private:
    QTemporaryDir dir_;
    QString previous_;
};

// With SCREENSHOT_DIR set, writes a PNG of the window there.
void saveScreenshot(QWidget* window, const QString& name);

} // namespace testsupport
