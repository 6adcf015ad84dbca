#include "units.h"

#include <QtTest>

class UnitsTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldConvertTwipsToPixels();
};

void UnitsTest::shouldConvertTwipsToPixels()
{
    QCOMPARE(common::twips(0), 0);
    QCOMPARE(common::twips(15), 1);
    QCOMPARE(common::twips(4815), 321);
    QCOMPARE(common::twips(-120), -8);
    QCOMPARE(common::twipsRect(120, 240, 1500, 375), QRect(8, 16, 100, 25));
}

QTEST_APPLESS_MAIN(UnitsTest)
#include "tst_units.moc"
