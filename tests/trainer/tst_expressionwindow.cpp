#include "application.h"
#include "authorswindow.h"
#include "expressionwindow.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "testsupport.h"
#include "truthtablewindow.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace veritabula;

class ExpressionWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldEndTheRunWhenTheExpressionWindowCloses();
    void shouldEnableOnlyKeysThatMayFollow_data();
    void shouldEnableOnlyKeysThatMayFollow();
    void shouldCountParenthesesForTheWholeRun();
    void shouldOfferMoreLettersOnRightButton();
    void shouldTurnTypedLettersIntoCapitals();
    void shouldCopyChosenTextIntoField_data();
    void shouldCopyChosenTextIntoField();
    void shouldStartFocusAtFirstInTabOrder();
    void shouldShowHelpText();
    void shouldRefuseTooShortExpressionsSilently_data();
    void shouldRefuseTooShortExpressionsSilently();
    void shouldHandOnAndRememberExpressionOnce();
    void shouldRefuseExpressionTheEngineRejects_data();
    void shouldRefuseExpressionTheEngineRejects();
    void shouldAnswerStartAtOnceForTheLongestText_data();
    void shouldAnswerStartAtOnceForTheLongestText();
    void shouldDrawTheWindow();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    std::unique_ptr<common::MessageBoxRecorder> boxes_;
};

namespace {

const QString startState = QStringLiteral("A B C D ( ¬");
const QString operandState = QStringLiteral("* + => <-> <>");
const QString operandStateWithClosing = QStringLiteral("* + => <-> <> )");

QList<QPushButton*> keypad()
{
    return {frmTable->btnA,    frmTable->btnB,   frmTable->btnC,   frmTable->btnD,
            frmTable->btnOP,   frmTable->btnINV, frmTable->btnDIS, frmTable->btnCON,
            frmTable->btnIMPL, frmTable->btnEQU, frmTable->btnXOR, frmTable->btnCL};
}

// Clicks the keys by caption, as a pupil does; a disabled key takes no click.
void keys(const QString& captions)
{
    for (const QString& caption : captions.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        for (QPushButton* key : keypad()) {
            if (key->text() == caption)
                QTest::mouseClick(key, Qt::LeftButton);
        }
    }
}

QString enabledKeys()
{
    QStringList on;
    for (QPushButton* key : keypad()) {
        if (key->isEnabled())
            on << key->text();
    }
    return on.join(QLatin1Char(' '));
}

// The windows of a run, with the expression window open; with a port and no
// address the link tries nothing.
void openKeypad()
{
    createWindows();
    frmMain->EditPort->setText(QStringLiteral("49003"));
    frmMain->btnTablClick();
}

void start()
{
    QTest::mouseClick(frmTable->btnStart, Qt::LeftButton);
}

} // namespace

void ExpressionWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>();
    boxes_ = std::make_unique<common::MessageBoxRecorder>();
}

void ExpressionWindowTest::cleanup()
{
    destroyWindows();
    boxes_.reset();
    folder_.reset();
}

void ExpressionWindowTest::shouldEndTheRunWhenTheExpressionWindowCloses()
{
    openKeypad();
    FormInfo->show(); // an open authors' page must not keep the program alive
    QTimer::singleShot(0, [] { frmTable->close(); });
    QTimer watchdog;
    connect(&watchdog, &QTimer::timeout, [] { QCoreApplication::exit(1); });
    watchdog.start(5000);
    QCOMPARE(QCoreApplication::exec(), 0);
}

