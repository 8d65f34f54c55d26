#include "screenpick/screencolorpick.h"

#include "screenpick/pointerpick.h"
#include "screenpick/portalpick.h"

#include <QApplication>
#include <QGuiApplication>
#include <QWidget>

ScreenColorPick::ScreenColorPick(QWidget *window) : QObject(window), m_window(window) {}

ScreenColorPick::~ScreenColorPick() = default;

void ScreenColorPick::start()
{
    // A Wayland session, whether the program runs there natively or as an
    // X11 program under XWayland.
    if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        startWithPointer();
    else
        startWithPortal();
}

void ScreenColorPick::startWithPointer()
{
    auto *pick = new PointerPick(m_window);
    connect(pick, &PointerPick::previewed, this, &ScreenColorPick::previewed);
    connect(pick, &PointerPick::previewEnded, this, &ScreenColorPick::previewEnded);
    connect(pick, &PointerPick::picked, this, &ScreenColorPick::picked);
    if (!pick->start())
        QApplication::beep();
}

void ScreenColorPick::startWithPortal()
{
    if (!m_portal) {
        m_portal = new PortalPick(this);
        connect(m_portal, &PortalPick::picked, this, &ScreenColorPick::picked);
        connect(m_portal, &PortalPick::failed, this, &QApplication::beep);
    }
    // The portal places its picker over the window that asked. Under
    // XWayland the window is named by its X11 id; a native Wayland window
    // would need an exported xdg-foreign handle, which Qt 6.4 offers no
    // public way to make, so it goes unnamed there.
    const QString parent = QGuiApplication::platformName() == QLatin1String("xcb")
                               ? QStringLiteral("x11:%1").arg(m_window->winId(), 0, 16)
                               : QString();
    m_portal->start(parent);
}
