#include "picturefiles.h"

namespace figurinex {

QString fileOfLetter(QChar letter)
{
    return letter + QStringLiteral(".bmp");
}

QString fileOfWord(const QString& word)
{
    return word + QStringLiteral(".bmp");
}

QString figureLetters()
{
    QString letters;
    for (const char16_t* poses : PoseLetters) {
        for (QChar letter : QString::fromUtf16(poses)) {
            if (!letters.contains(letter))
                letters += letter;
        }
    }
    return letters;
}

QStringList pictureWords()
{
    QStringList words;
    for (const char16_t* word : RoundWords)
        words << QString::fromUtf16(word);
    words << QString::fromUtf16(EndWord);
    return words;
}

QStringList pictureFiles()
{
    QStringList files;
    for (QChar letter : figureLetters())
        files << fileOfLetter(letter);
    for (const QString& word : pictureWords())
        files << fileOfWord(word);
    files << QString::fromUtf16(LeftPortrait) << QString::fromUtf16(RightPortrait);
    return files;
}

} // namespace figurinex
