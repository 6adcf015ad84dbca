#include "posecycle.h"

namespace figurinex {

namespace {

// The letters each counter walks through, by counter value.
QString poseLetters(int counter)
{
    switch (counter) {
    case 1:
        return QStringLiteral("абвгдеё");
    case 2:
        return QStringLiteral("гнго");
    case 3:
        return QStringLiteral("эшэщ");
    case 4:
        return QStringLiteral("птпы");
    default:
        return QString();
    }
}

} // namespace

int poseModulus(int counter)
{
    return static_cast<int>(poseLetters(counter).size());
}

int nextPoseStep(int counter, int value)
{
    const int modulus = poseModulus(counter);
    return modulus > 0 ? (value + 1) % modulus : 0;
}

QString posePictureFile(int counter, int value)
{
    const QString letters = poseLetters(counter);
    if (value < 0 || value >= letters.size())
        return QString();
    return letters[value] + QStringLiteral(".bmp");
}

} // namespace figurinex
