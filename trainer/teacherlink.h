#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>

#include <optional>
#include <stdexcept>

class QTcpSocket;

namespace veritabula {

// The port field held no whole number; what() is the text the pupil sees.
class PortConversionError : public std::runtime_error
{
public:
    explicit PortConversionError(const QString& portText);
};

// Reads a port field the way the trainer always has: optional leading spaces,
// an optional sign, decimal digits and nothing after them, within 32 bits.
std::optional<int> convertPort(const QString& text);

// The result line sent for one check, in Windows-1251, without a line end.
QByteArray resultLine(const QString& name, const QString& expression, int errors);

// The non-blocking link to the teacher's server, owned by the expression window.
// It never blocks and never reports a failure: without a connection a result
// line is dropped.
class TeacherLink : public QObject
{
public:
    explicit TeacherLink(QObject* parent = nullptr);

    // Starts a connection attempt to `address` (dotted IPv4, no name lookup)
    // unless one is established. Throws PortConversionError when `portText` is
    // no whole number; a number outside 1..65535 attempts nothing.
    void open(const QString& address, const QString& portText);

    // Sends one result line: the pupil's name, the expression as shown above
    // the grid, and the number of errors.
    void sendResult(const QString& name, const QString& expression, int errors);
    // Closes the connection, if any.
    void close();

    bool isConnected() const;
    // Everything that has arrived from the server and not been read yet.
    QByteArray readAvailable();

    // The socket itself, for the window to hear its notifications.
    QTcpSocket* socket() const { return socket_; }

private:
    QTcpSocket* socket_ = nullptr;
};

} // namespace veritabula
