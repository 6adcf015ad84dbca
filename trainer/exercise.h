#pragma once

#include "engine.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class QRandomGenerator;

namespace veritabula {

// School grade for a number of wrong cells: 0 gives 5, 1-2 give 4, 3-4 give 3,
// anything more gives 2.
int gradeFor(int errors);

// The text of the result box.
QString resultText(int errors);

// Fisher-Yates from the end: item i changes place with item random(0..i).
void ShuffleStrings(QStringList& items, QRandomGenerator& random);

// Width of every grid column from the widest caption: 1.8 times its pixel
// width, rounded half to even, plus 3.
int columnWidthFor(int captionPixelWidth);

struct CellRef
{
    int column = 0; // grid column, from 0
    int row = 0;    // grid row, 0 is the header row
    bool operator==(const CellRef& other) const
    {
        return column == other.column && row == other.row;
    }
};

struct CheckResult
{
    int errors = 0;
    std::vector<CellRef> wrongCells;
};

// Compares the grid with the answer: header cell i-1 with captions[i], cell
// (i-1, r) with the digit of answer[i][r]. Every difference, an empty cell
// included, is one error. `cellText` gives the text of a grid cell.
CheckResult checkAnswers(const strarray& captions, const table& answer,
                         const std::function<QString(int column, int row)>& cellText);

// The window's geometry arithmetic, kept apart from the widgets. Sizes are in
// pixels of the window's client area (below the menu); "outer" adds the
// frame and the menu. The grid's client area is what its scroll bars leave.
class TableLayout
{
public:
    // Where the controls stand before the first showing lays them out.
    static constexpr int LabelLeft = 20;
    static constexpr int LabelTop = 15;
    static constexpr int LabelHeight = 24;
    static constexpr int GridLeft = 20;
    static constexpr int GridTop = 40;
    static constexpr int GridWidth = 740;
    static constexpr int GridHeight = 400;
    static constexpr int GroupLeft = 20;
    static constexpr int GroupTop = 450;
    static constexpr int GroupWidth = 373;
    static constexpr int GroupHeight = 150;
    static constexpr int RowHeight = 24;
    static constexpr int OuterWidth = 800;
    static constexpr int OuterHeight = 670;
    static constexpr int Unlimited = 16777215;

    // The room a showing leaves between the grid and the group, under the
    // group and right of the widest of the label, the grid and the group.
    static constexpr int Spacing = 20;
    // Room past the last row and the last column in the grid's client area,
    // and past the columns in the grid's width limit.
    static constexpr int GridContentMargin = 5;
    static constexpr int GridWidthMargin = 15;
    // The size limits: past the widest part, and past the grid's rows, its
    // top and the group.
    static constexpr int MaximumWidthMargin = 47;
    static constexpr int MaximumHeightMargin = 95;
    // What a resize of the window leaves out of its client area for the
    // grid's client area: the group's height and this below, this across.
    static constexpr int ResizeHeightMargin = 70;
    static constexpr int ResizeWidthMargin = 50;

    // frame: outer size minus client size; scrollBar: the scroll bars' extent.
    TableLayout(QSize frame, int scrollBar);

    // The frame or the scroll bars changed (the window was shown, the style
    // changed); the size limits of the last showing stay.
    void setMetrics(QSize frame, int scrollBar);

    // Lays the window out for a grid of `columns` columns of `columnWidth`
    // pixels and `gridRows` rows (header included); `labelRight` is the right
    // edge of the expression label. The window, and its size limits, keep
    // within `screen`, the outer size the screen has room for: past that the
    // grid scrolls.
    void show(int columns, int gridRows, int columnWidth, int labelRight,
              QSize screen = QSize(Unlimited, Unlimited));

    // The window's client area changed size: the grid takes the room left
    // above the group, which sits right under it.
    void resizeClient(QSize client);

    QSize client() const { return client_; }
    QSize outer() const { return client_ + frame_; }
    QSize grid() const { return grid_; }
    QSize gridClient() const;
    int groupTop() const { return groupTop_; }
    int gridWidthLimit() const { return gridWidthLimit_; }
    QSize maximumOuter() const { return maximumOuter_; }

private:
    QSize clientForOuter(QSize outer) const;
    void setGridClientHeight(int height);
    void setGridClientWidth(int width);
    void setOuter(QSize outer);
    void formResize();

    QSize frame_;
    int scrollBar_;
    QSize content_{0, 0};
    QSize client_;
    QSize grid_{GridWidth, GridHeight};
    int groupTop_ = GroupTop;
    int gridWidthLimit_ = Unlimited;
    QSize maximumOuter_{Unlimited, Unlimited};
};

} // namespace veritabula
