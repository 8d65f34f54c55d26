#pragma once

// Picking a colour from anywhere on the screen. On an X11 desktop the program
// reads the pixel itself (PointerPick); on a Wayland desktop, where a program
// may not read the screen (and under XWayland reads only black), it asks the
// desktop through the XDG desktop portal (PortalPick). Either way a failed
// pick says so with a beep and changes nothing.

#include "cspace/cspace.h"

#include <QObject>

class PortalPick;
class QWidget;

class ScreenColorPick final : public QObject
{
    Q_OBJECT

public:
    // Picks for this window: it holds the pointer on X11 and is the
    // portal picker's parent.
    explicit ScreenColorPick(QWidget *window);
    ~ScreenColorPick() override;

    // Starts a pick and returns at once.
    void start();

Q_SIGNALS:
    // The colour under the pointer while a pick goes on, to show in place of
    // the colour being edited (X11 only).
    void previewed(cSpace::TColor color);
    // What previewed() showed is to be put back: the pointer is over one of
    // the program's own windows, or the pick is ending.
    void previewEnded();
    void picked(cSpace::TColor color);

private:
    void startWithPointer();
    void startWithPortal();

    QWidget *m_window;
    PortalPick *m_portal = nullptr; // made on first use
};
