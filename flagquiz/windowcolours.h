#pragma once

#include <QColor>

namespace korventa {

// The ground of the main window.
constexpr QColor LightBlue(192, 192, 255);
// The ground of the forum and of the help, about and authors' windows.
constexpr QColor MidBlue(128, 128, 255);
// The ground of the answer box, the verdict line, the forum's text box and
// the texts of the help, about and authors' windows.
constexpr QColor LightYellow(255, 255, 192);

} // namespace korventa
