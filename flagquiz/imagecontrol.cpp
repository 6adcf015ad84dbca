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

void ImageControl::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    if (picture_.isNull())
        return;
    QPainter painter(this);
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
