#include "ipsettings.h"

#include "files.h"
#include "text.h"

#include <QFileInfo>

namespace veritabula {

namespace {

// The address stands from the fourth character of its line on, after "ip=";
// the port from the sixth, after "port=".
constexpr int AddressStart = 3;
constexpr int PortStart = 5;

} // namespace

IpSettings parseIpSettings(const QByteArray& bytes)
{
    QByteArray address;
    QByteArray port;
    // Lines end at a line feed; a carriage return before it, or anywhere else
    // in the line, is no part of the line.
    for (QByteArray line : bytes.split('\n')) {
        line.replace('\r', QByteArray());
        if (!line.isEmpty() && line.at(0) == 'i') {
            line.remove(0, AddressStart);
            address = line;
        }
        if (!line.isEmpty() && line.at(0) == 'p') {
            line.remove(0, PortStart);
            port = line;
        }
    }
    return IpSettings{common::fromCp1251(address), common::fromCp1251(port)};
}

IpSettingsResult readIpSettings(const QString& path)
{
    IpSettingsResult result;
    common::RegularFile file(path);
    if (file.status() == common::RegularFile::Status::Missing)
        return result;
    QByteArray bytes;
    if (!file.readAll(MaxIpSettingsBytes, &bytes)) {
        result.status = IpSettingsStatus::Unreadable;
        result.error = QStringLiteral("Не удалось прочитать файл настроек %1: %2.")
                           .arg(QFileInfo(path).fileName(), file.reason());
        return result;
    }
    result.status = IpSettingsStatus::Read;
    result.settings = parseIpSettings(bytes);
    return result;
}

} // namespace veritabula
