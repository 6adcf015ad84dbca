#pragma once

#include "picturefiles.h"

#include <QString>

namespace figurinex {

// The four animated figures, each driven by its own counter (PoseStep1 to
// PoseStep4, numbered 1 to 4 here).
constexpr int PoseCounters = static_cast<int>(PoseLetters.size());

// How many poses counter 1 to 4 runs through: 7 for the first, 4 for the rest.
int poseModulus(int counter);

// The counter's value after one tick.
int nextPoseStep(int counter, int value);

// The letter picture a counter value selects, e.g. "б.bmp" for counter 1 at 1.
QString posePictureFile(int counter, int value);

} // namespace figurinex
