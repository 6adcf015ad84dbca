#include "program.h"

#include "application.h"
#include "quizwindow.h"

namespace figurinex {

Form1* quizWindow = nullptr;

int ProgramMain(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Figurinex"));
    quizWindow = new Form1();
    quizWindow->show();
    const int code = app.exec();
    delete quizWindow;
    quizWindow = nullptr;
    return code;
}

} // namespace figurinex
