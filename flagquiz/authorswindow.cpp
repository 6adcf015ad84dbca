#include "authorswindow.h"

#include <QLabel>

namespace korventa {

Form4::Form4(Form1* main)
    : InfoWindow(main, {"Form4", u"Авторы", 5085, 3330, QRect(240, 2640, 1695, 615), 500,
                        QPoint(3600, 2640)})
{
    Label2 = addTextLabel("Label2", 240, 120, 4695, 855);
    Label1 = addTextLabel("Label1", 240, 1080, 4695, 1335);
    Form_Load();
}

void Form4::Form_Load()
{
    Label1->setText(QStringLiteral("Программу придумали и сделали ученики кружка информатики: "
                                   "они нарисовали флажки и составили оба теста."));
    Label2->setText(QStringLiteral("Руководитель работы: учитель информатики школы."));
}

} // namespace korventa
