#include "exercise.h"

#include <QRandomGenerator>
#include <QSet>
#include <QtTest>

#include <algorithm>

using namespace veritabula;

class ExerciseTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldShuffleEveryItemOnceAndLeaveShortListsAlone();
    void shouldCountEveryCellThatDiffersFromTheAnswer_data();
    void shouldCountEveryCellThatDiffersFromTheAnswer();
    void shouldWidenEveryColumnForTheWidestCaption_data();
    void shouldWidenEveryColumnForTheWidestCaption();
    void shouldPutTheGroupRightUnderTheGridAndKeepLimits();
    void shouldKeepTheWindowWithinTheScreen_data();
    void shouldKeepTheWindowWithinTheScreen();
};

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

void ExerciseTest::shouldWidenEveryColumnForTheWidestCaption_data()
{
    // 1.8 times the caption's pixel width, to the nearest whole number, plus 3.
    QTest::addColumn<int>("captionWidth");
    QTest::addColumn<int>("columnWidth");
    QTest::addRow("no caption") << 0 << 3;
    QTest::addRow("1.8 rounds up") << 1 << 5;
    QTest::addRow("5.4 rounds down") << 3 << 8;
    QTest::addRow("16.2") << 9 << 19;
    QTest::addRow("59.4") << 33 << 62;
    QTest::addRow("129.6") << 72 << 133;
}

void ExerciseTest::shouldWidenEveryColumnForTheWidestCaption()
{
    QFETCH(int, captionWidth);
    QTEST(columnWidthFor(captionWidth), "columnWidth");
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

QTEST_APPLESS_MAIN(ExerciseTest)
#include "tst_exercise.moc"
