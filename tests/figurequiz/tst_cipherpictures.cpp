#include "cipherpictures.h"
#include "figurematch.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QtTest>

#include <climits>

namespace {

// The 33 letters of the cipher, Ё seventh.
const QString CipherLetters = QStringLiteral("АБВГДЕЁЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ");

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
        for (QChar letter : CipherLetters) {
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

class CipherPicturesTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldEmbedTheCodeTableAt24BitsWithABrownGrid();
    void shouldWriteEveryWordSoThatTheTableDecodesIt_data();
    void shouldWriteEveryWordSoThatTheTableDecodesIt();
};

void CipherPicturesTest::shouldEmbedTheCodeTableAt24BitsWithABrownGrid()
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

void CipherPicturesTest::shouldWriteEveryWordSoThatTheTableDecodesIt_data()
{
    QTest::addColumn<QString>("word");
    // The ten words of the round, then the end picture's.
    for (const char* word : {"компьютер", "программа", "сканер", "клавиатура", "принтер",
                             "процессор", "память", "мышь", "монитор", "дискета", "всё"})
        QTest::addRow("%s", word) << QString::fromUtf8(word);
}

void CipherPicturesTest::shouldWriteEveryWordSoThatTheTableDecodesIt()
{
    QFETCH(QString, word);
    const QString file = word + QStringLiteral(".bmp");
    testsupport::TemporaryCurrentFolder folder(FIGURINEX_FOLDER, {file});
    const QImage picture(file);
    QVERIFY(!picture.isNull());
    QVERIFY(picture.width() <= 505 && picture.height() <= 89); // fits the word box
    QCOMPARE(decode(picture, static_cast<int>(word.size())), word);
}

QTEST_MAIN(CipherPicturesTest)
#include "tst_cipherpictures.moc"
