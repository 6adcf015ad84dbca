#include "programexit.h"

#include <QtTest>

class ProgramExitTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldStopAtExitAndRecordTheCode();
};

void ProgramExitTest::shouldStopAtExitAndRecordTheCode()
{
    common::ProgramExitCatcher catcher;
    bool after = false;
    QVERIFY_THROWS_EXCEPTION(common::ProgramExit, [&] {
        common::exitProgram(3);
        after = true;
    }());
    QVERIFY(!after);
    QCOMPARE(catcher.exits, 1);
    QCOMPARE(catcher.lastCode, 3);
}

QTEST_APPLESS_MAIN(ProgramExitTest)
#include "tst_programexit.moc"
