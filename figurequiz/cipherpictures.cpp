#include "cipherpictures.h"

#include "figurepainter.h"

#include <QFont>
#include <QPainter>

namespace figurinex {

namespace {

constexpr int Frame = 6;
constexpr int Line = 4;

// Spreads `total` pixels over `count` cells, the wider cells first.
int cellStart(int total, int count, int index, int* size)
{
    const int base = total / count;
    const int extra = total % count;
    *size = base + (index < extra ? 1 : 0);
    return index * base + qMin(index, extra);
}

constexpr int WordFigureWidth = 48;
constexpr int WordPictureHeight = 86;
constexpr int WordMargin = 4;

} // namespace

QRect codeTableCell(int index)
{
    const int column = index % CodeTableColumns;
    const int row = index / CodeTableColumns;
    const int cellsWide = CodeTableWidth - 2 * Frame - (CodeTableColumns - 1) * Line;
    const int cellsHigh = CodeTableHeight - 2 * Frame - (CodeTableRows - 1) * Line;
    int width = 0;
    int height = 0;
    const int x = Frame + column * Line + cellStart(cellsWide, CodeTableColumns, column, &width);
    const int y = Frame + row * Line + cellStart(cellsHigh, CodeTableRows, row, &height);
    return QRect(x, y, width, height);
}

QImage drawCodeTable()
{
    QImage image(CodeTableWidth, CodeTableHeight, QImage::Format_RGB888);
    image.fill(gridBrown());
    QPainter painter(&image);

    QFont font(QStringLiteral("DejaVu Serif"));
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(22);
    painter.setFont(font);

    const QString letters = cipherAlphabet();
    for (int i = 0; i < letters.size(); ++i) {
        const QRect cell = codeTableCell(i);
        painter.fillRect(cell, Qt::white);
        painter.setPen(letterOrange());
        painter.drawText(cell.adjusted(3, 1, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                         QString(letters[i]));
        FigurePose pose;
        figurePoseFor(letters[i], &pose);
        paintFigure(painter, QRectF(cell.adjusted(22, 4, -2, -4)), pose);
    }
    return image;
}

QImage drawLetterPicture(QChar letter)
{
    QImage image(96, 96, QImage::Format_RGB888);
    image.fill(Qt::white);
    FigurePose pose;
    if (figurePoseFor(letter, &pose)) {
        QPainter painter(&image);
        paintFigure(painter, QRectF(8, 4, 80, 88), pose);
    }
    return image;
}

QImage drawWordPicture(const QString& word)
{
    const int width = 2 * WordMargin + qMax<int>(1, word.size()) * WordFigureWidth;
    QImage image(width, WordPictureHeight, QImage::Format_RGB888);
    image.fill(Qt::white);
    QPainter painter(&image);
    for (int i = 0; i < word.size(); ++i) {
        FigurePose pose;
        if (!figurePoseFor(word[i], &pose))
            continue;
        const QRectF box(WordMargin + i * WordFigureWidth, 3, WordFigureWidth,
                         WordPictureHeight - 6);
        paintFigure(painter, box, pose);
    }
    return image;
}

} // namespace figurinex
