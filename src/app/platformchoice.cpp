#include "app/platformchoice.h"

#include <QByteArray>
#include <QtGlobal>

// As an X11 program the window opens at its designed place, in the desktop's
// own frame and at its fixed size, and its clipboard still reaches Wayland
// programs. Natively on Wayland no program can place its window, and the
// frame Qt draws for it offers maximising, which a window of fixed size
// cannot follow. Where there is no X display, Wayland is used all the same.
void PreferX11WhereAvailable()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("xcb;wayland"));
}
