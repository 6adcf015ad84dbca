#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <vector>

namespace korventa {

constexpr int FlagCount = 33;
// Ё, the seventh letter, whose flag alone is small.
constexpr int YoFlag = 7;

enum class FlagShape {
    Rectangle,
    SwallowTail,     // cut into two tails at the fly
    Pennant,         // triangle, point at the fly
    TaperingPennant, // narrows towards a blunt fly end
};

enum class FlagPattern {
    Plain,           // colour 0
    HorizontalBands, // bands top to bottom, colours 0 .. count-1
    VerticalBands,   // bands hoist to fly
    Chequered,       // count by count squares, colour 0 at the top-left
    Quartered,       // colour 0 top-left and bottom-right, colour 1 the others
    HoistBox,        // field colour 0, a large box of colour 1 at the hoist
    HoistDisc,       // field colour 0, a disc of colour 1 near the hoist
    CentreDisc,      // field colour 0, a disc of colour 1 in the centre
    Diamond,         // field colour 0, a diamond of colour 1 touching every edge
    SmallDiamond,    // field colour 0, a small diamond of colour 1 in the centre
    UprightCross,    // field colour 0, a cross of colour 1 across the whole flag
    SmallCross,      // field colour 0, a small cross of colour 1 in the centre
    HoistCross,      // field colour 0, a small cross of colour 1 near the hoist
    DiagonalCross,   // field colour 0, a saltire of colour 1
    RisingStripe,    // field colour 0, a stripe of colour 1 from lower hoist to upper fly
    FiveBoxes,       // field colour 0, boxes of colour 1 near each corner and in the centre
    Nested,          // the shape in colour 0, inside it smaller copies in colours 1 ..
};

struct FlagDesign
{
    FlagShape shape;
    FlagPattern pattern;
    int count;       // bands, squares a side, or nested layers; 0 where unused
    bool thinStroke; // thin bars (the upright cross of Л) rather than broad ones
    QRgb colours[5];
};

struct FlagEntry
{
    const char16_t* letter;
    const char16_t* toolTip; // empty: the flag has none
    FlagDesign design;
};

// The flag alphabet, А to Я with Ё seventh; entry N of the quiz is flagEntry(N).
const FlagEntry& flagEntry(int n);

// The letter of entry N as the quiz shows it above the flag.
QString flagLetter(int n);
QString flagToolTip(int n);

// Place of a lower- or upper-case letter in the alphabet, 0 for none.
int flagNumberOfLetter(QChar letter);

// 160 by 120, except Ё: 92 by 41.
QSize flagPictureSize(int n);

// Paints flag N after its design, at its picture size; outside a pennant's or a
// tailed flag's outline the picture is transparent.
QImage drawFlag(int n);
// Flags 1 to FlagCount in order, as drawFlag draws them.
std::vector<QImage> drawFlags();

} // namespace korventa
