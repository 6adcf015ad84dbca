#include "application.h"

#include "messagebox.h"
#include "programexit.h"
#include "style.h"

namespace common {

Application::Application(int& argc, char** argv, const QString& title) : QApplication(argc, argv)
{
    setApplicationName(title);
    useProgramStyle();
}

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const ProgramExit&) {
        throw;
    } catch (const std::exception& error) {
        showEscapedError(error);
        if (endAfterEscapedError_)
            exitProgram(1);
    }
    return false;
}

QString escapedErrorText(const std::exception& error)
{
    QString text = QString::fromUtf8(error.what());
    if (!text.endsWith(QLatin1Char('.')))
        text += QLatin1Char('.');
    return text;
}

void showEscapedError(const std::exception& error)
{
    showMessageBox(escapedErrorText(error), QCoreApplication::applicationName(), BoxIcon::Stop);
}

} // namespace common
