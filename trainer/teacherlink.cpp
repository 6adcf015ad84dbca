#include "teacherlink.h"

#include "text.h"

#include <QHostAddress>
#include <QTcpSocket>

#include <limits>

namespace veritabula {

PortConversionError::PortConversionError(const QString& portText)
    : std::runtime_error(
          QStringLiteral("'%1' is not a valid integer value").arg(portText).toStdString())
{
}

std::optional<int> convertPort(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text.at(i) == QLatin1Char(' '))
        ++i;
    bool negative = false;
    if (i < text.size() && (text.at(i) == QLatin1Char('+') || text.at(i) == QLatin1Char('-'))) {
        negative = text.at(i) == QLatin1Char('-');
        ++i;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c - u'0');
        if (value > static_cast<long long>(std::numeric_limits<int>::max()) + 1)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

QByteArray resultLine(const QString& name, const QString& expression, int errors)
{
    return common::toCp1251(QStringLiteral("Имя: ") + name + QStringLiteral(", Выражение: ") +
                            expression + QStringLiteral(", Количество ошибок: ") +
                            QString::number(errors));
}

TeacherLink::TeacherLink(QObject* parent) : QObject(parent), socket_(new QTcpSocket(this)) {}

void TeacherLink::open(const QString& address, const QString& portText)
{
    const std::optional<int> port = convertPort(portText);
    if (!port)
        throw PortConversionError(portText);
    if (socket_->state() == QAbstractSocket::ConnectedState)
        return;
    // A pending or half-dead attempt makes way for a new one.
    socket_->abort();
    // The port is a 16-bit number: anything else would reach some other
    // server, so it is treated like a server that is not there.
    if (*port < 1 || *port > 65535)
        return;
    const QHostAddress host(address);
    if (host.protocol() != QAbstractSocket::IPv4Protocol)
        return;
    socket_->connectToHost(host, static_cast<quint16>(*port));
}

void TeacherLink::sendResult(const QString& name, const QString& expression, int errors)
{
    if (!isConnected())
        return;
    // The socket keeps whatever the system does not take at once and sends it
    // later, so the line goes out whole.
    socket_->write(resultLine(name, expression, errors));
}

void TeacherLink::close()
{
    if (socket_->state() == QAbstractSocket::ConnectedState) {
        socket_->flush();
        socket_->disconnectFromHost();
    } else {
        socket_->abort();
    }
}

bool TeacherLink::isConnected() const
{
    return socket_->state() == QAbstractSocket::ConnectedState;
}

QByteArray TeacherLink::readAvailable()
{
    return socket_->readAll();
}

} // namespace veritabula
