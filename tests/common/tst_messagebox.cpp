#include "messagebox.h"

#include <QtTest>

using common::BoxAnswer;
using common::BoxButtons;
using common::BoxIcon;

class MessageBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldRecordBoxesAndAnswerInTurn();
    void shouldRestoreThePreviousHandler();
};

void MessageBoxTest::shouldRecordBoxesAndAnswerInTurn()
{
    common::MessageBoxRecorder recorder;
    recorder.answers = {BoxAnswer::No};
    QCOMPARE(common::showMessageBox("Выйти?", "Выход", BoxIcon::Question, BoxButtons::YesNo),
             BoxAnswer::No);
    QCOMPARE(common::showMessageBox("Выйти?", "Выход", BoxIcon::Question, BoxButtons::YesNo),
             BoxAnswer::Yes);
    QCOMPARE(common::showMessageBox("Готово", "Справка"), BoxAnswer::Ok);
    QCOMPARE(recorder.count(), 3);
    QCOMPARE(recorder.boxes[0].caption, QString("Выход"));
    QCOMPARE(recorder.boxes[0].icon, BoxIcon::Question);
    QCOMPARE(recorder.last().text, QString("Готово"));
    QCOMPARE(recorder.last().buttons, BoxButtons::Ok);
}

void MessageBoxTest::shouldRestoreThePreviousHandler()
{
    common::MessageBoxRecorder outer;
    {
        common::MessageBoxRecorder inner;
        common::showMessageBox("inner", "Справка");
        QCOMPARE(inner.count(), 1);
    }
    common::showMessageBox("outer", "Справка");
    QCOMPARE(outer.count(), 1);
    QCOMPARE(outer.last().text, QString("outer"));
}

QTEST_MAIN(MessageBoxTest)
#include "tst_messagebox.moc"
