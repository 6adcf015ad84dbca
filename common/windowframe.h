#pragma once

#include <QMargins>

class QWidget;

namespace common {

// The frame that the window manager draws around a top-level window: its
// title bar and borders. A hidden window has no frame yet, so the window
// manager is asked which one it will give the window when it is shown (an X
// window manager answers before the window is mapped). Without a window
// manager that answers, the frame the window system reports, or none.
QMargins windowFrame(QWidget* window);

// Places a hidden top-level window so that its outer rectangle (the window
// with `frame` around it) is centred in the available area of its screen.
void centreOnScreen(QWidget* window, const QMargins& frame);

// Centres a top-level window, frame included, when it is first shown; later
// showings find it where it was left.
void centreWhenFirstShown(QWidget* window);

// Shows a top-level window in front of the others, with the keyboard focus.
void showInFront(QWidget* window);

} // namespace common
