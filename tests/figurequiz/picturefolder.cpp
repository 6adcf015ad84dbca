#include "picturefolder.h"

#include "picturefiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>

PictureFolder::PictureFolder()
{
    const QDir source(QStringLiteral(FIGURINEX_PICTURES_DIR));
    for (const QString& name : figurinex::pictureFiles())
        copied += QFile::copy(source.filePath(name), filePath(name)) ? 1 : 0;
}

QString shownPicture(const QLabel* label, const QStringList& candidates)
{
    const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown.isNull())
        return QString();
    const QDir source(QStringLiteral(FIGURINEX_PICTURES_DIR));
    for (const QString& name : candidates) {
        if (QImage(source.filePath(name)).convertToFormat(QImage::Format_RGB32) == shown)
            return name;
    }
    return QStringLiteral("?");
}
