#include "program.h"

#include "application.h"
#include "mainwindow.h"

namespace korventa {

int ProgramMain(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Korventa"));
    // The program traps no error: one that escapes a handler is shown and ends it.
    app.setEndAfterEscapedError(true);
    // The program ends only through its exit question, never by a closed window.
    app.setQuitOnLastWindowClosed(false);
    Form1 window;
    window.show();
    return app.exec();
}

} // namespace korventa
