#include "figurematch.h"
#include "figurepainter.h"

#include <QtTest>

class FigurePainterTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldDrawThirtyThreeClearlyDifferentFigures();
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

QTEST_MAIN(FigurePainterTest)
#include "tst_figurepainter.moc"
