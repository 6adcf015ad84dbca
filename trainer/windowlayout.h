#pragma once

class QMenuBar;
class QWidget;

namespace veritabula {

// Lays the menu bar along the top and, under it, a client area of the given
// size that holds the window's controls; the window is fixed to both.
QWidget* placeFixedClientArea(QWidget* window, QMenuBar* menu, int width, int height);

} // namespace veritabula
