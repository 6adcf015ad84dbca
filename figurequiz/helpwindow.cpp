#include "helpwindow.h"

#include "colours.h"
#include "formstyle.h"
#include "units.h"

#include <QLabel>

namespace figurinex {

Form2::Form2()
{
    setObjectName(QStringLiteral("Form2"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Справка"));
    resize(common::twips(10410), common::twips(7110));
    common::setGroundColour(this, common::LightOrange);

    Label1 = makeFormLabel(this, "Label1", QString(), 240, 360, 9855, 3135, 13.5, false);
    Label2 = makeFormLabel(this, "Label2", QString(), 240, 3960, 9975, 1695, 13.5, false);
    Label3 = makeFormLabel(this, "Label3", QStringLiteral("Желаем успеха!"), 3840, 6000, 3255, 855,
                           18, true);
}

void Form2::Form_Load()
{
    const QString opening = QStringLiteral(
        " Кодирование и шифрование информации - очень увлекательное и интересное дело. Первый и "
        "самый простой пример кодирования информации - перевод на другой язык. Существует много "
        "других примеров кодирования текстов.");
    const QString figures = QStringLiteral(
        "Можно, например, зашифровать послание забавными рисунками маленьких человечков, где "
        "каждая фигурка обозначает одну букву.");
    const QString closing = QStringLiteral("В нашей программе вам предстоит познакомиться с этим "
                                           "способом и расшифровать предложенные слова.");
    Label1->setText(opening + QLatin1Char(' ') + figures + QLatin1Char(' ') + closing);
    Label2->setText(QStringLiteral(
        " Как работать с тестом? Нажмите кнопку 'Слово', в верхнем поле появится шифр. С помощью "
        "кодовой таблицы расшифруйте его и напишите в текстовое поле. При повторном нажатии "
        "кнопки появится новое слово. Затем узнайте свой результат."));
}

} // namespace figurinex
