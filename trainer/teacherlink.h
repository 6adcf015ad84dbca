#pragma once

#include <QObject>
#include <QString>

namespace veritabula {

// The non-blocking link to the teacher's server, owned by the expression window.
class TeacherLink : public QObject
{
public:
    explicit TeacherLink(QObject* parent = nullptr);

    // Sends one result line: the pupil's name, the expression as shown above
    // the grid, and the number of errors.
    void sendResult(const QString& name, const QString& expression, int errors);
    // Closes the connection, if any.
    void close();
};

} // namespace veritabula
