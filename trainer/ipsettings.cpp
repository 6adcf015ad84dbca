#include "ipsettings.h"

#include "text.h"

#include <QFile>
#include <QFileInfo>

namespace veritabula {

IpSettings parseIpSettings(const QByteArray& bytes)
{
    QByteArray address;
    QByteArray port;
    // Lines end at a line feed; a carriage return before it, or anywhere else
    // in the line, is no part of the line.
    for (QByteArray line : bytes.split('\n')) {
        line.replace('\r', QByteArray());
        if (!line.isEmpty() && line.at(0) == 'i') {
            line.remove(0, 3);
            address = line;
        }
        if (!line.isEmpty() && line.at(0) == 'p') {
            line.remove(0, 5);
            port = line;
        }
    }
    return IpSettings{common::fromCp1251(address), common::fromCp1251(port)};
}

namespace {

QString readFailure(const QString& path, QFileDevice::FileError error)
{
    QString reason;
    switch (error) {
    case QFileDevice::PermissionsError:
        reason = QStringLiteral("нет прав на чтение");
        break;
    case QFileDevice::ReadError:
        reason = QStringLiteral("ошибка чтения");
        break;
    default:
        reason = QFileInfo(path).isDir() ? QStringLiteral("это папка, а не файл")
                                         : QStringLiteral("файл не открывается");
        break;
    }
    return QStringLiteral("Не удалось прочитать файл настроек %1: %2.")
        .arg(QFileInfo(path).fileName(), reason);
}

} // namespace

IpSettingsResult readIpSettings(const QString& path)
{
    IpSettingsResult result;
    if (!QFileInfo::exists(path))
        return result;

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
        result.status = IpSettingsStatus::Unreadable;
        result.error = readFailure(path, file.error());
        return result;
    }
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        result.status = IpSettingsStatus::Unreadable;
        result.error = readFailure(path, file.error());
        return result;
    }
    result.status = IpSettingsStatus::Read;
    result.settings = parseIpSettings(bytes);
    return result;
}

} // namespace veritabula
