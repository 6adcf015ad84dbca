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
    const QRect box = label->contentsRect();
    const int visible = std::min(box.width(), label->parentWidget()->width() - label->x());
    const int room = visible - 4;
    const auto fits = [label, room, box](const QFont& font) {
        const QFontMetrics metrics(font);
        if (!label->wordWrap())
            return metrics.horizontalAdvance(label->text()) <= room;
        const QRect needed =
            metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, label->text());
        return needed.height() <= box.height();
    };
    if (fits(label->font()))
        return;
    // The face that font matching picks for a stretch need not scale evenly:
    // step down until the caption fits.
    QFont font = label->font();
    for (int stretch = 99; stretch >= 50; --stretch) {
        font.setStretch(stretch);
        if (fits(font))
            break;
    }
    label->setFont(font);
}

} // namespace common
