#include "fonts.h"

#include <QFontMetrics>
#include <QLabel>

#include <algorithm>

namespace common {

namespace {

QFont classicFace(bool bold)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setBold(bold);
    return font;
}

} // namespace

QFont classicFont(int pixelSize, bool bold)
{
    QFont font = classicFace(bold);
    font.setPixelSize(pixelSize);
    return font;
}

QFont classicPointFont(qreal points, bool bold)
{
    QFont font = classicFace(bold);
    font.setPointSizeF(points);
    return font;
}

void fitCaption(QLabel* label)
{
    const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text());
    const int visible = std::min(label->width(), label->parentWidget()->width() - label->x());
    const int room = visible - 4;
    if (needed <= room)
        return;
    // The face that font matching picks for a stretch need not scale evenly:
    // step down until the caption fits.
    QFont font = label->font();
    for (int stretch = 100 * room / needed; stretch >= 50; --stretch) {
        font.setStretch(stretch);
        if (QFontMetrics(font).horizontalAdvance(label->text()) <= room)
            break;
    }
    label->setFont(font);
}

} // namespace common
