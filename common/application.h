#pragma once

#include <QApplication>
#include <QString>

#include <exception>

namespace common {

// The application object of the three programs. An error that escapes an
// event handler is shown in a stop box captioned with the application title;
// then the program goes on (the trainer) or, when asked to, ends (the
// quizzes, which trap no error).
class Application : public QApplication
{
public:
    Application(int& argc, char** argv, const QString& title);

    // Whether the program ends, with code 1, once the box for an escaped error
    // has been answered; off by default.
    void setEndAfterEscapedError(bool end) { endAfterEscapedError_ = end; }
    bool endAfterEscapedError() const { return endAfterEscapedError_; }

    bool notify(QObject* receiver, QEvent* event) override;

private:
    bool endAfterEscapedError_ = false;
};

// The text of the box for an escaped error: the error's text with a full stop
// added when it does not end in one.
QString escapedErrorText(const std::exception& error);

// Shows the stop box for an escaped error, captioned with the application title.
void showEscapedError(const std::exception& error);

} // namespace common
