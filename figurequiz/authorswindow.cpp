#include "authorswindow.h"

#include "colours.h"
#include "formstyle.h"
#include "picturefiles.h"
#include "pictures.h"
#include "units.h"

#include <QLabel>

namespace figurinex {

Form3::Form3()
{
    setObjectName(QStringLiteral("Form3"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Авторы"));
    setGeometry(common::twips(2685), common::twips(2970), common::twips(10455),
                common::twips(5760));
    common::setGroundColour(this, common::LightOrange);

    Label1 = makeFormLabel(
        this, "Label1",
        QStringLiteral("Программу создали ученики 9 «Б» класса школы № 3 города Светлоярска "
                       "Зорбо Ветлугин и Лирра Ожогина. Руководитель - учитель информатики "
                       "Фелициан Аркадьевич Брусничкин."),
        120, 120, 10215, 1095, 13.5, true);
    Picture1 = makePictureBox(this, "Picture1", 120, 1320, 3255, 2775);
    Picture2 = makePictureBox(this, "Picture2", 6480, 1320, 2295, 2775);
    Label2 = makeFormLabel(
        this, "Label2",
        QStringLiteral("Литература: 1. Кварцев В. К. Информатика. Учебник для 8 класса. "
                       "2. Бинарова Н. Г. Информатика и вычислительная техника. "
                       "Учебник для 9 класса."),
        240, 4440, 9975, 1095, 13.5, true);
    setTabOrder(Picture1, Picture2);
}

void Form3::Form_Load()
{
    // Read afresh at every load; if the first fails the second is not read.
    Picture1->setPixmap(common::loadPicture(QString::fromUtf16(LeftPortrait)));
    Picture2->setPixmap(common::loadPicture(QString::fromUtf16(RightPortrait)));
}

} // namespace figurinex
