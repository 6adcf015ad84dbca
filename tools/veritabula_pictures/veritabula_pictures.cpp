// Draws the truth-table trainer's three pictures and writes them as JPEG files:
//   veritabula_pictures <output folder> <theory page source (HTML)> [png folder]
// With a third argument it also writes PNG copies there, for looking at.

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <QTextDocument>
#include <QUrl>

#include <cstdio>

namespace {

constexpr QSize MenuSize(637, 991);
constexpr QSize TheorySize(600, 2434);
constexpr QSize AuthorsSize(1512, 1072);

QFont dejaVu(const QString& family, int pixelSize, bool bold = false)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

// Faint digits and logic signs scattered over a background, from a fixed seed
// so that every build draws the same picture.
void scatterSigns(QPainter& painter, QSize size, QColor colour, quint32 seed, int count)
{
    static const QStringList signs = {QStringLiteral("0"), QStringLiteral("1"),
                                      QStringLiteral("∧"), QStringLiteral("∨"),
                                      QStringLiteral("A"), QStringLiteral("B")};
    QRandomGenerator random(seed);
    painter.setPen(colour);
    for (int i = 0; i < count; ++i) {
        painter.setFont(dejaVu(QStringLiteral("DejaVu Serif"), 18 + random.bounded(40), true));
        const QPoint at(random.bounded(size.width()), random.bounded(size.height()));
        painter.drawText(at, signs.at(random.bounded(static_cast<int>(signs.size()))));
    }
}

QImage drawMenu()
{
    QImage image(MenuSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, MenuSize.height());
    sky.setColorAt(0.0, QColor(255, 248, 228));
    sky.setColorAt(0.5, QColor(238, 232, 210));
    sky.setColorAt(1.0, QColor(214, 226, 236));
    painter.fillRect(image.rect(), sky);
    scatterSigns(painter, MenuSize, QColor(200, 180, 150, 90), 1106, 140);

    // A large truth table of A ∧ B drawn as faint ruled paper.
    painter.setPen(QPen(QColor(170, 140, 110, 110), 2));
    const QRect sheet(260, 600, 260, 300);
    for (int r = 0; r <= 5; ++r)
        painter.drawLine(sheet.left(), sheet.top() + r * 60, sheet.right(), sheet.top() + r * 60);
    for (int c = 0; c <= 3; ++c)
        painter.drawLine(sheet.left() + c * 86, sheet.top(), sheet.left() + c * 86, sheet.bottom());
    painter.setFont(dejaVu(QStringLiteral("DejaVu Sans"), 30, true));
    painter.setPen(QColor(150, 110, 80, 130));
    const QStringList cells = {"A", "B", "∧", "1", "1", "1", "1", "0",
                               "0", "0", "1", "0", "0", "0", "0"};
    for (int i = 0; i < cells.size(); ++i) {
        const QRect cell(sheet.left() + (i % 3) * 86, sheet.top() + (i / 3) * 60, 86, 60);
        painter.drawText(cell, Qt::AlignCenter, cells.at(i));
    }
    return image;
}

QImage drawAuthors()
{
    QImage image(AuthorsSize, QImage::Format_RGB32);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    QRadialGradient glow(AuthorsSize.width() * 0.7, AuthorsSize.height() * 0.35,
                         AuthorsSize.width() * 0.8);
    glow.setColorAt(0.0, QColor(28, 52, 96));
    glow.setColorAt(1.0, QColor(6, 12, 30));
    painter.fillRect(image.rect(), glow);

    // Circuit-like traces: horizontal runs with a bend and a solder dot.
    QRandomGenerator random(1108);
    painter.setPen(QPen(QColor(60, 120, 170, 120), 4));
    for (int i = 0; i < 60; ++i) {
        const int y = random.bounded(AuthorsSize.height());
        const int x = random.bounded(AuthorsSize.width());
        const int run = 80 + random.bounded(300);
        const int rise = random.bounded(2) ? 40 : -40;
        QPainterPath trace(QPointF(x, y));
        trace.lineTo(x + run, y);
        trace.lineTo(x + run + 40, y + rise);
        trace.lineTo(x + run + 200, y + rise);
        painter.drawPath(trace);
        painter.setBrush(QColor(90, 160, 210, 140));
        painter.drawEllipse(QPointF(x + run + 200, y + rise), 8, 8);
        painter.setBrush(Qt::NoBrush);
    }
    scatterSigns(painter, AuthorsSize, QColor(80, 140, 200, 70), 2108, 220);
    return image;
}

// The double bar of the last law, which rich text cannot stack by itself.
QImage drawDoubleBarA(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("A")) + 4;
    const int height = metrics.ascent() + 8;
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // The picture stands on the text's baseline, so the letter does too.
    painter.drawText(QPointF(2, height), QStringLiteral("A"));
    painter.setPen(QPen(Qt::black, 1.5));
    const int top = 8 + metrics.ascent() - metrics.capHeight() - 2;
    painter.drawLine(QPointF(1, top), QPointF(width - 1, top));
    painter.drawLine(QPointF(1, top - 5), QPointF(width - 1, top - 5));
    return image;
}

