#pragma once

#include <QString>
#include <QStringList>

#include <array>

namespace figurinex {

// Every picture Figurinex reads by name from its folder is named here: the
// picture tool draws each of them at build time, the program reads them and
// the tests look for them by these names.

// The letters the four animated figures walk through, one string per figure
// (PoseStep1 to PoseStep4); each pose is the picture of its letter.
inline constexpr std::array PoseLetters{u"абвгдеё", u"гнго", u"эшэщ", u"птпы"};

// The words of the round in their order, each shown as the picture of the
// word in figures; after the last comes the end picture.
inline constexpr std::array RoundWords{
    u"компьютер", u"программа", u"сканер", u"клавиатура", u"принтер",
    u"процессор", u"память",    u"мышь",   u"монитор",    u"дискета",
};
inline constexpr const char16_t* EndWord = u"всё";

// The portraits of the authors' window, left and right.
inline constexpr const char16_t* LeftPortrait = u"zorbo.jpg";
inline constexpr const char16_t* RightPortrait = u"lirra.jpg";

// The picture file of one figure ("б.bmp") and of a word in figures ("мышь.bmp").
QString fileOfLetter(QChar letter);
QString fileOfWord(const QString& word);

// Each letter of the figures once, in the order the figures first use them.
QString figureLetters();
// The words of the round, then the end picture's.
QStringList pictureWords();

// Every picture file: the letter pictures, the word pictures, the portraits.
QStringList pictureFiles();

} // namespace figurinex
