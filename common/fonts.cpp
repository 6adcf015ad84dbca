#include "fonts.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>

#include <algorithm>
#include <limits>

namespace common {

namespace {

QFont classicFace(bool bold)
{
    QFont font = sansFamilyFont(QStringLiteral("MS Sans Serif"));
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

QFont sansFamilyFont(const QString& family)
{
    // Every caption asks: the installed families are listed once per family
    // asked for, not once per caption.
    static QHash<QString, bool> installed;
    auto known = installed.constFind(family);
    if (known == installed.cend())
        known = installed.insert(family,
                                 QFontDatabase::families().contains(family, Qt::CaseInsensitive));
    QFont font;
    if (known.value())
        font.setFamily(family);
    return font;
}

void fitCaption(QLabel* label)
{
    const QRect box = label->contentsRect();
    const int visible = std::min(box.width(), label->parentWidget()->width() - label->x());
    const int room = visible - 4;
    const QString text = label->text();
    const bool wrap = label->wordWrap();
    const auto fits = [&](const QFontMetrics& metrics) {
        if (!wrap)
            return metrics.horizontalAdvance(text) <= room;
        return metrics.boundingRect(QRect(0, 0, room, 1 << 20), Qt::TextWordWrap, text).height() <=
               box.height();
    };
    // The width the caption asks for: on one line its advance; wrapped, the
    // narrowest width at which its lines still fit the label's height.
    const auto needed = [&](const QFontMetrics& metrics) {
        const int line = metrics.horizontalAdvance(text);
        if (!wrap)
            return line;
        const auto fitsIn = [&](int width) {
            return metrics.boundingRect(QRect(0, 0, width, 1 << 20), Qt::TextWordWrap, text)
                       .height() <= box.height();
        };
        if (!fitsIn(line + 1))
            return std::numeric_limits<int>::max();
        int low = 0;
        int high = line + 1;
        while (high - low > 1) {
            const int middle = low + (high - low) / 2;
            if (fitsIn(middle))
                high = middle;
            else
                low = middle;
        }
        return high;
    };

    QFont font = label->font();
    const QFontMetrics own(font);
    if (fits(own))
        return;
    // Each stretch asked for loads a font engine of its own, so the stretch is
    // guessed rather than stepped down to: a stretch scales every advance
    // alike, so the width needed at one stretch tells the stretch at which the
    // caption just fits. Each guess is checked, and the search ends at the
    // widest stretch from 50 to 99 that fits with the next one up too wide.
    const auto at = [&font](int stretch) {
        font.setStretch(stretch);
        return QFontMetrics(font);
    };
    int widestFit = 49;
    int tooWide = 100;
    int measured = 100;
    int need = needed(own);
    const auto take = [&](const QFontMetrics& metrics, int stretch, bool fit) {
        if (fit)
            widestFit = stretch;
        else
            tooWide = stretch;
        measured = stretch;
        if (tooWide - widestFit > 1)
            need = needed(metrics);
    };
    while (tooWide - widestFit > 1) {
        const bool foreseen = need > room; // the last width measured says the guess fits
        const qint64 guess = qint64(measured) * room / std::max(1, need);
        const int stretch = int(std::clamp<qint64>(guess, widestFit + 1, tooWide - 1));
        const QFontMetrics metrics = at(stretch);
        if (fits(metrics)) {
            take(metrics, stretch, true);
            continue;
        }
        if (foreseen && stretch + 1 < tooWide) {
            // Below some stretch font matching picks a narrower face of the
            // family and widens it more than the guess foresaw: the stretch
            // just above, still in the face measured before, can fit.
            const QFontMetrics above = at(stretch + 1);
            if (fits(above)) {
                take(above, stretch + 1, true);
                continue;
            }
        }
        take(metrics, stretch, false);
    }
    font.setStretch(std::max(widestFit, 50));
    label->setFont(font);
}

} // namespace common
