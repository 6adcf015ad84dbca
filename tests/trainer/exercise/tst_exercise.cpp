#include "application.h"
#include "authorswindow.h"
#include "exercise.h"
#include "expressionwindow.h"
#include "mainwindow.h"
#include "messagebox.h"
#include "pictures.h"
#include "program.h"
#include "teacherlink.h"
#include "testsupport.h"
#include "text.h"
#include "theorywindow.h"
#include "truthtablewindow.h"

#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace veritabula;

namespace {

// Fills the grid with the answer, except for `spoiled` cells, which get the
// wrong value (headers a wrong caption), starting from the last row.
void fillGrid(TfrmTableCr* window, int spoiled = 0)
{
    QTableWidget* grid = window->StringGrid;
    auto put = [grid](int column, int row, const QString& text) {
        grid->setItem(row, column, new QTableWidgetItem(text));
    };
    const int columns = AnswerColCount - 1;
    const int rows = AnswerRowCount - 1;
    for (int i = 1; i <= columns; ++i)
        put(i - 1, 0, common::fromCp1251(AnswerCaptions[static_cast<size_t>(i)]));
    for (int r = 1; r <= rows; ++r) {
        for (int i = 1; i <= columns; ++i)
            put(i - 1, r,
                QString::number(AnswerTable[static_cast<size_t>(i)][static_cast<size_t>(r)]));
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

class ExerciseTest : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void shouldShuffleEveryItemOnceAndLeaveShortListsAlone();
    void shouldCountEveryCellThatDiffersFromTheAnswer_data();
    void shouldCountEveryCellThatDiffersFromTheAnswer();
    void shouldPutTheGroupRightUnderTheGridAndKeepLimits();
    void shouldKeepTheWindowWithinTheScreen_data();
    void shouldKeepTheWindowWithinTheScreen();

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

    void shouldScrollTheTheoryPageAndLeaveItOnlyByItsMenu();
    void shouldShowTheAuthorsBesideTheMainMenu();
    void shouldDecodeThePagesWhenFirstShown();
    void shouldLeavePlacesEmptyWhenPicturesAreMissing_data();
    void shouldLeavePlacesEmptyWhenPicturesAreMissing();

    void shouldSendTheResultLineAfterAWholeExercise();

private:
    std::unique_ptr<testsupport::TemporaryCurrentFolder> folder_;
    // Catches any box a test does not look at, so that none waits for a click.
    std::unique_ptr<common::MessageBoxRecorder> strayBoxes_;
};

void ExerciseTest::init()
{
    folder_ = std::make_unique<testsupport::TemporaryCurrentFolder>(
        VERITABULA_FOLDER, QStringList{"menu.jpg", "theory.jpg", "authors.jpg"});
    QCOMPARE(folder_->copied(), 3);
    strayBoxes_ = std::make_unique<common::MessageBoxRecorder>();
    createWindows();
}

void ExerciseTest::cleanup()
{
    destroyWindows();
    strayBoxes_.reset();
    folder_.reset();
}

void ExerciseTest::shouldShuffleEveryItemOnceAndLeaveShortListsAlone()
{
    const QStringList captions = {"A", "B", "C", "D", "A*B", "C*D", "F"};
    QRandomGenerator random(42);
    QSet<QString> firstItems;
    int unchanged = 0;
    for (int round = 0; round < 200; ++round) {
        QStringList items = captions;
        ShuffleStrings(items, random);
        firstItems.insert(items.first());
        unchanged += items == captions;
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), captions.size());
    }
    QVERIFY(unchanged < 3);
    QCOMPARE(firstItems.size(), captions.size()); // any item may come first, "F" too
    QStringList one = {"F"};
    ShuffleStrings(one, random);
    QCOMPARE(one, QStringList{"F"});
}

void ExerciseTest::shouldCountEveryCellThatDiffersFromTheAnswer_data()
{
    // The answer of A*B: columns A, B, F over four rows; cells row by row.
    QTest::addColumn<QStringList>("grid");
    QTest::addColumn<QList<int>>("wrong"); // column * 10 + row
    const QStringList perfect = {"A", "B", "F", "1", "1", "1", "1", "0",
                                 "0", "0", "1", "0", "0", "0", "0"};
    QTest::addRow("perfect") << perfect << QList<int>{};
    QTest::addRow("untouched") << QStringList(15, QString())
                               << QList<int>{0, 1, 2, 3, 4, 10, 11, 12, 13, 14, 20, 21, 22, 23, 24};
    QStringList other = perfect;
    std::swap(other[0], other[1]);
    other[2] = "A*B";
    QTest::addRow("swapped captions, the expression for F") << other << QList<int>{0, 10, 20};
    other = perfect;
    other[2] = "f";
    other[5] = "1 ";
    other[14] = "";
    QTest::addRow("case, a space, an empty cell") << other << QList<int>{20, 21, 24};
}

