#include "flags.h"

#include <QtTest>

using namespace korventa;

class FlagsTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldDrawEveryFlagAtItsSizeAndUnlikeTheOthers();
    void shouldDrawTheColoursOfTheDesignTable_data();
    void shouldDrawTheColoursOfTheDesignTable();
    void shouldDrawTheFlagsTogetherAsEachAlone();
};

void FlagsTest::shouldDrawEveryFlagAtItsSizeAndUnlikeTheOthers()
{
    QList<QImage> images;
    for (int n = 1; n <= FlagCount; ++n) {
        const QImage image = drawFlag(n);
        QCOMPARE(image.size(), n == YoFlag ? QSize(92, 41) : QSize(160, 120));
        QVERIFY2(!images.contains(image), qPrintable(flagLetter(n)));
        images << image;
    }
}

void FlagsTest::shouldDrawTheColoursOfTheDesignTable_data()
{
    QTest::addColumn<int>("flag");
    QTest::addColumn<QPoint>("point");
    QTest::addColumn<QColor>("expected"); // invalid: transparent
    const QColor red(0xd0, 0x20, 0x2a), white(Qt::white), blue(0x1d, 0x3f, 0x9a),
        yellow(0xf6, 0xcd, 0x1a), black(0x16, 0x16, 0x16);
    QTest::addRow("А white box at the hoist") << 1 << QPoint(30, 60) << white;
    QTest::addRow("А tails cut at the fly") << 1 << QPoint(155, 60) << QColor();
    QTest::addRow("В red border") << 3 << QPoint(4, 60) << red;
    QTest::addRow("В blue core") << 3 << QPoint(48, 60) << blue;
    QTest::addRow("Ё black under white") << YoFlag << QPoint(20, 33) << black;
    QTest::addRow("З blue top-left") << 9 << QPoint(10, 10) << blue;
    QTest::addRow("П blue fly") << 17 << QPoint(130, 60) << blue;
    QTest::addRow("Т black top-right") << 20 << QPoint(130, 20) << black;
    QTest::addRow("Ы stripe rises to the fly") << 29 << QPoint(140, 15) << white;
    QTest::addRow("Я yellow cross") << 33 << QPoint(80, 20) << yellow;
}

void FlagsTest::shouldDrawTheColoursOfTheDesignTable()
{
    QFETCH(int, flag);
    QFETCH(QPoint, point);
    QFETCH(QColor, expected);
    const QColor actual = drawFlag(flag).pixelColor(point);
    if (expected.isValid())
        QCOMPARE(actual.rgba(), expected.rgba());
    else
        QCOMPARE(actual.alpha(), 0);
}

// The window draws all flags at once, sharing edges and clips between flags of
// one shape; every picture must come out as the flag drawn on its own.
void FlagsTest::shouldDrawTheFlagsTogetherAsEachAlone()
{
    const std::vector<QImage> flags = drawFlags();
    QCOMPARE(flags.size(), size_t(FlagCount));
    for (int n = 1; n <= FlagCount; ++n) {
        const QImage& together = flags[static_cast<size_t>(n - 1)];
        const QImage alone = drawFlag(n);
        QCOMPARE(together.size(), alone.size());
        // A rectangular flag is opaque, so the screen takes it as it is.
        QCOMPARE(together.hasAlphaChannel(), flagEntry(n).design.shape != FlagShape::Rectangle);
        QVERIFY2(together.convertToFormat(QImage::Format_ARGB32_Premultiplied) ==
                     alone.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 qPrintable(flagLetter(n)));
    }
}

QTEST_GUILESS_MAIN(FlagsTest)
#include "tst_flags.moc"
