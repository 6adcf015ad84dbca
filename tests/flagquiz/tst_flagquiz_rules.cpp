#include "flags.h"
#include "forumfile.h"
#include "quizwords.h"
#include "testsupport.h"

#include <QtTest>

using namespace korventa;
using namespace Qt::Literals::StringLiterals;

Q_DECLARE_METATYPE(std::vector<int>)

class FlagQuizRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldSpellEveryQuizWordWithItsOwnLetters_data();
    void shouldSpellEveryQuizWordWithItsOwnLetters();
    void shouldDrawEveryFlagAtItsSizeAndUnlikeTheOthers();
    void shouldDrawTheColoursOfTheDesignTable_data();
    void shouldDrawTheColoursOfTheDesignTable();
    void shouldWriteForumRecordsByteForByte_data();
    void shouldWriteForumRecordsByteForByte();
    void shouldRefuseASaveThatCannotBeWritten();
};

void FlagQuizRulesTest::shouldSpellEveryQuizWordWithItsOwnLetters_data()
{
    QTest::addColumn<QString>("word");
    QTest::addColumn<std::vector<int>>("flags");
    for (int k = 1; k <= WordsPerTest; ++k) {
        const QuizWord* words[] = {&test1Word(Test1Variant::First, k),
                                   &test1Word(Test1Variant::Second, k), &test2Word(k)};
        const char* lists[] = {"test 1 variant I", "test 1 variant II", "test 2"};
        for (int i = 0; i < 3; ++i)
            QTest::addRow("%s word %d", lists[i], k)
                << QString::fromUtf16(words[i]->word) << words[i]->flags;
    }
}

void FlagQuizRulesTest::shouldSpellEveryQuizWordWithItsOwnLetters()
{
    QFETCH(QString, word);
    QFETCH(std::vector<int>, flags);
    QVERIFY(flags.size() <= SlotCount);
    QCOMPARE(static_cast<qsizetype>(flags.size()), word.size());
    for (size_t i = 0; i < flags.size(); ++i)
        QCOMPARE(flagLetter(flags[i]), word.mid(static_cast<qsizetype>(i), 1).toUpper());
}

void FlagQuizRulesTest::shouldDrawEveryFlagAtItsSizeAndUnlikeTheOthers()
{
    QList<QImage> images;
    for (int n = 1; n <= FlagCount; ++n) {
        const QImage image = drawFlag(n);
        QCOMPARE(image.size(), n == YoFlag ? QSize(92, 41) : QSize(160, 120));
        QVERIFY2(!images.contains(image), qPrintable(flagLetter(n)));
        images << image;
    }
}

void FlagQuizRulesTest::shouldDrawTheColoursOfTheDesignTable_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("expected"); // invalid: transparent
    const QColor red(0xd0, 0x20, 0x2a), white(Qt::white), blue(0x1d, 0x3f, 0x9a),
        yellow(0xf6, 0xcd, 0x1a), black(0x16, 0x16, 0x16);
    QTest::addRow("А white box at the hoist") << 1 << QPoint(30, 60) << white;
    QTest::addRow("А tails cut at the fly") << 1 << QPoint(155, 60) << QColor();
    QTest::addRow("В red border") << 3 << QPoint(4, 60) << red;
    QTest::addRow("В blue core") << 3 << QPoint(48, 60) << blue;
    QTest::addRow("Ё black under white") << YoFlag << QPoint(20, 33) << black;
    QTest::addRow("З blue top-left") << 9 << QPoint(10, 10) << blue;
    QTest::addRow("П blue fly") << 17 << QPoint(130, 60) << blue;
    QTest::addRow("Т black top-right") << 20 << QPoint(130, 20) << black;
    QTest::addRow("Ы stripe rises to the fly") << 29 << QPoint(140, 15) << white;
    QTest::addRow("Я yellow cross") << 33 << QPoint(80, 20) << yellow;
}

void FlagQuizRulesTest::shouldDrawTheColoursOfTheDesignTable()
{
    QFETCH(int, flag);
    QFETCH(QPoint, point);
    QFETCH(QColor, expected);
    const QColor actual = drawFlag(flag).pixelColor(point);
    if (expected.isValid())
        QCOMPARE(actual.rgba(), expected.rgba());
    else
        QCOMPARE(actual.alpha(), 0);
}

void FlagQuizRulesTest::shouldWriteForumRecordsByteForByte_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("record");
    QTest::addRow("abc") << u"abc"_s << QByteArray("\"abc\"\r\n");
    QTest::addRow("empty") << QString() << QByteArray("\"\"\r\n");
    QTest::addRow("two lines") << u"one\ntwo"_s << QByteArray("\"one\r\ntwo\"\r\n");
    QTest::addRow("double quote") << QStringLiteral("say \"hi\"")
                                  << QByteArray("\"say \"hi\"\"\r\n");
    QTest::addRow("cyrillic") << u"Флаг ё"_s << QByteArray("\"\xd4\xeb\xe0\xe3 \xb8\"\r\n");
}

void FlagQuizRulesTest::shouldWriteForumRecordsByteForByte()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, record);
    QCOMPARE(forumRecord(text), record);
}

void FlagQuizRulesTest::shouldRefuseASaveThatCannotBeWritten()
{
    testsupport::TemporaryCurrentFolder folder;
    QString reason;
    QVERIFY(!appendForumRecord(folder.filePath(u"no such folder/FORUM.txt"_s), u"x"_s, &reason));
    QCOMPARE(reason, u"папка не найдена"_s);
    QVERIFY(QDir(folder.path()).mkdir(u"FORUM.txt"_s));
    QVERIFY(!appendForumRecord(u"FORUM.txt"_s, u"x"_s, &reason));
    QVERIFY(reason.contains(u"папка"_s));
}

QTEST_GUILESS_MAIN(FlagQuizRulesTest)
#include "tst_flagquiz_rules.moc"
