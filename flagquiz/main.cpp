#include "application.h"
#include "mainwindow.h"

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Korventa"));
    // The program ends only through its exit question, never by a closed window.
    app.setQuitOnLastWindowClosed(false);
    korventa::Form1 window;
    window.show();
    return app.exec();
}
