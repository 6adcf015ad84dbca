#pragma once

#include "picturefiles.h"

#include <QString>

namespace figurinex {

constexpr int WordsInRound = static_cast<int>(RoundWords.size());

// WordStep runs 0, 1 .. 10, 0, ...: 1 to 10 show that word of the series,
// 0 is the start (nothing shown yet) or the end picture.
int nextWordStep(int wordStep);

// The word of step 1 to 10; empty for any other step.
QString roundWord(int wordStep);

// The picture shown at a step: the word's own picture, or the end picture
// for step 0.
QString wordPictureFile(int wordStep);

// The pupil's answer is lower-cased and must then equal the word exactly;
// blanks are not trimmed.
bool isRightAnswer(const QString& typed, const QString& word);

QString verdictFor(int correct);

// "Правильных ответов - " and the number written with a leading blank, so
// two blanks stand before it.
QString countLine(int correct);

} // namespace figurinex
