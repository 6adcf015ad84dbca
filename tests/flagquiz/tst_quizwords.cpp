#include "flags.h"
#include "quizwords.h"

#include <QtTest>

using namespace korventa;

Q_DECLARE_METATYPE(std::vector<int>)

class QuizWordsTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldHoldEveryWordWithTheFlagsThatSpellIt_data();
    void shouldHoldEveryWordWithTheFlagsThatSpellIt();
};

namespace {

enum List { VariantI, VariantII, Test2 };

const QuizWord& storedWord(List list, int k)
{
    switch (list) {
    case VariantI:
        return test1Word(Test1Variant::First, k);
    case VariantII:
        return test1Word(Test1Variant::Second, k);
    default:
        return test2Word(k);
    }
}

void row(List list, int k, const char* word, std::vector<int> flags)
{
    const char* names[] = {"test 1 variant I", "test 1 variant II", "test 2"};
    QTest::addRow("%s word %d", names[list], k)
        << int(list) << k << QString::fromUtf8(word) << std::move(flags);
}

} // namespace

void QuizWordsTest::shouldHoldEveryWordWithTheFlagsThatSpellIt_data()
{
    QTest::addColumn<int>("list");
    QTest::addColumn<int>("k");
    QTest::addColumn<QString>("word");
    QTest::addColumn<std::vector<int>>("flags"); // for slots 1, 2, ...
    row(VariantI, 1, "файл", {22, 1, 11, 13});
    row(VariantI, 2, "архив", {1, 18, 23, 10, 3});
    row(VariantI, 3, "папка", {17, 1, 17, 12, 1});
    row(VariantI, 4, "ярлык", {33, 18, 13, 29, 12});
    row(VariantI, 5, "вирус", {3, 10, 18, 21, 19});
    row(VariantII, 1, "алгоритм", {1, 13, 4, 16, 18, 10, 20, 14});
    row(VariantII, 2, "массив", {14, 1, 19, 19, 10, 3});
    row(VariantII, 3, "меню", {14, 6, 15, 32});
    row(VariantII, 4, "интернет", {10, 15, 20, 6, 18, 15, 6, 20});
    row(VariantII, 5, "каталог", {12, 1, 20, 1, 13, 16, 4});
    row(Test2, 1, "Драйвер", {5, 18, 1, 11, 3, 6, 18});
    row(Test2, 2, "форма", {22, 16, 18, 14, 1});
    row(Test2, 3, "система", {19, 10, 19, 20, 6, 14, 1});
    row(Test2, 4, "частота", {25, 1, 19, 20, 16, 20, 1});
    row(Test2, 5, "диск", {5, 10, 19, 12});
}

void QuizWordsTest::shouldHoldEveryWordWithTheFlagsThatSpellIt()
{
    QFETCH(int, list);
    QFETCH(int, k);
    QFETCH(QString, word);
    QFETCH(std::vector<int>, flags);
    const QuizWord& stored = storedWord(List(list), k);
    QCOMPARE(QString::fromUtf16(stored.word), word);
    QVERIFY(stored.flags == flags);
    // Each flag is the letter of the word at its place.
    QVERIFY(flags.size() <= SlotCount);
    QCOMPARE(static_cast<qsizetype>(flags.size()), word.size());
    for (size_t i = 0; i < flags.size(); ++i)
        QCOMPARE(flagLetter(flags[i]), word.mid(static_cast<qsizetype>(i), 1).toUpper());
}

QTEST_APPLESS_MAIN(QuizWordsTest)
#include "tst_quizwords.moc"
