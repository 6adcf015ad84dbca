#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QWidget>

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

void saveScreenshot(QWidget* window, const QString& name)
{
    const QString dir = qEnvironmentVariable("SCREENSHOT_DIR");
    if (dir.isEmpty() || window == nullptr)
        return;
    QDir().mkpath(dir);
    window->grab().save(QDir(dir).filePath(name + QStringLiteral(".png")));
}

} // namespace testsupport
