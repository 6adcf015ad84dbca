#include "exercise.h"

#include "text.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cmath>

namespace veritabula {

int gradeFor(int errors)
{
    if (errors <= 0)
        return 5;
    if (errors <= 2)
        return 4;
    if (errors <= 4)
        return 3;
    return 2;
}

QString resultText(int errors)
{
    return QStringLiteral("Количество ошибок: %1, Оценка: %2").arg(errors).arg(gradeFor(errors));
}

void ShuffleStrings(QStringList& items, QRandomGenerator& random)
{
    for (qsizetype i = items.size() - 1; i >= 1; --i) {
        const auto j = static_cast<qsizetype>(random.bounded(static_cast<quint32>(i + 1)));
        items.swapItemsAt(i, j);
    }
}

int columnWidthFor(int captionPixelWidth)
{
    // std::nearbyint rounds in the default mode, halves to even.
    return static_cast<int>(std::nearbyint(captionPixelWidth * 1.8)) + 3;
}

CheckResult checkAnswers(const strarray& captions, const table& answer,
                         const std::function<QString(int column, int row)>& cellText)
{
    CheckResult result;
    const auto columns = static_cast<int>(std::min(captions.size(), answer.size()));
    const auto mark = [&result](int column, int row) {
        ++result.errors;
        result.wrongCells.push_back({column, row});
    };
    for (int i = 1; i < columns; ++i) {
        if (cellText(i - 1, 0) != common::fromCp1251(captions[static_cast<size_t>(i)]))
            mark(i - 1, 0);
    }
    const int rows = answer.size() > 1 ? static_cast<int>(answer[1].size()) : 0;
    for (int r = 1; r < rows; ++r) {
        for (int i = 1; i < columns; ++i) {
            const auto& column = answer[static_cast<size_t>(i)];
            const QString expected = static_cast<size_t>(r) < column.size()
                                         ? QString::number(column[static_cast<size_t>(r)])
                                         : QString();
            if (expected.isEmpty() || cellText(i - 1, r) != expected)
                mark(i - 1, r);
        }
    }
    return result;
}

TableLayout::TableLayout(QSize frame, int scrollBar)
    : frame_(frame), scrollBar_(scrollBar), client_(QSize(OuterWidth, OuterHeight) - frame)
{
}

void TableLayout::setMetrics(QSize frame, int scrollBar)
{
    frame_ = frame;
    scrollBar_ = scrollBar;
}

QSize TableLayout::clientForOuter(QSize outer) const
{
    bool horizontal = content_.width() > outer.width();
    const bool vertical = content_.height() > outer.height() - (horizontal ? scrollBar_ : 0);
    if (vertical && !horizontal)
        horizontal = content_.width() > outer.width() - scrollBar_;
    return {std::max(0, outer.width() - (vertical ? scrollBar_ : 0)),
            std::max(0, outer.height() - (horizontal ? scrollBar_ : 0))};
}

QSize TableLayout::gridClient() const
{
    return clientForOuter(grid_);
}

// As on the window system: the scroll bars shown now stay part of the grid's
// outer size while one side of its client area is set.
void TableLayout::setGridClientHeight(int height)
{
    const int bars = grid_.height() - gridClient().height();
    grid_.setHeight(std::max(0, height) + bars);
}

void TableLayout::setGridClientWidth(int width)
{
    const int bars = grid_.width() - gridClient().width();
    grid_.setWidth(std::min(std::max(0, width) + bars, gridWidthLimit_));
}

void TableLayout::setOuter(QSize outer)
{
    outer = outer.boundedTo(maximumOuter_).expandedTo(frame_);
    client_ = outer - frame_;
    formResize();
}

void TableLayout::formResize()
{
    setGridClientHeight(client_.height() - GroupHeight - ResizeHeightMargin);
    groupTop_ = GridTop + grid_.height();
    setGridClientWidth(client_.width() - ResizeWidthMargin);
}

void TableLayout::resizeClient(QSize client)
{
    client_ = client;
    formResize();
}

void TableLayout::show(int columns, int gridRows, int columnWidth, int labelRight, QSize screen)
{
    const int tableWidth = columnWidth * columns;
    const int rowsHeight = RowHeight * gridRows;
    content_ = QSize(tableWidth, rowsHeight);

    setOuter({OuterWidth, OuterHeight});
    gridWidthLimit_ = tableWidth + GridWidthMargin;
    grid_.setWidth(std::min(grid_.width(), gridWidthLimit_));

    if (gridClient().height() > rowsHeight + GridContentMargin)
        setGridClientHeight(rowsHeight + GridContentMargin);
    if (tableWidth + GridContentMargin < gridClient().width())
        setGridClientWidth(tableWidth + GridContentMargin);

    groupTop_ = GridTop + gridClient().height() + Spacing;
    setOuter({outer().width(), groupTop_ + GroupHeight + Spacing + frame_.height()});

    const int m =
        std::max({labelRight, tableWidth + GridLeft + GridContentMargin, GroupLeft + GroupWidth});
    setOuter({m + Spacing + frame_.width(), outer().height()});

    maximumOuter_ =
        QSize(m + MaximumWidthMargin, rowsHeight + GridTop + GroupHeight + MaximumHeightMargin)
            .boundedTo(screen.expandedTo(frame_));
    setOuter(outer());
}

} // namespace veritabula