void ExerciseTest::shouldCountEveryCellThatDiffersFromTheAnswer()
{
    QFETCH(QStringList, grid);
    QFETCH(QList<int>, wrong);
    const strarray captions = {"", "A", "B", "F"};
    const table answer = {{}, {0, 1, 1, 0, 0}, {0, 1, 0, 1, 0}, {0, 1, 0, 0, 0}};
    const CheckResult result = checkAnswers(
        captions, answer, [&grid](int column, int row) { return grid.at(row * 3 + column); });
    QCOMPARE(result.errors, wrong.size());
    QList<int> cells;
    for (const CellRef& cell : result.wrongCells)
        cells.append(cell.column * 10 + cell.row);
    std::sort(cells.begin(), cells.end());
    QCOMPARE(cells, wrong);
}

void ExerciseTest::shouldPutTheGroupRightUnderTheGridAndKeepLimits()
{
    // Ten variables: the grid scrolls, the window keeps to its limits.
    TableLayout layout(QSize(4, 20), 16);
    layout.show(31, 1025, 60, 400);
    QCOMPARE(layout.groupTop(), TableLayout::GridTop + layout.grid().height());
    QCOMPARE(layout.client().width(), 31 * 60 + 45);
    QCOMPARE(layout.maximumOuter(), QSize(31 * 60 + 72, 24 * 1025 + 285));
    // A small table's limits hold the next showing's start; a pupil's resize
    // then gives the grid the room and the group follows it.
    layout.show(3, 5, 35, 150);
    QCOMPARE(layout.client(), QSize(413, 24 * 5 + 15 + 220));
    layout.show(7, 17, 75, 230);
    QVERIFY(layout.outer().width() <= 440);
    layout.resizeClient(QSize(500, 350));
    QCOMPARE(layout.gridClient().height(), 350 - 220);
    QCOMPARE(layout.groupTop(), TableLayout::GridTop + layout.grid().height());
}

void ExerciseTest::shouldKeepTheWindowWithinTheScreen_data()
{
    // Column widths as the widest caption of each table gives them.
    QTest::addColumn<int>("columns");
    QTest::addColumn<int>("gridRows");
    QTest::addColumn<int>("columnWidth");
    QTest::addColumn<bool>("fits");
    QTest::addRow("one variable") << 2 << 3 << 35 << true;
    QTest::addRow("four variables") << 7 << 17 << 75 << true;
    QTest::addRow("six variables") << 11 << 65 << 171 << false;
    QTest::addRow("ten variables") << 19 << 1025 << 310 << false;
}

void ExerciseTest::shouldKeepTheWindowWithinTheScreen()
{
    QFETCH(int, columns);
    QFETCH(int, gridRows);
    QFETCH(int, columnWidth);
    QFETCH(bool, fits);
    const QSize screen(1280, 1024);
    const QSize frame(2, 43);
    TableLayout anyScreen(frame, 16);
    anyScreen.show(columns, gridRows, columnWidth, 300);
    TableLayout held(frame, 16);
    held.show(columns, gridRows, columnWidth, 300, screen);

    QCOMPARE(anyScreen.outer().width() <= screen.width(), fits);
    if (fits) {
        QCOMPARE(held.outer(), anyScreen.outer());
        QCOMPARE(held.maximumOuter(), anyScreen.maximumOuter());
    } else {
        QCOMPARE(held.outer().width(), screen.width());
        QVERIFY(held.gridClient().width() < columns * columnWidth);
    }
    QVERIFY(QRect(QPoint(0, 0), screen).contains(QRect(QPoint(0, 0), held.outer())));
    QCOMPARE(held.maximumOuter().boundedTo(screen), held.maximumOuter());
    // The grid and the whole group, "Проверить" included, lie in the client area.
    const QRect client(QPoint(0, 0), held.client());
    QVERIFY(
        client.contains(QRect(QPoint(TableLayout::GridLeft, TableLayout::GridTop), held.grid())));
    QVERIFY(client.contains(QRect(TableLayout::GroupLeft, held.groupTop(), TableLayout::GroupWidth,
                                  TableLayout::GroupHeight)));
}

