#include "wordround.h"

#include <QtTest>

using namespace figurinex;

class WordRoundTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldShowTenFixedWordsThenTheEndPicture();
    void shouldLowerCaseTheAnswerAndTrimNothing_data();
    void shouldLowerCaseTheAnswerAndTrimNothing();
    void shouldGiveTheVerdictOfEachBand();
};

void WordRoundTest::shouldShowTenFixedWordsThenTheEndPicture()
{
    const QStringList words = {"компьютер", "программа", "сканер", "клавиатура", "принтер",
                               "процессор", "память",    "мышь",   "монитор",    "дискета"};
    int step = 0;
    for (const QString& word : words) {
        step = nextWordStep(step);
        QCOMPARE(roundWord(step), word);
        QCOMPARE(wordPictureFile(step), word + QStringLiteral(".bmp"));
    }
    QCOMPARE(step, 10);
    // The eleventh press shows the end picture, the twelfth starts again.
    step = nextWordStep(step);
    QCOMPARE(step, 0);
    QVERIFY(roundWord(step).isEmpty());
    QCOMPARE(wordPictureFile(step), QStringLiteral("всё.bmp"));
    QCOMPARE(nextWordStep(step), 1);
}

void WordRoundTest::shouldLowerCaseTheAnswerAndTrimNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("word");
    QTest::addColumn<bool>("right");
    QTest::addRow("as stored") << "компьютер"
                               << "компьютер" << true;
    QTest::addRow("capitals") << "КОМПЬЮТЕР"
                              << "компьютер" << true;
    QTest::addRow("first capital") << "Компьютер"
                                   << "компьютер" << true;
    QTest::addRow("leading blank") << " компьютер"
                                   << "компьютер" << false;
    QTest::addRow("trailing blank") << "компьютер "
                                    << "компьютер" << false;
    QTest::addRow("a Latin o") << "кoмпьютер"
                               << "компьютер" << false;
    QTest::addRow("empty") << ""
                           << "компьютер" << false;
    QTest::addRow("capital Ё") << "ВСЁ"
                               << "всё" << true;
    QTest::addRow("е for ё") << "все"
                             << "всё" << false;
}

void WordRoundTest::shouldLowerCaseTheAnswerAndTrimNothing()
{
    QFETCH(QString, typed);
    QFETCH(QString, word);
    QTEST(isRightAnswer(typed, word), "right");
}

void WordRoundTest::shouldGiveTheVerdictOfEachBand()
{
    const QStringList bands = {"Попробуй ещё раз!", "Плохо, дружок!",
                               "Неплохо, но будь внимательней!", "Хорошо!", "Молодец!"};
    const int firstOfBand[] = {0, 3, 5, 7, 9, 11};
    for (int band = 0; band < 5; ++band) {
        for (int correct = firstOfBand[band]; correct < firstOfBand[band + 1]; ++correct)
            QCOMPARE(verdictFor(correct), bands[band]);
    }
    QCOMPARE(countLine(7), QStringLiteral("Правильных ответов -  7"));
}

QTEST_APPLESS_MAIN(WordRoundTest)
#include "tst_wordround.moc"
