#pragma once

#include <QRect>

namespace common {

// The quizzes were laid out in twips: 15 to a pixel at 96 dots per inch.
constexpr int twips(int value)
{
    return value >= 0 ? (value + 7) / 15 : -((-value + 7) / 15);
}

inline QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(twips(left), twips(top), twips(width), twips(height));
}

} // namespace common
