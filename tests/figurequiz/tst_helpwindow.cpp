#include "helpwindow.h"

#include <QLabel>
#include <QtTest>

class HelpWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldSetItsTextsAtLoad();
};

void HelpWindowTest::shouldSetItsTextsAtLoad()
{
    figurinex::Form2 help;
    QCOMPARE(help.windowTitle(), QStringLiteral("Справка"));
    QVERIFY(help.Label1->text().isEmpty() && help.Label2->text().isEmpty());
    help.Form_Load();
    // The introduction: its first and last pieces, joined by single blanks
    // to the sentence on the figure cipher between them.
    const QString introduction = help.Label1->text();
    QVERIFY2(introduction.startsWith(QStringLiteral(
                 " Кодирование и шифрование информации - очень увлекательное и интересное "
                 "дело. Первый и самый простой пример кодирования информации - перевод на "
                 "другой язык. Существует много других примеров кодирования текстов. ")),
             qPrintable(introduction));
    QVERIFY2(introduction.endsWith(QStringLiteral(" В нашей программе вам предстоит "
                                                  "познакомиться с этим способом и расшифровать "
                                                  "предложенные слова.")),
             qPrintable(introduction));
    QCOMPARE(help.Label2->text(),
             QStringLiteral(" Как работать с тестом? Нажмите кнопку 'Слово', в верхнем поле "
                            "появится шифр. С помощью кодовой таблицы расшифруйте его и "
                            "напишите в текстовое поле. При повторном нажатии кнопки появится "
                            "новое слово. Затем узнайте свой результат."));
    QCOMPARE(help.Label3->text(), QStringLiteral("Желаем успеха!"));
}

QTEST_MAIN(HelpWindowTest)
#include "tst_helpwindow.moc"