void ExpressionWindowTest::shouldEnableOnlyKeysThatMayFollow_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("enabled");
    QTest::addRow("first showing") << ""
                                   << "" << startState;
    QTest::addRow("operands and operators") << "A <> B <-> C => D + A * B"
                                            << "A<>B<->C=>D+A*B" << operandState;
    QTest::addRow("open parenthesis changes nothing") << "( ("
                                                      << "((" << startState;
    QTest::addRow("operand inside a group") << "( A"
                                            << "(A" << operandStateWithClosing;
    QTest::addRow("group closed") << "( A )"
                                  << "(A)" << operandState;
    QTest::addRow("operator after a group") << "( A ) *"
                                            << "(A)*" << startState;
    QTest::addRow("nested, one still open") << "( ( A )"
                                            << "((A)" << operandStateWithClosing;
    QTest::addRow("negation after negation") << "¬ ¬ A"
                                             << "¬¬A" << operandState;
}

void ExpressionWindowTest::shouldEnableOnlyKeysThatMayFollow()
{
    QFETCH(QString, pressed);
    createWindows();
    // Until the first showing every key is on.
    QCOMPARE(enabledKeys(), QStringLiteral("A B C D ( ¬ * + => <-> <> )"));
    frmMain->EditPort->setText(QStringLiteral("49003"));
    frmMain->btnTablClick();
    keys(pressed);
    QTEST(frmTable->EditIN->text(), "text");
    QTEST(enabledKeys(), "enabled");
    QVERIFY(!frmTable->EditIN->isEnabled());
}

void ExpressionWindowTest::shouldCountParenthesesForTheWholeRun()
{
    openKeypad();
    keys(QStringLiteral("( A +"));
    QTest::mouseClick(frmTable->ButtonClear, Qt::LeftButton);
    QVERIFY(frmTable->EditIN->text().isEmpty());
    QCOMPARE(enabledKeys(), startState);
    keys(QStringLiteral("A")); // the "(" before "Очистить" still counts
    QCOMPARE(enabledKeys(), operandStateWithClosing);

    frmTable->N2Click(); // ... and across showings, which clear the field
    frmMain->btnTablClick();
    QVERIFY(frmTable->EditIN->text().isEmpty());
    QCOMPARE(enabledKeys(), startState);
    keys(QStringLiteral("B )"));
    QCOMPARE(enabledKeys(), operandState);
}

void ExpressionWindowTest::shouldOfferMoreLettersOnRightButton()
{
    openKeypad();
    QTest::mousePress(frmTable->btnC, Qt::RightButton);
    QVERIFY(frmTable->PopupMenuVar->isVisible());
    QString letters;
    for (QAction* item : frmTable->PopupMenuVar->actions())
        letters += item->text();
    QCOMPARE(letters, QStringLiteral("EFGHIJKLMNOPQRSTUWXYZ"));

    frmTable->findChild<QAction*>(QStringLiteral("K1"))->trigger();
    frmTable->PopupMenuVar->hide();
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("K"));
    QCOMPARE(enabledKeys(), operandState);
    QTest::mousePress(frmTable->btnA, Qt::RightButton); // disabled: no pop-up
    QVERIFY(!frmTable->PopupMenuVar->isVisible());
}

void ExpressionWindowTest::shouldTurnTypedLettersIntoCapitals()
{
    openKeypad();
    QTest::mouseClick(frmTable->btnKeyboard, Qt::LeftButton);
    QVERIFY(frmTable->EditIN->isEnabled() && !frmTable->btnKeyboard->isEnabled());
    QTest::keyClicks(frmTable->EditIN, QStringLiteral("a*(b+"));
    QTest::sendKeyEvent(QTest::Click, frmTable->EditIN, Qt::Key_unknown, QStringLiteral("ё"),
                        Qt::NoModifier);
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("A*(B+Ё"));
    QCOMPARE(enabledKeys(), startState); // typing leaves keypad and counters alone
    QCOMPARE(frmTable->openParens, 0);
    frmTable->EditIN->setCursorPosition(0);
    keys(QStringLiteral("C")); // a key appends at the end wherever the caret is
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("A*(B+ЁC"));
}

