#pragma once

#include <QIcon>
#include <QImage>

// The program's picture: 32 x 32 pixels in the standard 16 colours, a silver
// band over a 4 x 4 grid of red, blue, yellow and green squares between black
// lines. It is the application's icon and the About dialog's picture.
QImage ProgramIconImage();
QIcon ProgramIcon();