QImage drawTheory(const QString& html, int bodyPixels)
{
    QTextDocument document;
    document.setDocumentMargin(14);
    document.setDefaultFont(dejaVu(QStringLiteral("DejaVu Serif"), bodyPixels));
    const int lawPixels = bodyPixels + 8;
    document.setDefaultStyleSheet(
        QStringLiteral("body { color: black; }"
                       "h1 { font-family: 'DejaVu Sans'; font-size: %1px; }"
                       "h2 { font-family: 'DejaVu Sans'; font-size: %2px; }"
                       "h3 { font-family: 'DejaVu Sans'; font-size: %3px; }"
                       "p.law { font-family: 'DejaVu Sans'; font-size: %4px; }"
                       "span.f { font-family: 'DejaVu Sans'; font-size: %5px; }"
                       "td, th { font-family: 'DejaVu Sans'; text-align: center; }"
                       "p.end { font-size: %6px; font-style: italic; }")
            .arg(bodyPixels + 12)
            .arg(bodyPixels + 6)
            .arg(bodyPixels + 3)
            .arg(lawPixels)
            .arg(bodyPixels + 4)
            .arg(bodyPixels + 4));
    document.addResource(QTextDocument::ImageResource, QUrl(QStringLiteral("double-bar-A")),
                         drawDoubleBarA(dejaVu(QStringLiteral("DejaVu Sans"), lawPixels)));
    document.setHtml(html);
    document.setTextWidth(TheorySize.width());

    QImage image(TheorySize, QImage::Format_RGB32);
    image.fill(Qt::white);
    if (document.size().height() > TheorySize.height())
        return QImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    document.drawContents(&painter);
    return image;
}

bool save(const QImage& image, const QString& folder, const QString& name, const QString& pngs)
{
    const QString path = QDir(folder).filePath(name + QStringLiteral(".jpg"));
    if (!image.save(path, "JPEG", 92)) {
        std::fprintf(stderr, "veritabula_pictures: cannot write %s\n", qPrintable(path));
        return false;
    }
    if (!pngs.isEmpty()) {
        image.save(QDir(pngs).filePath(name + QStringLiteral(".png")), "PNG");
        // Tall pictures also in screen-sized pieces.
        for (int top = 0, piece = 1; top < image.height(); top += 820, ++piece)
            image.copy(0, top, image.width(), 820)
                .save(QDir(pngs).filePath(QStringLiteral("%1-%2.png").arg(name).arg(piece)), "PNG");
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 3) {
        std::fprintf(stderr,
                     "usage: veritabula_pictures <output folder> <theory.html> [png folder]\n");
        return 2;
    }
    QFile source(args.at(2));
    if (!source.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "veritabula_pictures: cannot read %s: %s\n", qPrintable(args.at(2)),
                     qPrintable(source.errorString()));
        return 1;
    }
    const QString html = QString::fromUtf8(source.readAll());
    QDir().mkpath(args.at(1));
    const QString pngs = args.size() > 3 ? args.at(3) : QString();

    // The largest body text with which the whole page fits its height.
    QImage theory;
    for (int pixels = 20; pixels >= 10 && theory.isNull(); --pixels)
        theory = drawTheory(html, pixels);
    if (theory.isNull()) {
        std::fprintf(stderr, "veritabula_pictures: the theory page does not fit %d pixels\n",
                     TheorySize.height());
        return 1;
    }
    const bool ok = save(drawMenu(), args.at(1), QStringLiteral("menu"), pngs) &&
                    save(theory, args.at(1), QStringLiteral("theory"), pngs) &&
                    save(drawAuthors(), args.at(1), QStringLiteral("authors"), pngs);
    return ok ? 0 : 1;
}
