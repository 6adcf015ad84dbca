#include "files.h"

#include <QRegularExpression>
#include <QtTest>

using namespace Qt::Literals::StringLiterals;

class FilesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldTellEveryReasonInWords_data();
    void shouldTellEveryReasonInWords();
};

void FilesTest::shouldTellEveryReasonInWords_data()
{
    QTest::addColumn<common::FileAccess>("access");
    QTest::addColumn<QString>("withoutText"); // for a code the system has no text for
    QTest::addRow("reading") << common::FileAccess::Read << u"не удалось прочитать файл"_s;
    QTest::addRow("writing") << common::FileAccess::Write << u"не удалось записать файл"_s;
}

void FilesTest::shouldTellEveryReasonInWords()
{
    QFETCH(common::FileAccess, access);
    // Every reason the system can give is told in words, never as a code.
    for (int error = 1; error < 256; ++error) {
        const QString reason = common::fileErrorReason(error, access);
        QVERIFY2(!reason.isEmpty() && !reason.contains(QRegularExpression(u"[0-9A-Za-z]"_s)),
                 qPrintable(reason));
    }
    QTEST(common::fileErrorReason(255, access), "withoutText");
}

QTEST_APPLESS_MAIN(FilesTest)
#include "tst_files.moc"
