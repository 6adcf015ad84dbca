#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace common {

// Paints the widget's ground in `colour`: a window's or a label's background.
void setGroundColour(QWidget* widget, const QColor& colour);

// Gives the widget's text `colour`: a label's by default, a button's with
// QPalette::ButtonText.
void setTextColour(QWidget* widget, const QColor& colour,
                   QPalette::ColorRole role = QPalette::WindowText);

} // namespace common
