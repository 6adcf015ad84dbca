#pragma once

#include <QFont>

class QLabel;

namespace common {

// The windows were drawn with "MS Sans Serif": the font is of that family where
// the machine has it, else of the default sans face, which is what the font
// match falls back to for it (see sansFamilyFont).
QFont classicFont(int pixelSize, bool bold = false);
QFont classicPointFont(qreal points, bool bold = false);

// A font of the sans FAMILY where the machine has it, else of the default sans
// face, which is what the font match would come to for a sans family it lacks;
// choosing it here spares that match its search through every face there is.
QFont sansFamilyFont(const QString& family);

// The fallback face is wider than the one the windows were drawn for: a caption
// that would not fit its label (on one line, or in its lines when the label
// wraps) is narrowed to the widest stretch that fits, its height kept.
void fitCaption(QLabel* label);

} // namespace common
