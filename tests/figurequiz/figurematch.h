#pragma once

#include "figurepainter.h"

#include <QImage>
#include <QPainter>

// The stick figures drawn on white and told apart the way a pupil matches a
// figure against the code table: by the pixels that are dark in one and light
// in the other.

// One figure on white, as large as `size`.
inline QImage figureImage(QChar letter, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    figurinex::FigurePose pose;
    if (figurinex::figurePoseFor(letter, &pose)) {
        QPainter painter(&image);
        figurinex::paintFigure(painter, QRectF(QPointF(0, 0), QSizeF(size)), pose);
    }
    return image;
}

// The number of pixels that are dark in one picture and light in the other.
inline int difference(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += (qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128) ? 1 : 0;
    }
    return count;
}