void ExpressionWindowTest::shouldCopyChosenTextIntoField_data()
{
    QTest::addColumn<QString>("teacher");
    QTest::addColumn<QString>("field");
    QTest::addRow("lines joined, capitals") << "a*\nB"
                                            << "A*B";
    QTest::addRow("every line end dropped") << "A\r\n*\rB\r\n"
                                            << "A*B";
    QTest::addRow("no-break space kept") << "A\u00a0*B"
                                         << "A\u00a0*B";
    QTest::addRow("empty box empties the field") << ""
                                                 << "";
}

void ExpressionWindowTest::shouldCopyChosenTextIntoField()
{
    QFETCH(QString, teacher);
    openKeypad();
    keys(QStringLiteral("A"));
    frmTable->MemoTeacher->setPlainText(teacher);
    QTest::mouseClick(frmTable->MemoTeacher->viewport(), Qt::LeftButton);
    QTEST(frmTable->EditIN->text(), "field");

    frmTable->ListBoxLast->addItems({QStringLiteral("C+D"), QStringLiteral("A<>B")});
    const QRect second = frmTable->ListBoxLast->visualItemRect(frmTable->ListBoxLast->item(1));
    QTest::mouseClick(frmTable->ListBoxLast->viewport(), Qt::LeftButton, {}, second.center());
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("A<>B"));
    QCOMPARE(enabledKeys(), operandState); // the keypad stays as it was
}

void ExpressionWindowTest::shouldStartFocusAtFirstInTabOrder()
{
    openKeypad();
    frmTable->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(frmTable));
    // The field is disabled until keyboard entry is on: "Начать" takes the focus.
    QCOMPARE(
        testsupport::focusRing(frmTable).join(QLatin1Char(' ')),
        QStringLiteral("btnStart btnA btnB btnC btnD btnCON btnDIS btnIMPL btnEQU btnINV btnXOR "
                       "btnOP btnCL ButtonClear btnKeyboard ListBoxLast MemoTeacher EditIN"));
}

void ExpressionWindowTest::shouldShowHelpText()
{
    openKeypad();
    frmTable->N1->trigger();
    QCOMPARE(boxes_->last().caption, QStringLiteral("Справка"));
    const QStringList lines = boxes_->last().text.split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 11);
    QCOMPARE(lines.at(1), QStringLiteral("+,V,\\/ - Дизъюнкция"));
    QCOMPARE(lines.at(2), QStringLiteral("*,/\\ - Конъюнкция"));
    QVERIFY(lines.at(6).isEmpty());
}

void ExpressionWindowTest::shouldRefuseTooShortExpressionsSilently_data()
{
    QTest::addColumn<QString>("text");
    QTest::addRow("empty") << "";
    QTest::addRow("one variable") << "A";
    QTest::addRow("pairs laid bare by a removal") << "(())";
    QTest::addRow("variable among empty pairs") << "()A()";
}

void ExpressionWindowTest::shouldRefuseTooShortExpressionsSilently()
{
    QFETCH(QString, text);
    openKeypad();
    frmTable->EditIN->setText(text);
    start();
    QCOMPARE(boxes_->count(), 0);
    QCOMPARE(frmTable->ListBoxLast->count(), 0);
    QVERIFY(frmTable->isVisible() && !frmTableCr->isVisible());
    QCOMPARE(frmTable->EditIN->text(), text);
}

void ExpressionWindowTest::shouldHandOnAndRememberExpressionOnce()
{
    openKeypad();
    keys(QStringLiteral("A * B"));
    QString seenByTable;
    boxes_->onBox = [&seenByTable](const common::BoxRequest&) {
        seenByTable = frmTable->EditIN->text();
    };
    start();
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().caption, QStringLiteral("Предупреждение"));
    QCOMPARE(seenByTable, QStringLiteral("A*B"));
    QVERIFY(frmTableCr->isVisible() && !frmTable->isVisible());

    for (const QString& next : {QStringLiteral("A * B"), QStringLiteral("( A + B ) => C")}) {
        frmTableCr->hide(); // as its "Назад" does
        frmTable->show();
        keys(next);
        start();
    }
    QCOMPARE(boxes_->count(), 1); // no second warning
    QCOMPARE(frmTable->ListBoxLast->count(), 2);
    QCOMPARE(frmTable->ListBoxLast->item(1)->text(), QStringLiteral("(A+B)=>C"));
}

