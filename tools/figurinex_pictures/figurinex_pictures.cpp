// figurinex_pictures <folder> <code table file> <shown code table file>
// Writes every picture the program reads from its folder into <folder>: one
// figure for each letter the animated figures use, each word of the round and
// the end word in figures, and the two portraits; and the code table as a
// 24-bit BMP, with a copy stretched to the size the quiz window shows it at,
// stored as the bare pixels of a 32-bit picture (QImage::Format_RGB32).
#include "cipherpictures.h"
#include "picturefiles.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <cstdio>

namespace {

struct Looks
{
    QColor ground;
    QColor clothes;
    QColor skin;
    QColor hair;
    QColor eyes;
    bool longHair;
    bool glasses;
};

// A friendly drawn head and shoulders, filling the picture.
QImage drawPortrait(int width, int height, const Looks& looks)
{
    QImage image(width, height, QImage::Format_RGB888);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);

    QLinearGradient ground(0, 0, 0, height);
    ground.setColorAt(0, looks.ground.lighter(130));
    ground.setColorAt(1, looks.ground);
    p.fillRect(image.rect(), ground);

    const qreal cx = width / 2.0;
    const qreal faceW = qMin(width * 0.46, height * 0.42);
    const qreal faceH = faceW * 1.22;
    const QRectF face(cx - faceW / 2, height * 0.16, faceW, faceH);
    p.setPen(QPen(QColor(60, 40, 30), 2));

    // Hair behind the head.
    if (looks.longHair) {
        p.setBrush(looks.hair);
        p.drawRoundedRect(QRectF(face.left() - faceW * 0.14, face.top() - faceW * 0.1, faceW * 1.28,
                                 faceH * 1.35),
                          faceW * 0.4, faceW * 0.4);
    }

    // Shoulders.
    p.setBrush(looks.clothes);
    QPainterPath body;
    body.moveTo(cx - width * 0.48, height);
    body.cubicTo(cx - width * 0.45, height * 0.74, cx - faceW * 0.5, height * 0.72, cx,
                 height * 0.72);
    body.cubicTo(cx + faceW * 0.5, height * 0.72, cx + width * 0.45, height * 0.74,
                 cx + width * 0.48, height);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(looks.skin);
    p.drawRect(QRectF(cx - faceW * 0.14, face.bottom() - faceH * 0.1, faceW * 0.28,
                      height * 0.72 - face.bottom() + faceH * 0.12));

    // Face, ears, hair on top.
    p.drawEllipse(QRectF(face.left() - faceW * 0.08, face.center().y() - faceH * 0.1, faceW * 0.18,
                         faceH * 0.22));
    p.drawEllipse(QRectF(face.right() - faceW * 0.1, face.center().y() - faceH * 0.1, faceW * 0.18,
                         faceH * 0.22));
    p.drawEllipse(face);
    p.setBrush(looks.hair);
    QPainterPath fringe;
    fringe.moveTo(face.left() - 1, face.top() + faceH * 0.42);
    fringe.cubicTo(face.left() - faceW * 0.05, face.top() - faceH * 0.12,
                   face.right() + faceW * 0.05, face.top() - faceH * 0.12, face.right() + 1,
                   face.top() + faceH * 0.42);
    fringe.cubicTo(face.right() - faceW * 0.1, face.top() + faceH * 0.2, face.left() + faceW * 0.5,
                   face.top() + faceH * 0.32, face.left() + faceW * 0.1, face.top() + faceH * 0.2);
    fringe.closeSubpath();
    p.drawPath(fringe);

