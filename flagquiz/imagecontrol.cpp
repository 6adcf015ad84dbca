#include "imagecontrol.h"

#include <QMouseEvent>
#include <QPainter>

namespace korventa {

ImageControl::ImageControl(QWidget* parent, bool stretch, bool border)
    : QFrame(parent), stretch_(stretch)
{
    if (border)
        setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
}

void ImageControl::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    update();
}

void ImageControl::paintEvent(QPaintEvent*)
{
    // The frame is drawn here, as the style draws a plain box (a line of the text
    // colour along each side), with the painter that draws the picture.
    QPainter painter(this);
    if (frameShape() == QFrame::Box) {
        const QColor colour = palette().color(QPalette::WindowText);
        const QRect r = rect();
        const int line = lineWidth();
        painter.fillRect(r.x(), r.y(), r.width(), line, colour);
        painter.fillRect(r.x(), r.bottom() + 1 - line, r.width(), line, colour);
        painter.fillRect(r.x(), r.y() + line, line, r.height() - 2 * line, colour);
        painter.fillRect(r.right() + 1 - line, r.y() + line, line, r.height() - 2 * line, colour);
    }
    if (picture_.isNull())
        return;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (stretch_)
        painter.drawPixmap(contentsRect(), picture_);
    else
        painter.drawPixmap(contentsRect().topLeft(), picture_);
}

void ImageControl::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QFrame::mouseReleaseEvent(event);
}

} // namespace korventa
