#include "posecycle.h"

#include <QtTest>

using namespace figurinex;

class PoseCycleTest : public QObject
{
    Q_OBJECT

private slots:
    void shouldStepEachCounterThroughItsLetters_data();
    void shouldStepEachCounterThroughItsLetters();
};

void PoseCycleTest::shouldStepEachCounterThroughItsLetters_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<QString>("letters"); // the letter pictures of values 0, 1, ...
    QTest::addRow("PoseStep1, Image2") << 1 << "абвгдеё";
    QTest::addRow("PoseStep2, Image3") << 2 << "гнго";
    QTest::addRow("PoseStep3, Image4") << 3 << "эшэщ";
    QTest::addRow("PoseStep4, Image5") << 4 << "птпы";
}

void PoseCycleTest::shouldStepEachCounterThroughItsLetters()
{
    QFETCH(int, counter);
    QFETCH(QString, letters);
    const int modulus = int(letters.size());
    QCOMPARE(poseModulus(counter), modulus);
    // Each tick raises the counter first, so the first shows value 1.
    int value = 0;
    for (int tick = 1; tick <= 2 * modulus; ++tick) {
        value = nextPoseStep(counter, value);
        QCOMPARE(value, tick % modulus);
        QCOMPARE(posePictureFile(counter, value), letters.mid(value, 1) + QStringLiteral(".bmp"));
    }
}

QTEST_APPLESS_MAIN(PoseCycleTest)
#include "tst_posecycle.moc"
