#include "wordround.h"

#include "text.h"

namespace figurinex {

namespace {

// The number as the form run-time wrote it: a blank in front of a number
// that is not negative.
QString numberText(int value)
{
    return value >= 0 ? QLatin1Char(' ') + QString::number(value) : QString::number(value);
}

} // namespace

int nextWordStep(int wordStep)
{
    return (wordStep + 1) % (WordsInRound + 1);
}

QString roundWord(int wordStep)
{
    if (wordStep < 1 || wordStep > WordsInRound)
        return QString();
    return QString::fromUtf16(RoundWords[static_cast<size_t>(wordStep - 1)]);
}

QString wordPictureFile(int wordStep)
{
    return fileOfWord(wordStep == 0 ? QString::fromUtf16(EndWord) : roundWord(wordStep));
}

bool isRightAnswer(const QString& typed, const QString& word)
{
    return common::lowerCaseAnswer(typed) == word;
}

QString verdictFor(int correct)
{
    if (correct <= 2)
        return QStringLiteral("Попробуй ещё раз!");
    if (correct <= 4)
        return QStringLiteral("Плохо, дружок!");
    if (correct <= 6)
        return QStringLiteral("Неплохо, но будь внимательней!");
    if (correct <= 8)
        return QStringLiteral("Хорошо!");
    return QStringLiteral("Молодец!");
}

QString countLine(int correct)
{
    return QStringLiteral("Правильных ответов - ") + numberText(correct);
}

} // namespace figurinex
