#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QString>

namespace figurinex {

// The brown of the code table's grid, also the text colour of the count and
// verdict lines.
inline QColor gridBrown()
{
    return QColor(128, 64, 0);
}

inline QColor letterOrange()
{
    return QColor(236, 138, 19);
}

constexpr int CodeTableWidth = 258;
constexpr int CodeTableHeight = 818;
// The code table as the quiz window shows it: stretched, smoothly, to its
// image of 2895 x 8055 twips at one device pixel per pixel.
constexpr int CodeTableShownWidth = 193;
constexpr int CodeTableShownHeight = 537;
constexpr int CodeTableColumns = 3;
constexpr int CodeTableRows = 11;

// The cell of the code table that holds letter `index` (0 for А, row by row).
QRect codeTableCell(int index);

// The code table: 3 x 11 cells on white, brown grid, each cell an orange
// serif capital at its top left and the letter's black figure beside it.
QImage drawCodeTable();

// One figure on white, for the animated images.
QImage drawLetterPicture(QChar letter);

// A word written in figures from left to right, on white. Characters that are
// not letters of the cipher leave an empty place.
QImage drawWordPicture(const QString& word);

} // namespace figurinex
