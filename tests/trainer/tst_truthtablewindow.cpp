#include "application.h"
#include "exercise.h"
#include "expressionwindow.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "program.h"
#include "teacherlink.h"
#include "testsupport.h"
#include "text.h"
#include "truthtablewindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <cmath>
#include <memory>

using namespace veritabula;

namespace {

// An answer as the Parts give it: the captions of the columns, the last one
// "F", and the rows of 0 and 1, the first all zeros, the first variable the
// highest bit.
struct Answer
{
    QStringList captions;
    QStringList rows;
};

const Answer AandB{{"A", "B", "F"}, {"000", "010", "100", "111"}};

const Answer TwoConjunctions{{"A", "B", "C", "D", "A*B", "C*D", "F"},
                             {"0000000", "0001000", "0010000", "0011011", "0100000", "0101000",
                              "0110000", "0111011", "1000000", "1001000", "1010000", "1011011",
                              "1100101", "1101101", "1110101", "1111111"}};

// Fills the grid with the answer, except for `spoiled` cells, which get the
// wrong value (headers a wrong caption), starting from the last row.
void fillGrid(TfrmTableCr* window, const Answer& answer, int spoiled = 0)
{
    QTableWidget* grid = window->StringGrid;
    auto put = [grid](int column, int row, const QString& text) {
        grid->setItem(row, column, new QTableWidgetItem(text));
    };
    const int columns = int(answer.captions.size());
    const int rows = int(answer.rows.size());
    for (int c = 0; c < columns; ++c)
        put(c, 0, answer.captions.at(c));
    for (int r = 1; r <= rows; ++r) {
        for (int c = 0; c < columns; ++c)
            put(c, r, answer.rows.at(r - 1).mid(c, 1));
    }
    for (int k = 0; k < spoiled; ++k) {
        const int row = rows - k / columns;
        const int column = k % columns;
        put(column, row, grid->item(row, column)->text() == "1" ? "0" : "1");
    }
}

void showExercise(const QString& expression)
{
    frmTable->EditIN->setText(expression);
    frmTableCr->show();
}

} // namespace

class TruthTableWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void shouldLayOutTheGridForTheExpression();
    void shouldCentreEveryShowingWithinTheScreen();
    void shouldOfferEveryCaptionOnceInRandomOrder();
    void shouldBuildOnlyWhatTheKeypadLetsThrough_data();
    void shouldBuildOnlyWhatTheKeypadLetsThrough();
    void shouldRefuseDigitsInTheHeaderAndCaptionsBelowIt();
    void shouldGradeTheCheckedGrid_data();
    void shouldGradeTheCheckedGrid();
    void shouldKeepFramesUntilTheCellChanges();
    void shouldKeepAFrameWhileTheCellStaysTheSame_data();
    void shouldKeepAFrameWhileTheCellStaysTheSame();
    void shouldDrawTheCellFramesOverTheWhiteEdge();
    void shouldForgetThePreviousExpressionAfterGoingBack();
    void shouldEndTheRunWhenTheTableCloses();
    void shouldSendTheResultLineAfterAWholeExercise();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    // Catches any box a test does not look at, so that none waits for a click.
    std::unique_ptr<common::MessageBoxRecorder> strayBoxes_;
};

void TruthTableWindowTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>();
    strayBoxes_ = std::make_unique<common::MessageBoxRecorder>();
    createWindows();
}

void TruthTableWindowTest::cleanup()
{
    destroyWindows();
    strayBoxes_.reset();
    folder_.reset();
}

void TruthTableWindowTest::shouldLayOutTheGridForTheExpression()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");
    QCOMPARE(frmTableCr->lblEval->text(), QStringLiteral("Выражение: A*B+C*D"));
    QTableWidget* grid = frmTableCr->StringGrid;
    QCOMPARE(grid->columnCount(), 7);
    QCOMPARE(grid->rowCount(), 17);
    QCOMPARE(AnswerColCount, 8);
    QCOMPARE(AnswerRowCount, 17);
    QCOMPARE(AnswerCaptions, (strarray{"", "A", "B", "C", "D", "A*B", "C*D", "F"}));
    for (int c = 0; c < 7; ++c) {
        QCOMPARE(grid->item(0, c) ? grid->item(0, c)->text() : QString(), QString());
        QCOMPARE(grid->rowHeight(c), 24);
    }

    const QFontMetrics metrics(grid->font());
    int widest = 0;
    for (const QString& caption : QStringList{"A", "B", "C", "D", "A*B", "C*D", "F"})
        widest = std::max(widest, metrics.horizontalAdvance(caption));
    // 1.8 times the widest caption, to the nearest whole number (halves to
    // even), plus 3.
    const int width = static_cast<int>(std::nearbyint(1.8 * widest)) + 3;
    for (int c = 0; c < 7; ++c)
        QCOMPARE(grid->columnWidth(c), width);

    const QRect group = frmTableCr->GroupOper->geometry();
    QCOMPARE(group.top(), grid->geometry().bottom() + 1);
    QCOMPARE(group.left(), 20);
    QVERIFY(grid->width() <= 7 * grid->columnWidth(0) + 15);
    QVERIFY(frmTableCr->centralWidget()->rect().contains(group));
    QCOMPARE(recorder.count(), 0);
}

