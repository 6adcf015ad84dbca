#pragma once

#include <QByteArray>
#include <QString>

namespace veritabula {

// What IP.ini gives the main menu: the teacher server's address and port,
// both as the text to put into their fields.
struct IpSettings
{
    QString address;
    QString port;
};

// Reads the lines of an IP.ini held in `bytes` (Windows-1251). A line starting
// with "i" gives the address from its fourth character on; the line as it then
// stands, when it starts with "p", gives the port from its sixth character on.
// Later lines win; every other line is ignored.
IpSettings parseIpSettings(const QByteArray& bytes);

enum class IpSettingsStatus { Missing, Read, Unreadable };

struct IpSettingsResult
{
    IpSettingsStatus status = IpSettingsStatus::Missing;
    IpSettings settings; // empty unless status is Read
    QString error;       // in Russian, for the box, when status is Unreadable
};

// No real settings file comes near this; a longer one is refused whole.
constexpr qint64 MaxIpSettingsBytes = 1024 * 1024;

// Reads the settings file at `path` (IP.ini in the current folder by default).
// Only a plain file is read; anything else under the name, a link that leads
// nowhere or a file over the bound is unreadable.
IpSettingsResult readIpSettings(const QString& path = QStringLiteral("IP.ini"));

} // namespace veritabula