    // Eyes, brows, nose, smile, cheeks.
    const qreal eyeY = face.top() + faceH * 0.5;
    const qreal eyeDx = faceW * 0.2;
    for (int side : {-1, 1}) {
        const QPointF eye(cx + side * eyeDx, eyeY);
        p.setPen(QPen(QColor(60, 40, 30), 1.5));
        p.setBrush(Qt::white);
        p.drawEllipse(eye, faceW * 0.09, faceW * 0.07);
        p.setPen(Qt::NoPen);
        p.setBrush(looks.eyes);
        p.drawEllipse(eye, faceW * 0.045, faceW * 0.045);
        p.setBrush(QColor(240, 150, 140, 120));
        p.drawEllipse(QPointF(cx + side * faceW * 0.28, eyeY + faceH * 0.18), faceW * 0.08,
                      faceW * 0.05);
        p.setPen(QPen(looks.hair.darker(120), 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(eye.x() - faceW * 0.08, eyeY - faceH * 0.1),
                   QPointF(eye.x() + faceW * 0.08, eyeY - faceH * 0.12));
        if (looks.glasses) {
            p.setPen(QPen(QColor(40, 40, 40), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(eye, faceW * 0.15, faceW * 0.13);
        }
    }
    if (looks.glasses) {
        p.drawLine(QPointF(cx - eyeDx + faceW * 0.15, eyeY),
                   QPointF(cx + eyeDx - faceW * 0.15, eyeY));
    }
    p.setPen(QPen(QColor(150, 90, 70), 2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(cx, eyeY + faceH * 0.06), QPointF(cx - faceW * 0.04, eyeY + faceH * 0.18));
    p.setPen(QPen(QColor(170, 50, 50), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(cx - faceW * 0.16, eyeY + faceH * 0.14, faceW * 0.32, faceH * 0.16), 200 * 16,
              140 * 16);
    return image;
}

bool save(const QImage& image, const QString& path, const char* format)
{
    if (image.save(path, format, format[0] == 'j' ? 92 : -1))
        return true;
    std::fprintf(stderr, "figurinex_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

// IMAGE's pixels as Format_RGB32 lays them out, with nothing around them.
bool saveBarePixels(const QImage& image, const QString& path)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly) &&
        file.write(reinterpret_cast<const char*>(pixels.constBits()), pixels.sizeInBytes()) ==
            pixels.sizeInBytes() &&
        file.flush())
        return true;
    std::fprintf(stderr, "figurinex_pictures: cannot write %s\n", qPrintable(path));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 4) {
        std::fprintf(stderr, "usage: figurinex_pictures <folder> <code table file> "
                             "<shown code table file>\n");
        return 2;
    }
    const QDir folder(QString::fromUtf8(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "figurinex_pictures: cannot make %s\n", argv[1]);
        return 1;
    }

    bool ok = true;
    auto write = [&ok](const QImage& picture, const QString& path, const char* format) {
        ok = save(picture, path, format) && ok;
    };
    const QString table = QString::fromUtf8(argv[2]);
    write(figurinex::drawCodeTable(), table, "BMP");
    // Stretched from the table as the program reads it, the way the window's
    // image stretches it.
    const QImage stretched =
        QImage(table, "BMP")
            .scaled(figurinex::CodeTableShownWidth, figurinex::CodeTableShownHeight,
                    Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    ok = saveBarePixels(stretched, QString::fromUtf8(argv[3])) && ok;
    for (QChar letter : figurinex::figureLetters())
        write(figurinex::drawLetterPicture(letter),
              folder.filePath(figurinex::fileOfLetter(letter)), "BMP");
    for (const QString& word : figurinex::pictureWords())
        write(figurinex::drawWordPicture(word), folder.filePath(figurinex::fileOfWord(word)),
              "BMP");

    const Looks zorbo{QColor(120, 170, 220),
                      QColor(40, 90, 160),
                      QColor(250, 214, 180),
                      QColor(90, 60, 30),
                      QColor(60, 110, 60),
                      false,
                      true};
    const Looks lirra{QColor(200, 160, 220),
                      QColor(190, 60, 90),
                      QColor(252, 222, 196),
                      QColor(230, 170, 60),
                      QColor(50, 90, 170),
                      true,
                      false};
    // Each portrait has the size of its box in the authors window.
    write(drawPortrait(217, 185, zorbo),
          folder.filePath(QString::fromUtf16(figurinex::LeftPortrait)), "JPG");
    write(drawPortrait(153, 185, lirra),
          folder.filePath(QString::fromUtf16(figurinex::RightPortrait)), "JPG");
    return ok ? 0 : 1;
}