void TruthTableWindowTest::shouldCentreEveryShowingWithinTheScreen()
{
    common::MessageBoxRecorder recorder;
    const QRect area = frmTableCr->screen()->availableGeometry();
    QRect first;
    for (const char* expression : {"A*B*C*D*E*F*G*H*I*J", "A*B", "A*B"}) {
        showExercise(expression);
        const QRect outer = frmTableCr->frameGeometry();
        QVERIFY2(area.contains(outer), expression);
        QCOMPARE(outer.topLeft(), area.topLeft() + QPoint((area.width() - outer.width()) / 2,
                                                          (area.height() - outer.height()) / 2));
        const QRect check(frmTableCr->btnCheck->mapToGlobal(QPoint(0, 0)),
                          frmTableCr->btnCheck->size());
        QVERIFY2(area.contains(check), expression);
        // Shown again for the same table, the window comes back to the same place.
        if (first.isValid())
            QCOMPARE(outer, first);
        else if (QLatin1String(expression) == QLatin1String("A*B"))
            first = outer;
        frmTableCr->N2Click();
    }
}

void TruthTableWindowTest::shouldOfferEveryCaptionOnceInRandomOrder()
{
    const QStringList inColumnOrder = {"A", "B", "C", "D", "A*B", "C*D", "F"};
    int inOrder = 0;
    for (int round = 0; round < 4; ++round) {
        showExercise("A*B+C*D");
        QStringList offered;
        for (int i = 0; i < frmTableCr->ListOper->count(); ++i)
            offered.append(frmTableCr->ListOper->item(i)->text());
        if (offered == inColumnOrder)
            ++inOrder;
        std::sort(offered.begin(), offered.end());
        QStringList expected = inColumnOrder;
        std::sort(expected.begin(), expected.end());
        QCOMPARE(offered, expected);
        frmTableCr->N2Click();
    }
    QVERIFY(inOrder < 2);

    // Without any operation the last variable's column is headed F.
    showExercise("A");
    QCOMPARE(frmTableCr->StringGrid->columnCount(), 1);
    QCOMPARE(frmTableCr->ListOper->count(), 1);
    QCOMPARE(frmTableCr->ListOper->item(0)->text(), QStringLiteral("F"));
}

void TruthTableWindowTest::shouldBuildOnlyWhatTheKeypadLetsThrough_data()
{
    QTest::addColumn<QString>("expression");
    QTest::addColumn<int>("columns"); // 0: an empty grid, nothing to check
    QTest::addColumn<int>("rows");
    QTest::addRow("empty") << "" << 0 << 1;
    QTest::addRow("an operand that names no column") << "A+1" << 0 << 1;
    QTest::addRow("an operator without its operand") << "A*" << 0 << 1;
    QTest::addRow("eleven variables") << "A+B+C+D+E+F+G+H+I+J+K" << 0 << 1;
    QTest::addRow("ten variables") << "A+B+C+D+E+F+G+H+I+J" << 19 << 1025;
    QTest::addRow("thirty operations") << "A" + QStringLiteral("+A").repeated(30) << 31 << 3;
    QTest::addRow("thirty-one operations") << "A" + QStringLiteral("+A").repeated(31) << 0 << 1;
    QTest::addRow("the longest text of the entry field")
        << "A" + QStringLiteral("+A").repeated(32767 / 2) << 0 << 1;
}

