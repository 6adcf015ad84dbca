#include "forumfile.h"
#include "testsupport.h"

#include <QtTest>

using namespace korventa;
using namespace Qt::Literals::StringLiterals;

class ForumFileTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldWriteForumRecordsByteForByte_data();
    void shouldWriteForumRecordsByteForByte();
    void shouldRefuseASaveThatCannotBeWritten();
};

void ForumFileTest::shouldWriteForumRecordsByteForByte_data()
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

void ForumFileTest::shouldWriteForumRecordsByteForByte()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, record);
    QCOMPARE(forumRecord(text), record);
}

void ForumFileTest::shouldRefuseASaveThatCannotBeWritten()
{
    testsupport::TemporaryCurrentFolder folder;
    QString reason;
    QVERIFY(!appendForumRecord(folder.filePath(u"no such folder/FORUM.txt"_s), u"x"_s, &reason));
    QCOMPARE(reason, u"папка не найдена"_s);
    QVERIFY(QDir(folder.path()).mkdir(u"FORUM.txt"_s));
    QVERIFY(!appendForumRecord(u"FORUM.txt"_s, u"x"_s, &reason));
    QVERIFY(reason.contains(u"папка"_s));
}

QTEST_GUILESS_MAIN(ForumFileTest)
#include "tst_forumfile.moc"