void ExerciseTest::shouldLayOutTheGridForTheExpression()
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
    for (int c = 0; c < 7; ++c)
        QCOMPARE(grid->columnWidth(c), columnWidthFor(widest));

    const QRect group = frmTableCr->GroupOper->geometry();
    QCOMPARE(group.top(), grid->geometry().bottom() + 1);
    QCOMPARE(group.left(), 20);
    QVERIFY(grid->width() <= 7 * grid->columnWidth(0) + 15);
    QVERIFY(frmTableCr->centralWidget()->rect().contains(group));
    QCOMPARE(recorder.count(), 0);
}

void ExerciseTest::shouldCentreEveryShowingWithinTheScreen()
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

void ExerciseTest::shouldOfferEveryCaptionOnceInRandomOrder()
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

void ExerciseTest::shouldBuildOnlyWhatTheKeypadLetsThrough_data()
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

void ExerciseTest::shouldBuildOnlyWhatTheKeypadLetsThrough()
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

void ExerciseTest::shouldRefuseDigitsInTheHeaderAndCaptionsBelowIt()
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

void ExerciseTest::shouldGradeTheCheckedGrid_data()
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

void ExerciseTest::shouldGradeTheCheckedGrid()
{
    QFETCH(int, spoiled);
    QFETCH(QString, text);
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");

    fillGrid(frmTableCr, spoiled);
    QTest::mouseClick(frmTableCr->btnCheck, Qt::LeftButton);
    QCOMPARE(recorder.last().text, text);
    QCOMPARE(recorder.last().caption, QStringLiteral("Результат"));
    QCOMPARE(recorder.last().icon, common::BoxIcon::None);
    QCOMPARE(recorder.last().buttons, common::BoxButtons::Ok);
}

void ExerciseTest::shouldKeepFramesUntilTheCellChanges()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");
    QTableWidget* grid = frmTableCr->StringGrid;
    fillGrid(frmTableCr, 2); // row 16, columns 0 and 1
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
    (AnswerTable[1][16] == 1 ? frmTableCr->btn1 : frmTableCr->btn0)->click();
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

void ExerciseTest::shouldKeepAFrameWhileTheCellStaysTheSame_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<bool>("sameAgain");
    QTest::addRow("the same digit again") << 4 << true;
    QTest::addRow("the other digit") << 4 << false;
    QTest::addRow("the same caption again") << 0 << true;
    QTest::addRow("another caption") << 0 << false;
}

void ExerciseTest::shouldKeepAFrameWhileTheCellStaysTheSame()
{
    QFETCH(int, row);
    QFETCH(bool, sameAgain);
    common::MessageBoxRecorder recorder;
    showExercise("A*B");
    fillGrid(frmTableCr);
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

void ExerciseTest::shouldDrawTheCellFramesOverTheWhiteEdge()
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

void ExerciseTest::shouldForgetThePreviousExpressionAfterGoingBack()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B+C*D");
    fillGrid(frmTableCr);
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

void ExerciseTest::shouldEndTheRunWhenTheTableCloses()
{
    common::MessageBoxRecorder recorder;
    showExercise("A*B");
    frmMain->hide();
    QVERIFY(frmTableCr->close());
    QVERIFY(!frmTableCr->isVisible());
    QVERIFY(!frmMain->isVisible());
    QCOMPARE(recorder.count(), 0);
}

void ExerciseTest::shouldScrollTheTheoryPageAndLeaveItOnlyByItsMenu()
{
    QVERIFY(!(frmTeor->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint)));
    frmMain->hide();
    frmTeor->show();
    QScrollBar* bar = frmTeor->scrollArea()->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(frmTeor->Image1->geometry(), QRect(8, 0, 600, 2434));
    testsupport::saveScreenshot(frmTeor, QStringLiteral("theory-top"));

    bar->setValue(bar->maximum());
    const QWidget* viewport = frmTeor->scrollArea()->viewport();
    QCOMPARE(frmTeor->Image1->mapTo(viewport, QPoint(0, 2434)).y(), viewport->height());
    testsupport::saveScreenshot(frmTeor, QStringLiteral("theory-bottom"));

    frmTeor->N1->trigger(); // "Назад"
    QVERIFY(!frmTeor->isVisible());
    QVERIFY(frmMain->isVisible());
    frmMain->hide();
    frmTeor->show();
    frmTeor->N2->trigger(); // "Выход"
    QVERIFY(!frmTeor->isVisible());
    QVERIFY(!frmMain->isVisible());
}

