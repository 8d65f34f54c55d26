// Start-up and shut-down: the application object, the main window (whose
// start-up handler paints the default scheme), then the hidden About dialog,
// then the event loop until the main window is closed. Nothing is read from
// the command line and nothing is saved.

#include "about/tabout.h"
#include "app/localechoice.h"
#include "app/platformchoice.h"
#include "cmap/tcmaptool.h"
#include "controls/accessibility.h"
#include "shell/hintstyle.h"
#include "shell/programicon.h"
#include "shell/toolkittexts.h"
#include "shell/uifonts.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    PreferUtf8WhereNoLocaleIsSet();
    PreferX11WhereAvailable();
    // The toolkit is given the program's name only, so that no argument
    // (-reverse, -style, -qwindowgeometry...) changes the program.
    int toolkitArgc = 1;
    char programName[] = "tintwright";
    char *toolkitArgv[] = {argc > 0 && argv[0] ? argv[0] : programName, nullptr};
    QApplication application(toolkitArgc, toolkitArgv);
    InstallAccessibility(); // before any control exists
    // The name the desktop lists the program under; the main window keeps its
    // own caption (so no display name, which Qt would append to it).
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    QApplication::setApplicationVersion(QStringLiteral(TINTWRIGHT_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("tintwright"));
    QApplication::setWindowIcon(ProgramIcon());
    QApplication::setFont(ProportionalFont(WindowFontPixels));
    QApplication::setStyle(new HintTimingStyle);
    LoadToolkitTexts();

    TCMapTool CMapTool;
    // Owned by the main window: it stays above it and is minimised with it.
    TAboutBox AboutBox(&CMapTool);
    CMapTool.setAboutBox(&AboutBox);
    CMapTool.show();
    return application.exec();
}