void ExpressionWindowTest::shouldRefuseExpressionTheEngineRejects_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("normalized");
    QTest::addRow("operand missing") << "a*"
                                     << "A*";
    QTest::addRow("empty pair inside") << "(A)*()B"
                                       << "(A)*()B";
    QTest::addRow("unclosed group, other spelling") << "a&(b"
                                                    << "A*(B";
}

void ExpressionWindowTest::shouldRefuseExpressionTheEngineRejects()
{
    QFETCH(QString, typed);
    QFETCH(QString, normalized);
    openKeypad();
    frmTable->EditIN->setText(typed);
    const QString field = frmTable->EditIN->text();
    start();
    QCOMPARE(boxes_->count(), 1);
    QCOMPARE(boxes_->last().caption, QStringLiteral("Ошибка"));
    QCOMPARE(boxes_->last().icon, common::BoxIcon::None);
    QVERIFY2(boxes_->last().text.endsWith(QStringLiteral("\nВыражение: ") + normalized),
             qPrintable(boxes_->last().text));
    // Nothing else happens: the pupil can mend the text.
    QCOMPARE(frmTable->EditIN->text(), field);
    QCOMPARE(frmTable->ListBoxLast->count(), 0);
    QVERIFY(!frmTable->warningShown);
    QVERIFY(frmTable->isVisible() && !frmTableCr->isVisible());
}

void ExpressionWindowTest::shouldAnswerStartAtOnceForTheLongestText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message"); // empty: refused without a box
    const int half = 32767 / 2;           // the entry field holds 32767 characters
    QTest::addRow("a sum") << QStringLiteral("A") + QStringLiteral("+A").repeated(half)
                           << "В позиции 62 лишняя операция «+»: в выражении может быть не "
                              "больше 30 операций, иначе таблица выйдет слишком большой.";
    QTest::addRow("nested empty pairs")
        << QStringLiteral("(").repeated(half) + QStringLiteral(")").repeated(half) << "";
}

void ExpressionWindowTest::shouldAnswerStartAtOnceForTheLongestText()
{
    QFETCH(QString, text);
    QFETCH(QString, message);
    openKeypad();
    frmTable->EditIN->setText(text);
    QCOMPARE(frmTable->EditIN->text(), text);
    QElapsedTimer timer;
    timer.start();
    start();
    const qint64 elapsed = timer.elapsed();
    qInfo("\"Начать\" answered in %lld ms", static_cast<long long>(elapsed));
    QVERIFY2(elapsed < 100, qPrintable(QString::number(elapsed)));
    QCOMPARE(boxes_->count(), message.isEmpty() ? 0 : 1);
    if (!message.isEmpty()) {
        // The box names the limit and shows only the start of the expression.
        QVERIFY2(boxes_->last().text.startsWith(message + QStringLiteral("\nВыражение: A+A+")),
                 qPrintable(boxes_->last().text.left(300)));
        QVERIFY(boxes_->last().text.size() < message.size() + 200);
    }
    QCOMPARE(frmTable->ListBoxLast->count(), 0);
    QVERIFY(frmTable->isVisible() && !frmTableCr->isVisible());
}

void ExpressionWindowTest::shouldDrawTheWindow()
{
    openKeypad();
    keys(QStringLiteral("¬ ( A + B ) * C"));
    frmTable->ListBoxLast->addItems({QStringLiteral("A*B"), QStringLiteral("(A+B)=>C")});
    frmTable->MemoTeacher->setPlainText(QStringLiteral("A<->B"));
    testsupport::saveScreenshot(frmTable, QStringLiteral("veritabula-expression-window"));
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    app.setQuitOnLastWindowClosed(false);
    ExpressionWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_expressionwindow.moc"