void TruthTableWindowTest::shouldBuildOnlyWhatTheKeypadLetsThrough()
{
    QFETCH(QString, expression);
    QFETCH(int, columns);
    QFETCH(int, rows);
    showExercise("A*B");
    frmTableCr->N2Click();
    showExercise(expression);
    QCOMPARE(frmTableCr->StringGrid->columnCount(), columns);
    QCOMPARE(frmTableCr->StringGrid->rowCount(), rows);
    QCOMPARE(AnswerColCount, columns + 1);
    QCOMPARE(AnswerRowCount, rows);
    QCOMPARE(frmTableCr->ListOper->count(), columns);
    QCOMPARE(frmTableCr->btnCheck->isEnabled(), columns > 0);
}

void TruthTableWindowTest::shouldRefuseDigitsInTheHeaderAndCaptionsBelowIt()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B");
    QTableWidget* grid = frmTableCr->StringGrid;
    grid->setCurrentCell(0, 1);
    frmTableCr->btn0Click();
    frmTableCr->btn1Click();
    QTest::keyClick(grid, Qt::Key_1);
    QTest::keyClick(grid, Qt::Key_X);
    QCOMPARE(recorder.count(), 4);
    for (const common::BoxRequest& box : recorder.boxes)
        QCOMPARE(box.text + box.caption, QStringLiteral("Это строка для операцийОшибка"));
    QVERIFY(!grid->item(0, 1));

    recorder.clear();
    grid->setCurrentCell(2, 0);
    frmTableCr->ListOper->setCurrentRow(0);
    frmTableCr->ListOperClick();
    QCOMPARE(recorder.last().text + recorder.last().caption,
             QStringLiteral("Это строка для вычисленийОшибка"));
    QVERIFY(!grid->item(2, 0));

    // In the header row a clicked item is written and stays in the list.
    recorder.clear();
    grid->setCurrentCell(0, 2);
    QListWidget* list = frmTableCr->ListOper;
    const QString text = list->item(1)->text();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    QCOMPARE(grid->item(0, 2)->text(), text);
    QCOMPARE(list->count(), 3);

    // Below the header the buttons and the keys 0 and 1 write; other keys
    // change nothing, not even the current cell.
    grid->setCurrentCell(1, 0);
    QTest::mouseClick(frmTableCr->btn1, Qt::LeftButton);
    QTest::mouseClick(frmTableCr->btn0, Qt::LeftButton);
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("0"));
    grid->setCurrentCell(2, 1);
    QTest::keyClicks(grid, "12a ");
    QCOMPARE(grid->item(2, 1)->text(), QStringLiteral("1"));
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(grid->currentColumn(), 1);
    QCOMPARE(recorder.count(), 0);
}

void TruthTableWindowTest::shouldGradeTheCheckedGrid_data()
{
    QTest::addColumn<int>("spoiled");
    QTest::addColumn<QString>("text");
    QTest::addRow("perfect") << 0 << "Количество ошибок: 0, Оценка: 5";
    QTest::addRow("one") << 1 << "Количество ошибок: 1, Оценка: 4";
    QTest::addRow("two") << 2 << "Количество ошибок: 2, Оценка: 4";
    QTest::addRow("three") << 3 << "Количество ошибок: 3, Оценка: 3";
    QTest::addRow("four") << 4 << "Количество ошибок: 4, Оценка: 3";
    QTest::addRow("five") << 5 << "Количество ошибок: 5, Оценка: 2";
    QTest::addRow("eleven") << 11 << "Количество ошибок: 11, Оценка: 2";
}

void TruthTableWindowTest::shouldGradeTheCheckedGrid()
{
    QFETCH(int, spoiled);
    QFETCH(QString, text);
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");

    fillGrid(frmTableCr, TwoConjunctions, spoiled);
    QTest::mouseClick(frmTableCr->btnCheck, Qt::LeftButton);
    QCOMPARE(recorder.last().text, text);
    QCOMPARE(recorder.last().caption, QStringLiteral("Результат"));
    QCOMPARE(recorder.last().icon, common::BoxIcon::None);
    QCOMPARE(recorder.last().buttons, common::BoxButtons::Ok);
}

