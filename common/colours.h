#pragma once

#include <QColor>
#include <QPalette>

class QWidget;

namespace common {

// The colours of the programs' windows, each named once.

// Veritabula
constexpr QColor MoneyGreen(192, 220, 192); // the expression and truth-table windows
constexpr QColor Maroon(128, 0, 0);         // the main menu's title and captions
constexpr QColor Aqua(0, 255, 255);         // the credits over the authors' picture

// Figurinex
constexpr QColor LightOrange(255, 192, 128); // every window and its labels

// Korventa
constexpr QColor LightBlue(192, 192, 255); // the main window
constexpr QColor MidBlue(128, 128, 255);   // the forum and the help, about and authors' windows
// The answer box, the verdict line, the forum's text box and the texts of the
// help, about and authors' windows.
constexpr QColor LightYellow(255, 255, 192);

// Paints the widget's ground in `colour`: a window's or a label's background.
void setGroundColour(QWidget* widget, const QColor& colour);

// Gives the widget's text `colour`: a label's by default, a button's with
// QPalette::ButtonText.
void setTextColour(QWidget* widget, const QColor& colour,
                   QPalette::ColorRole role = QPalette::WindowText);

} // namespace common
