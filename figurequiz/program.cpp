#include "program.h"

#include "application.h"
#include "quizwindow.h"

namespace figurinex {

int ProgramMain(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Figurinex"));
    // The program traps no error: one that escapes a handler is shown and ends it.
    app.setEndAfterEscapedError(true);
    Form1 window;
    window.show();
    return app.exec();
}

} // namespace figurinex