void TruthTableWindowTest::shouldKeepFramesUntilTheCellChanges()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");
    QTableWidget* grid = frmTableCr->StringGrid;
    fillGrid(frmTableCr, TwoConjunctions, 2); // row 16, columns 0 and 1
    // A right caption in the wrong column counts there: the values belong to
    // the column's place, not to the header chosen.
    grid->item(0, 0)->setText("B");
    grid->item(0, 1)->setText("A");
    frmTableCr->btnCheckClick();
    QCOMPARE(recorder.last().text, QStringLiteral("Количество ошибок: 4, Оценка: 3"));
    for (const CellRef& cell : {CellRef{0, 0}, CellRef{1, 0}, CellRef{0, 16}, CellRef{1, 16}})
        QVERIFY(frmTableCr->isMarkedWrong(cell.column, cell.row));
    QVERIFY(!frmTableCr->isMarkedWrong(2, 16));
    testsupport::saveScreenshot(frmTableCr, QStringLiteral("exercise-checked"));

    // Scrolled out of view and back, the frame stays; changing the cell ends it.
    grid->scrollToBottom();
    grid->scrollToTop();
    grid->setCurrentCell(16, 0);
    frmTableCr->btn1->click(); // the last row holds 1 everywhere
    QVERIFY(!frmTableCr->isMarkedWrong(0, 16));
    QVERIFY(frmTableCr->isMarkedWrong(1, 16));

    grid->scrollToBottom();
    grid->setCurrentCell(1, 0);
    const QRect cell = grid->visualRect(grid->model()->index(16, 1));
    const QImage shown = grid->viewport()->grab().toImage();
    QVERIFY(shown.rect().contains(cell.center()));
    QCOMPARE(shown.pixelColor(cell.center().x(), cell.top()), QColor(255, 100, 100));

    frmTableCr->btnCheckClick();
    QCOMPARE(recorder.last().text, QStringLiteral("Количество ошибок: 3, Оценка: 3"));
    frmTableCr->N2Click();
    showExercise("A*B+C*D");
    QVERIFY(!frmTableCr->isMarkedWrong(1, 16));
}

void TruthTableWindowTest::shouldKeepAFrameWhileTheCellStaysTheSame_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("sameAgain");
    QTest::addRow("the same digit again") << 4 << true;
    QTest::addRow("the other digit") << 4 << false;
    QTest::addRow("the same caption again") << 0 << true;
    QTest::addRow("another caption") << 0 << false;
}

void TruthTableWindowTest::shouldKeepAFrameWhileTheCellStaysTheSame()
{
    QFETCH(int, row);
    QFETCH(bool, sameAgain);
    common::MessageBoxRecorder recorder;
    showExercise("A*B");
    fillGrid(frmTableCr, AandB);
    QTableWidget* grid = frmTableCr->StringGrid;
    const QString right = grid->item(row, 0)->text();
    const QString wrong = row == 0 ? QStringLiteral("B") : right == "1" ? "0" : "1";
    grid->item(row, 0)->setText(wrong);
    frmTableCr->btnCheckClick();
    QVERIFY(frmTableCr->isMarkedWrong(0, row));

    grid->setCurrentCell(row, 0);
    const QString entered = sameAgain ? wrong : right;
    if (row == 0) {
        QListWidget* list = frmTableCr->ListOper;
        list->setCurrentItem(list->findItems(entered, Qt::MatchExactly).value(0));
        frmTableCr->ListOperClick();
    } else {
        QTest::keyClicks(grid, entered);
    }
    QCOMPARE(grid->item(row, 0)->text(), entered);
    QCOMPARE(frmTableCr->isMarkedWrong(0, row), sameAgain);
}

void TruthTableWindowTest::shouldDrawTheCellFramesOverTheWhiteEdge()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B");
    frmTableCr->btnCheckClick(); // every cell is empty, so every cell is wrong
    QTableWidget* grid = frmTableCr->StringGrid;
    const QImage shown = grid->viewport()->grab().toImage();
    const QColor red(255, 100, 100);
    // Column 0 keeps its left side and the header row its top side.
    const QRect header = grid->visualRect(grid->model()->index(0, 1));
    const QRect value = grid->visualRect(grid->model()->index(2, 0));
    QCOMPARE(header.top(), 0);
    QCOMPARE(value.left(), 0);
    QCOMPARE(shown.pixelColor(header.center().x(), 0), red);
    QCOMPARE(shown.pixelColor(0, value.center().y()), red);
    // Past the last column the edge is white.
    QCOMPARE(shown.pixelColor(shown.width() - 1, value.center().y()), QColor(Qt::white));
}

