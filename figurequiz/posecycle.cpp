#include "posecycle.h"

#include "picturefiles.h"

namespace figurinex {

namespace {

// The letters each counter walks through, by counter value.
QString poseLetters(int counter)
{
    if (counter < 1 || counter > PoseCounters)
        return QString();
    return QString::fromUtf16(PoseLetters[static_cast<size_t>(counter - 1)]);
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
    return fileOfLetter(letters[value]);
}

} // namespace figurinex
