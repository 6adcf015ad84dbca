// The yardstick of the start-up benchmark: the least a Qt Widgets program
// does, one label shown.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Пустое окно"));
    label.show();
    return app.exec();
}
