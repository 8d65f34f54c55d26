#pragma once

#include <QPoint>

class QWidget;

// Places a top-level window before it is first shown: at its designed place
// (the outer frame's top-left corner) wherever the whole window fits there
// on the screen that place lies on, otherwise moved just enough to lie
// wholly on that screen (at a large desktop scale the designed place would
// leave the window's right or lower part out of reach). The window manager's
// frame is only known once the window is shown, so the place is checked once
// more then, with the frame.
void PlaceOnScreen(QWidget *window, QPoint designed);
