// Start-up and shut-down: the application object, the main window (whose
// start-up handler paints the default scheme), then the hidden About dialog,
// then the event loop until the main window is closed. Nothing is read from
// the command line and nothing is saved.

#include "accessibility.h"
#include "hintstyle.h"
#include "programicon.h"
#include "tabout.h"
#include "tcmaptool.h"
#include "uifonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    InstallAccessibility();
    // The name the desktop lists the program under; the main window keeps its
    // own caption (so no display name, which Qt would append to it).
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setApplicationVersion(QStringLiteral(TINTWRIGHT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("tintwright"));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setFont(ProportionalFont(WindowFontPixels));
    QApplication::setStyle(new HintTimingStyle);

    TCMapTool CMapTool;
    TAboutBox AboutBox;
    CMapTool.setAboutBox(&AboutBox);
    CMapTool.show();
    return application.exec();
}