void ExerciseTest::shouldShowTheAuthorsBesideTheMainMenu()
{
    QVERIFY(FormInfo->lblinfo->text().isEmpty());
    FormInfo->show();
    QVERIFY(frmMain->isVisible());
    QCOMPARE(FormInfo->pos(), QPoint(106, 142));
    QCOMPARE(FormInfo->size(), QSize(709, 457));
    QCOMPARE(FormInfo->lblinfo->text(), TFormInfo::credits());
    QCOMPARE(FormInfo->lblinfo2->text(), TFormInfo::contactLine());
    QCOMPARE(FormInfo->lblinfo->palette().color(QPalette::WindowText), QColor(0, 255, 255));
    QVERIFY(!FormInfo->ImageBack->pixmap().isNull());
    QCOMPARE(FormInfo->ImageBack->pixmap().height(), 505);
    testsupport::saveScreenshot(FormInfo, QStringLiteral("authors"));

    QVERIFY(FormInfo->close());
    QVERIFY(!FormInfo->isVisible());
    QVERIFY(frmMain->isVisible());
    FormInfo->show();
    QCOMPARE(FormInfo->lblinfo->text(), TFormInfo::credits());
}

void ExerciseTest::shouldLeavePlacesEmptyWhenPicturesAreMissing_data()
{
    QTest::addColumn<QString>("damage");
    QTest::addRow("missing or not a picture") << "missing";
    QTest::addRow("cut short") << "cut";
    QTest::addRow("header claims 20000 x 20000") << "bomb";
    QTest::addRow("named pipes") << "fifo";
}

void ExerciseTest::shouldDecodeThePagesWhenFirstShown()
{
    // At start only the main menu is seen, and only its background is read.
    QVERIFY(!frmMain->Image1->pixmap().isNull());
    QVERIFY(frmTeor->Image1->pixmap().isNull());
    QVERIFY(FormInfo->ImageBack->pixmap().isNull());
    // Each page has its picture as soon as it is shown, before it is drawn.
    frmTeor->show();
    QCOMPARE(frmTeor->Image1->pixmap().size(), QSize(600, 2434));
    QCOMPARE(frmTeor->scrollArea()->widget()->size(), QSize(608, 2434));
    FormInfo->show();
    QCOMPARE(FormInfo->ImageBack->pixmap().height(), 505);
}

void ExerciseTest::shouldLeavePlacesEmptyWhenPicturesAreMissing()
{
    QFETCH(QString, damage);
    destroyWindows();
    const QString pictures[] = {QStringLiteral("menu.jpg"), QStringLiteral("theory.jpg"),
                                QStringLiteral("authors.jpg")};
    QByteArray jpeg;
    {
        QFile ours(pictures[2]);
        QVERIFY(ours.open(QIODevice::ReadOnly));
        jpeg = ours.readAll();
    }
    testsupport::TemporaryCurrentFolder folder;
    std::vector<std::unique_ptr<testsupport::FifoPeer>> fifos;
    for (const QString& name : pictures) {
        if (damage == "missing" && name == pictures[2])
            folder.writeFile(name, QByteArray("\xff\xd8\xff\xe0 broken"));
        if (damage == "cut")
            folder.writeFile(name, jpeg.left(jpeg.size() / 2));
        if (damage == "bomb")
            folder.writeFile(name, testsupport::withJpegSize(jpeg, 20000, 20000));
        if (damage == "fifo")
            fifos.push_back(std::make_unique<testsupport::FifoPeer>(folder.filePath(name)));
    }
    common::MessageBoxRecorder recorder;
    createWindows();
    frmTeor->show();
    FormInfo->show();
    QVERIFY(frmMain->Image1->pixmap().isNull());
    QVERIFY(frmTeor->Image1->pixmap().isNull());
    QVERIFY(FormInfo->ImageBack->pixmap().isNull());
    QCOMPARE(frmTeor->scrollArea()->widget()->height(), 2434);
    QCOMPARE(recorder.count(), 0);
    for (const auto& fifo : fifos)
        QVERIFY2(fifo->made() && !fifo->touched(), "a named pipe was opened");
}

void ExerciseTest::shouldSendTheResultLineAfterAWholeExercise()
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
    for (int i = 1; i <= 7; ++i) {
        grid->setCurrentCell(0, i - 1);
        const QString caption = common::fromCp1251(AnswerCaptions[static_cast<size_t>(i)]);
        QListWidgetItem* item = list->findItems(caption, Qt::MatchExactly).value(0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualItemRect(item).center());
    }
    for (int r = 1; r <= 16; ++r) {
        for (int i = 1; i <= 7; ++i) {
            grid->setCurrentCell(r, i - 1);
            const bool one = AnswerTable[static_cast<size_t>(i)][static_cast<size_t>(r)] == 1;
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
    ExerciseTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_exercise.moc"
