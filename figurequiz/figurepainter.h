#pragma once

#include <QChar>
#include <QColor>
#include <QRectF>
#include <QString>

class QPainter;

namespace figurinex {

// Left and right are as the viewer sees them. For a figure standing on its
// head the arms are still described as they look on the screen.
enum class Arm {
    SlantDown,       // slanting down and out
    RaisedUpOut,     // raised up and out
    StraightOut,     // straight out sideways
    BentUp,          // out sideways, forearm pointing up
    BentDown,        // out sideways, forearm pointing down
    HandOnWaist,     // folded in at waist height
    SlantDownHandUp, // slanting down and out, the hand turned up
};

enum class Legs {
    Apart,   // two straight legs spread in a V
    Squared, // straight down, feet turned outwards
};

enum class Stance {
    Standing,
    UpsideDown,      // head at the bottom, legs in the air
    RunningRight,    // long stride to the right, right arm thrown up and forward
    RunningLeft,     // the same, mirrored
    SeatedFeetLeft,  // on the ground, side view, knees raised, arm propped behind
    SeatedFeetRight, // the same, mirrored
};

// Arms and legs only count for the standing and upside-down figures.
struct FigurePose
{
    Stance stance = Stance::Standing;
    Legs legs = Legs::Apart;
    Arm left = Arm::SlantDown;
    Arm right = Arm::SlantDown;
};

bool operator==(const FigurePose& a, const FigurePose& b);

// The 33 capitals of the cipher in alphabetical order, Ё seventh.
QString cipherAlphabet();

// The pose of a letter, upper or lower case; false for anything that is not
// one of the 33 letters.
bool figurePoseFor(QChar letter, FigurePose* pose);

// Draws the figure centred in `box`, keeping its proportions (100 wide to
// 140 high), in strokes of `color`.
void paintFigure(QPainter& painter, const QRectF& box, const FigurePose& pose,
                 const QColor& color = Qt::black);

} // namespace figurinex
