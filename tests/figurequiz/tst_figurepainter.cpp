#include "cipherpictures.h"
#include "figurepainter.h"
#include "picturefiles.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtTest>

#include <climits>

namespace {

QImage figureImage(QChar letter, const QSize& size)
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
int difference(const QImage& a, const QImage& b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            count += (qGray(a.pixel(x, y)) < 128) != (qGray(b.pixel(x, y)) < 128) ? 1 : 0;
    }
    return count;
}

// Reads a word picture back as a pupil would: each figure is matched against
// the 33 figures of the table and the nearest letter taken.
QString decode(const QImage& picture, int letters)
{
    QString word;
    for (int i = 0; i < letters; ++i) {
        const QImage figure = picture.copy(4 + 48 * i, 3, 48, picture.height() - 6)
                                  .convertToFormat(QImage::Format_RGB32);
        QChar best;
        int bestDifference = INT_MAX;
        for (QChar letter : figurinex::cipherAlphabet()) {
            const int d = difference(figure, figureImage(letter, figure.size()));
            if (d < bestDifference) {
                bestDifference = d;
                best = letter;
            }
        }
        word += best.toLower();
    }
    return word;
}

} // namespace

class FigurePainterTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldDrawThirtyThreeClearlyDifferentFigures();
    void shouldEmbedTheCodeTableAt24BitsWithABrownGrid();
    void shouldWriteEveryWordSoThatTheTableDecodesIt_data();
    void shouldWriteEveryWordSoThatTheTableDecodesIt();
};

void FigurePainterTest::shouldDrawThirtyThreeClearlyDifferentFigures()
{
    const QString alphabet = figurinex::cipherAlphabet();
    QCOMPARE(alphabet, QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"));
    QList<QImage> figures;
    for (QChar letter : alphabet)
        figures << figureImage(letter, QSize(50, 70)); // about their size in the table
    for (int i = 0; i < figures.size(); ++i) {
        for (int j = i + 1; j < figures.size(); ++j) {
            QVERIFY2(
                difference(figures[i], figures[j]) > 40,
                qPrintable(QStringLiteral("%1 and %2 look alike").arg(alphabet[i], alphabet[j])));
        }
    }
}

void FigurePainterTest::shouldEmbedTheCodeTableAt24BitsWithABrownGrid()
{
    QFile file(QStringLiteral(":/figurinex/codetable.bmp"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QCOMPARE(bytes.size(), 634822);
    QCOMPARE(static_cast<int>(bytes[28]), 24); // bits per pixel

    const QImage table = QImage::fromData(bytes);
    QCOMPARE(table.size(), QSize(258, 818));
    const QColor brown(128, 64, 0);
    QCOMPARE(table.pixelColor(0, 0), brown);
    QCOMPARE(table.pixelColor(257, 817), brown);
    for (int i = 0; i < 33; ++i) {
        const QRect cell = figurinex::codeTableCell(i);
        QVERIFY(cell.width() >= 75 && cell.width() <= 81);
        QVERIFY(cell.height() >= 66 && cell.height() <= 73);
        QCOMPARE(table.pixelColor(cell.bottomRight()), QColor(Qt::white));
        QCOMPARE(table.pixelColor(cell.right() + 1, cell.center().y()), brown);
        QCOMPARE(table.pixelColor(cell.center().x(), cell.bottom() + 1), brown);
    }
    // Saved as it is: a window this tall would be cut to the offscreen screen.
    const QString shots = qEnvironmentVariable("SCREENSHOT_DIR");
    if (!shots.isEmpty())
        QVERIFY(table.save(QDir(shots).filePath(QStringLiteral("figurinex-codetable.png"))));
}

void FigurePainterTest::shouldWriteEveryWordSoThatTheTableDecodesIt_data()
{
    QTest::addColumn<QString>("word");
    for (const QString& word : figurinex::pictureWords())
        QTest::addRow("%s", qPrintable(word)) << word;
}

void FigurePainterTest::shouldWriteEveryWordSoThatTheTableDecodesIt()
{
    QFETCH(QString, word);
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, figurinex::pictureFiles());
    const QImage picture(figurinex::fileOfWord(word));
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() <= 505 && picture.height() <= 89); // fits the word box
    QCOMPARE(decode(picture, static_cast<int>(word.size())), word);
}

QTEST_MAIN(FigurePainterTest)
#include "tst_figurepainter.moc"
