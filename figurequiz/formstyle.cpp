#include "formstyle.h"

#include "colours.h"
#include "fonts.h"
#include "units.h"

#include <QApplication>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

namespace figurinex {

QFont formFont(qreal points, bool bold)
{
    return common::classicPointFont(points, bold);
}

QFont fontWithinLineHeight(const QFont& font, int height)
{
    QFont fitted = font;
    for (int pixels = QFontInfo(font).pixelSize();
         pixels > 1 && QFontMetrics(fitted).height() > height; --pixels) {
        fitted = common::classicFont(pixels - 1, font.bold());
        fitted.setStretch(font.stretch());
    }
    return fitted;
}

QLabel* makeFormLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                      int width, int height, qreal points, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(common::twipsRect(left, top, width, height));
    label->setFont(formFont(points, bold));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QLabel* makePictureBox(QWidget* parent, const char* name, int left, int top, int width, int height)
{
    auto* box = new QLabel(parent);
    box->setObjectName(QString::fromUtf8(name));
    box->setGeometry(common::twipsRect(left, top, width, height));
    box->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    box->setFocusPolicy(Qt::StrongFocus);
    common::setGroundColour(box, QApplication::palette().color(QPalette::Button));
    return box;
}

} // namespace figurinex
