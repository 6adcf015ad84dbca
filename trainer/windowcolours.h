#pragma once

#include <QColor>

namespace veritabula {

// The ground of the expression and truth-table windows.
constexpr QColor MoneyGreen(192, 220, 192);
// The main menu's title and the captions of its edit fields.
constexpr QColor Maroon(128, 0, 0);
// The credits over the authors' picture.
constexpr QColor Aqua(0, 255, 255);

} // namespace veritabula