void TruthTableWindowTest::shouldForgetThePreviousExpressionAfterGoingBack()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");
    fillGrid(frmTableCr, TwoConjunctions);
    frmTableCr->N2Click();
    QVERIFY(!frmTableCr->isVisible());
    QVERIFY(frmTable->isVisible());

    showExercise("A+B");
    QTableWidget* grid = frmTableCr->StringGrid;
    QCOMPARE(frmTableCr->lblEval->text(), QStringLiteral("Выражение: A+B"));
    QCOMPARE(grid->columnCount(), 3);
    QCOMPARE(grid->rowCount(), 5);
    for (int r = 0; r < grid->rowCount(); ++r) {
        for (int c = 0; c < grid->columnCount(); ++c)
            QVERIFY(!grid->item(r, c) || grid->item(r, c)->text().isEmpty());
    }
    QCOMPARE(frmTableCr->ListOper->count(), 3);
    QCOMPARE(AnswerCaptions, (strarray{"", "A", "B", "F"}));
    frmTableCr->btnCheckClick();
    QCOMPARE(recorder.last().text, QStringLiteral("Количество ошибок: 15, Оценка: 2"));
}

void TruthTableWindowTest::shouldEndTheRunWhenTheTableCloses()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B");
    frmMain->hide();
    QVERIFY(frmTableCr->close());
    QVERIFY(!frmTableCr->isVisible());
    QVERIFY(!frmMain->isVisible());
    QCOMPARE(recorder.count(), 0);
}

void TruthTableWindowTest::shouldSendTheResultLineAfterAWholeExercise()
{
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    common::MessageBoxRecorder recorder;

    frmMain->findChild<QLineEdit*>("EditIP")->setText("127.0.0.1");
    frmMain->findChild<QLineEdit*>("EditPort")->setText(QString::number(server.serverPort()));
    frmMain->findChild<QLineEdit*>("EditName")->setText("Ученик");
    QTest::mouseClick(frmMain->findChild<QPushButton*>("btnTabl"), Qt::LeftButton);
    QVERIFY(server.waitForNewConnection(5000));
    QTcpSocket* peer = server.nextPendingConnection();
    QTRY_VERIFY(frmTable->ClientSocket->isConnected());

    for (const char* key : {"btnA", "btnDIS", "btnB", "btnCON", "btnC", "btnDIS", "btnD"}) {
        auto* button = frmTable->findChild<QPushButton*>(key);
        QVERIFY2(button && button->isEnabled(), key);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QCOMPARE(frmTable->EditIN->text(), QStringLiteral("A*B+C*D"));
    QTest::mouseClick(frmTable->btnStart, Qt::LeftButton);
    QVERIFY(frmTableCr->isVisible());
    recorder.clear();

    // Headers from the list, values with the buttons, as a pupil does.
    QTableWidget* grid = frmTableCr->StringGrid;
    QListWidget* list = frmTableCr->ListOper;
    for (int c = 0; c < 7; ++c) {
        grid->setCurrentCell(0, c);
        const QString& caption = TwoConjunctions.captions.at(c);
        QListWidgetItem* item = list->findItems(caption, Qt::MatchExactly).value(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    for (int r = 1; r <= 16; ++r) {
        for (int c = 0; c < 7; ++c) {
            grid->setCurrentCell(r, c);
            const bool one = TwoConjunctions.rows.at(r - 1).at(c) == QLatin1Char('1');
            QTest::mouseClick(one ? frmTableCr->btn1 : frmTableCr->btn0, Qt::LeftButton);
        }
    }

    // The line leaves only after the pupil has closed the result box.
    QByteArray beforeClosing = "not asked";
    recorder.onBox = [&](const common::BoxRequest&) {
        peer->waitForReadyRead(200);
        beforeClosing = peer->readAll();
    };
    QTest::mouseClick(frmTableCr->btnCheck, Qt::LeftButton);
    QCOMPARE(recorder.last().text, QStringLiteral("Количество ошибок: 0, Оценка: 5"));
    QCOMPARE(beforeClosing, QByteArray());

    const QByteArray expected = common::toCp1251(
        QStringLiteral("Имя: Ученик, Выражение: Выражение: A*B+C*D, Количество ошибок: 0"));
    QByteArray received;
    QTRY_VERIFY((received += peer->readAll()).size() >= expected.size());
    QCOMPARE(received, expected);
}

int main(int argc, char** argv)
{
    common::Application app(argc, argv, QStringLiteral("Veritabula"));
    TruthTableWindowTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_truthtablewindow.moc"
