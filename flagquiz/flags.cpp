#include "flags.h"

#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cmath>
#include <utility>
#include <vector>

namespace korventa {

namespace {

constexpr QRgb Red = 0xffd0202a;
constexpr QRgb White = 0xffffffff;
constexpr QRgb Blue = 0xff1d3f9a;
constexpr QRgb Yellow = 0xfff6cd1a;
constexpr QRgb Black = 0xff161616;

using S = FlagShape;
using P = FlagPattern;

// clang-format off
const FlagEntry Alphabet[FlagCount] = {
    {u"А", u"Отрицательный ответ. Не имею. Не разрешаю. Не нуждаюсь.",
     {S::SwallowTail, P::HoistBox, 0, false, {Red, White}}},
    {u"Б", u"Сняться в якоря. Дать самый полный ход.",
     {S::Pennant, P::HoistDisc, 0, false, {White, Red}}},
    {u"В", u"Курс ведет к опасности.",
     {S::Pennant, P::Nested, 3, false, {Red, White, Blue}}},
    {u"Г", u"Обнаружены корабли противника по пелегну ... градусов, в расстоянии ... каб.",
     {S::Pennant, P::Plain, 0, false, {Blue}}},
    {u"Д", u"Положительный ответ. Действовать самомтоятельно или согласно инструкции. Согласен. "
           u"Разрешаю. Долгота места ... градусов ... минут.",
     {S::Rectangle, P::Plain, 0, false, {Yellow}}},
    {u"Е", u"Есть",
     {S::Pennant, P::Nested, 2, false, {Blue, Yellow}}},
    {u"Ё", u"",
     {S::SwallowTail, P::HorizontalBands, 2, false, {White, Black}}},
    {u"Ж", u"Дать средний ход",
     {S::Rectangle, P::Diamond, 0, false, {White, Red}}},
    {u"З", u"Дать задний ход. Дал задний ход.",
     {S::Rectangle, P::Chequered, 4, false, {Blue, White}}},
    {u"И", u"Общесудовая тревога. Боевая готовность № ...",
     {S::Pennant, P::HorizontalBands, 2, false, {Yellow, Red}}},
    {u"Й", u"Обнаружил мину по пеленгу ... градусов, в расстоянии ... каб",
     {S::SwallowTail, P::HoistDisc, 0, false, {White, Black}}},
    {u"К", u"Выхожу из строя (ордера), не следовать за мной. Не могу управиться",
     {S::Rectangle, P::HorizontalBands, 2, false, {Red, Blue}}},
    {u"Л", u"Поворачиваю влево.",
     {S::Rectangle, P::UprightCross, 0, true, {White, Red}}},
    {u"М", u"Дать малый ход. Дал малый ход.",
     {S::Rectangle, P::Chequered, 6, false, {Red, White}}},
    {u"Н", u"Веду огонь. Гружу боеприпасы (взрывчатые или огнеопасные вещества).",
     {S::SwallowTail, P::Plain, 0, false, {Red}}},
    {u"О", u"Следовать за мной. Прошу. Прошу разрешения ...",
     {S::Pennant, P::VerticalBands, 3, false, {Yellow, Red, Yellow}}},
    {u"П", u"Повернуть вправо на ... градусов. Поворачиваю вправо.",
     {S::Rectangle, P::VerticalBands, 2, false, {Yellow, Blue}}},
    {u"Р", u"",
     {S::Rectangle, P::HorizontalBands, 3, false, {Blue, White, Blue}}},
    {u"С", u"Стоп машины.",
     {S::Rectangle, P::DiagonalCross, 0, false, {Blue, White}}},
    {u"Т", u"Иметь ход ... узлов",
     {S::Rectangle, P::Quartered, 0, false, {Yellow, Black}}},
    {u"У", u"Тепрлю бедствие, нужна немедленная помощь.",
     {S::TaperingPennant, P::VerticalBands, 5, false, {Red, White, Red, White, Red}}},
    {u"Ф", u"Отмена.",
     {S::Rectangle, P::CentreDisc, 0, false, {Yellow, Black}}},
    {u"Х", u"Конец учения",
     {S::Rectangle, P::SmallCross, 0, false, {White, Red}}},
    {u"Ц", u"Возвратиться к своему соединению.",
     {S::Rectangle, P::HorizontalBands, 3, false, {Red, Yellow, Blue}}},
    {u"Ч", u"Человек за бортом",
     {S::Rectangle, P::SmallDiamond, 0, false, {Blue, Yellow}}},
    {u"Ш", u"Дать полный ход. Широта места ... градусов ... минут.",
     {S::Rectangle, P::FiveBoxes, 0, false, {White, Blue}}},
    {u"Щ", u"",
     {S::Pennant, P::HoistCross, 0, false, {White, Red}}},
    {u"Ъ", u"",
     {S::Pennant, P::HorizontalBands, 2, false, {Black, White}}},
    {u"Ы", u"",
     {S::Rectangle, P::RisingStripe, 0, false, {Black, White}}},
    {u"Ь", u"",
     {S::TaperingPennant, P::VerticalBands, 3, false, {Blue, White, White}}},
    {u"Э", u"",
     {S::Rectangle, P::HorizontalBands, 5, false, {Blue, White, Red, White, Blue}}},
    {u"Ю", u"",
     {S::Rectangle, P::DiagonalCross, 0, false, {White, Red}}},
    {u"Я", u"Дать самый малый ход.",
     {S::Rectangle, P::UprightCross, 0, false, {Red, Yellow}}},
};
// clang-format on

QPolygonF outline(FlagShape shape, const QRectF& r)
{
    const double w = r.width(), h = r.height(), x = r.x(), y = r.y();
    switch (shape) {
    case FlagShape::Rectangle:
        return QPolygonF(r);
    case FlagShape::SwallowTail:
        return QPolygonF(
            {{x, y}, {x + w, y}, {x + w * 0.72, y + h / 2}, {x + w, y + h}, {x, y + h}});
    case FlagShape::Pennant:
        return QPolygonF({{x, y}, {x + w, y + h / 2}, {x, y + h}});
    case FlagShape::TaperingPennant:
        return QPolygonF({{x, y}, {x + w, y + h * 0.34}, {x + w, y + h * 0.66}, {x, y + h}});
    }
    return QPolygonF(r);
}

QPolygonF diamond(QPointF centre, double halfWidth, double halfHeight)
{
    return QPolygonF({{centre.x(), centre.y() - halfHeight},
                      {centre.x() + halfWidth, centre.y()},
                      {centre.x(), centre.y() + halfHeight},
                      {centre.x() - halfWidth, centre.y()}});
}

void fillCross(QPainter& p, QPointF centre, double armX, double armY, double bar, QColor c)
{
    p.fillRect(QRectF(centre.x() - armX, centre.y() - bar / 2, 2 * armX, bar), c);
    p.fillRect(QRectF(centre.x() - bar / 2, centre.y() - armY, bar, 2 * armY), c);
}

// The pattern is painted over the whole picture; the caller clips it to the shape.
void paintPattern(QPainter& p, const FlagDesign& d, const QRectF& r)
{
    const QColor c0(d.colours[0]), c1(d.colours[1]);
    const double w = r.width(), h = r.height();
    p.fillRect(r, c0);
    switch (d.pattern) {
    case FlagPattern::Plain:
        break;
    case FlagPattern::HorizontalBands:
        for (int i = 0; i < d.count; ++i)
            p.fillRect(QRectF(0, h * i / d.count, w, h / d.count + 1), QColor(d.colours[i]));
        break;
    case FlagPattern::VerticalBands:
        for (int i = 0; i < d.count; ++i)
            p.fillRect(QRectF(w * i / d.count, 0, w / d.count + 1, h), QColor(d.colours[i]));
        break;
    case FlagPattern::Chequered:
        for (int row = 0; row < d.count; ++row)
            for (int col = 0; col < d.count; ++col)
                if ((row + col) % 2 == 1)
                    p.fillRect(QRectF(w * col / d.count, h * row / d.count, w / d.count + 1,
                                      h / d.count + 1),
                               c1);
        break;
    case FlagPattern::Quartered:
        p.fillRect(QRectF(w / 2, 0, w / 2, h / 2), c1);
        p.fillRect(QRectF(0, h / 2, w / 2, h / 2), c1);
        break;
    case FlagPattern::HoistBox:
        p.fillRect(QRectF(0, h * 0.25, w * 0.45, h * 0.5), c1);
        break;
    case FlagPattern::HoistDisc:
        p.setBrush(c1);
        p.drawEllipse(QPointF(w * 0.26, h / 2), h * 0.22, h * 0.22);
        break;
    case FlagPattern::CentreDisc:
        p.setBrush(c1);
        p.drawEllipse(QPointF(w / 2, h / 2), h * 0.3, h * 0.3);
        break;
    case FlagPattern::Diamond:
        p.setBrush(c1);
        p.drawPolygon(diamond(QPointF(w / 2, h / 2), w / 2, h / 2));
        break;
    case FlagPattern::SmallDiamond:
        p.setBrush(c1);
        p.drawPolygon(diamond(QPointF(w / 2, h / 2), w * 0.16, h * 0.2));
        break;
    case FlagPattern::UprightCross:
        fillCross(p, QPointF(w / 2, h / 2), w / 2, h / 2, d.thinStroke ? h * 0.08 : h * 0.2, c1);
        break;
    case FlagPattern::SmallCross:
        fillCross(p, QPointF(w / 2, h / 2), w * 0.2, h * 0.27, h * 0.14, c1);
        break;
    case FlagPattern::HoistCross:
        fillCross(p, QPointF(w * 0.22, h / 2), w * 0.12, h * 0.16, h * 0.09, c1);
        break;
    case FlagPattern::DiagonalCross: {
        p.setPen(QPen(c1, h * 0.18, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, 0), QPointF(w, h));
        p.drawLine(QPointF(0, h), QPointF(w, 0));
        p.setPen(Qt::NoPen);
        break;
    }
    case FlagPattern::RisingStripe:
        p.setPen(QPen(c1, h * 0.22, Qt::SolidLine, Qt::FlatCap));
        p.drawLine(QPointF(0, h), QPointF(w, 0));
        p.setPen(Qt::NoPen);
        break;
    case FlagPattern::FiveBoxes: {
        const double bw = w * 0.22, bh = h * 0.24;
        const QPointF centres[] = {{w * 0.2, h * 0.2},
                                   {w * 0.8, h * 0.2},
                                   {w / 2, h / 2},
                                   {w * 0.2, h * 0.8},
                                   {w * 0.8, h * 0.8}};
        for (const QPointF& c : centres)
            p.fillRect(QRectF(c.x() - bw / 2, c.y() - bh / 2, bw, bh), c1);
        break;
    }
    case FlagPattern::Nested: {
        // Each layer is the outline shrunk about its inner centre, so that every
        // band is equally wide all round.
        const QPolygonF outer = outline(d.shape, r);
        QPointF centre(w / 2, h / 2);
        if (outer.size() == 3) {
            const double a = QLineF(outer[1], outer[2]).length();
            const double b = QLineF(outer[2], outer[0]).length();
            const double c = QLineF(outer[0], outer[1]).length();
            centre = (a * outer[0] + b * outer[1] + c * outer[2]) / (a + b + c);
        }
        for (int i = 1; i < d.count; ++i) {
            const double scale = 1.0 - 0.32 * i;
            QPolygonF inner;
            for (const QPointF& corner : outer)
                inner << centre + (corner - centre) * scale;
            p.setBrush(QColor(d.colours[i]));
            p.drawPolygon(inner);
        }
        break;
    }
    }
}

QPainterPath outlinePath(FlagShape shape, QSize size)
{
    QPainterPath path;
    path.addPolygon(outline(shape, QRectF(0, 0, size.width(), size.height())));
    path.closeSubpath();
    return path;
}

// A thin edge keeps white flags apart from the window behind them.
QColor edgeColour(int n)
{
    return n == YoFlag ? QColor(Qt::black) : QColor(90, 90, 90);
}

// A transparent picture of flag N's size.
QImage blankPicture(int n)
{
    QImage image(flagPictureSize(n), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// The edge of flag N alone, on a transparent picture of its size.
QImage drawEdge(int n)
{
    QImage image = blankPicture(n);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(edgeColour(n), 1.5));
    p.drawPath(outlinePath(flagEntry(n).design.shape, image.size()));
    return image;
}

bool sameEdge(int a, int b)
{
    return flagEntry(a).design.shape == flagEntry(b).design.shape &&
           flagPictureSize(a) == flagPictureSize(b) && edgeColour(a) == edgeColour(b);
}

// Flag N with EDGE laid over it. A rectangular flag covers its whole picture:
// it is painted opaque and unclipped, which gives the same pixels and leaves
// nothing to convert when the picture goes to the screen.
QImage paintFlag(int n, const QImage& edge)
{
    const FlagDesign& design = flagEntry(n).design;
    const QSize size = flagPictureSize(n);
    const bool whole = design.shape == FlagShape::Rectangle;
    QImage image = whole ? QImage(size, QImage::Format_RGB32) : blankPicture(n);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    if (!whole)
        p.setClipPath(outlinePath(design.shape, size));
    paintPattern(p, design, QRectF(0, 0, size.width(), size.height()));
    p.setClipping(false);
    p.drawImage(0, 0, edge);
    return image;
}

} // namespace

const FlagEntry& flagEntry(int n)
{
    Q_ASSERT(n >= 1 && n <= FlagCount);
    return Alphabet[n - 1];
}

QString flagLetter(int n)
{
    return QString::fromUtf16(flagEntry(n).letter);
}

QString flagToolTip(int n)
{
    return QString::fromUtf16(flagEntry(n).toolTip);
}

int flagNumberOfLetter(QChar letter)
{
    const QString upper = QString(letter).toUpper();
    for (int n = 1; n <= FlagCount; ++n)
        if (flagLetter(n) == upper)
            return n;
    return 0;
}

QSize flagPictureSize(int n)
{
    return n == YoFlag ? QSize(92, 41) : QSize(160, 120);
}

QImage drawFlag(int n)
{
    return paintFlag(n, drawEdge(n));
}

std::vector<QImage> drawFlags()
{
    // Flags that share their shape, size and edge colour are drawn together,
    // each one's edge stroked once and laid over every flag it belongs to:
    // stroking an edge costs more than all the rest of a flag. A shaped flag is
    // painted on a canvas clipped once to the outline they share, and copied
    // off it; the clip, too, costs more to lay than the pattern inside it. Both
    // give the very pixels that drawing each flag on its own gives.
    std::vector<QImage> flags(FlagCount);
    for (int first = 1; first <= FlagCount; ++first) {
        if (!flags[static_cast<size_t>(first - 1)].isNull())
            continue;
        std::vector<int> group;
        for (int n = first; n <= FlagCount; ++n) {
            if (n == first || (flags[static_cast<size_t>(n - 1)].isNull() && sameEdge(first, n)))
                group.push_back(n);
        }
        const QImage edge = drawEdge(first);
        const FlagShape shape = flagEntry(first).design.shape;
        if (shape == FlagShape::Rectangle) {
            for (int n : group)
                flags[static_cast<size_t>(n - 1)] = paintFlag(n, edge);
            continue;
        }
        QImage canvas = blankPicture(first);
        const QRectF whole(QPointF(0, 0), canvas.size());
        QPainter p(&canvas);
        p.setRenderHint(QPainter::Antialiasing);
        p.setClipPath(outlinePath(shape, canvas.size()));
        for (int n : group) {
            p.save();
            p.setPen(Qt::NoPen);
            paintPattern(p, flagEntry(n).design, whole);
            p.restore();
            p.setClipping(false);
            p.drawImage(0, 0, edge);
            if (n == group.back())
                break;
            flags[static_cast<size_t>(n - 1)] = canvas.copy();
            p.setCompositionMode(QPainter::CompositionMode_Source);
            p.fillRect(whole, Qt::transparent);
            p.setCompositionMode(QPainter::CompositionMode_SourceOver);
            p.setClipping(true);
        }
        // The last flag of the group keeps the canvas itself.
        p.end();
        flags[static_cast<size_t>(group.back() - 1)] = std::move(canvas);
    }
    return flags;
}

} // namespace korventa
