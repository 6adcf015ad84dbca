#pragma once

#include <QFont>
#include <QString>

class QLabel;
class QWidget;

namespace figurinex {

// "MS Sans Serif" is asked for; the font match falls back to a sans face.
QFont formFont(qreal points, bool bold);

// The same face at the largest pixel size, no larger than the font's own,
// whose whole line, descenders included, is no higher than `height` pixels.
QFont fontWithinLineHeight(const QFont& font, int height);

// A label that wraps at word boundaries inside its own box, placed in twips.
QLabel* makeFormLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                      int width, int height, qreal points, bool bold);

// A picture box placed in twips, on the window system's ordinary ground: a
// picture is drawn at its own size from the top-left corner and whatever
// lies outside the box is cut off.
QLabel* makePictureBox(QWidget* parent, const char* name, int left, int top, int width, int height);

} // namespace figurinex
