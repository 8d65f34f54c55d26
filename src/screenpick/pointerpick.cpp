#include "screenpick/pointerpick.h"

#include "controls/colorbridge.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <utility>

namespace {

// The colour of one pixel of the screen, as the X server holds it: a grab of
// the root window, so whatever window shows there is read.
std::optional<cSpace::TColor> screenPixel(const QPoint &globalPos)
{
    QScreen *screen = QGuiApplication::screenAt(globalPos);
    if (!screen)
        return std::nullopt;
    const QImage pixel = screen->grabWindow(0, globalPos.x(), globalPos.y(), 1, 1).toImage();
    if (pixel.isNull())
        return std::nullopt;
    return FromQColor(pixel.pixelColor(0, 0));
}

// Whether the X server would let the window have the pointer. Qt's grab
// (XInput 2) reports success even where another program holds the pointer,
// so the server is asked directly with a grab of its own, given back at once
// for Qt's to take its place. Without an X server to ask, Qt's answer stands.
bool pointerIsFree(QWindow *window)
{
    const auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return true;
    xcb_connection_t *connection = x11->connection();
    const xcb_grab_pointer_cookie_t request =
        xcb_grab_pointer(connection, false, xcb_window_t(window->winId()), 0, XCB_GRAB_MODE_ASYNC,
                         XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE, XCB_CURRENT_TIME);
    xcb_grab_pointer_reply_t *reply = xcb_grab_pointer_reply(connection, request, nullptr);
    const bool granted = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    if (granted)
        xcb_ungrab_pointer(connection, XCB_CURRENT_TIME);
    return granted;
}

} // namespace

PointerPick::PointerPick(QWidget *window) : QWidget(window)
{
    setGeometry(0, 0, 0, 0);
    setFocusPolicy(Qt::NoFocus);
    setMouseTracking(true); // every move, not only drags, follows the pointer
}

PointerPick::~PointerPick() = default;

bool PointerPick::start()
{
    QWindow *native = window()->windowHandle();
    if (!native || !pointerIsFree(native)) {
        finish(std::nullopt);
        return false;
    }
    show();
    grabMouse(Qt::CrossCursor);
    grabKeyboard();
    // The toolkit routes the keys here whatever the X server said; asking
    // the window again (which keeps a grab it holds) gives the server's
    // answer.
    if (!native->setKeyboardGrabEnabled(true)) {
        finish(std::nullopt);
        return false;
    }
    m_active = true;
    follow(QCursor::pos());
    return true;
}

bool PointerPick::event(QEvent *event)
{
    // The window's own keys (Ctrl+C, Ctrl+1 ...) wait until the pick ends.
    if (event->type() == QEvent::ShortcutOverride) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void PointerPick::mouseMoveEvent(QMouseEvent *event)
{
    follow(event->globalPosition().toPoint());
}

void PointerPick::mousePressEvent(QMouseEvent *event)
{
    event->accept(); // the click acts when the button is released
}

void PointerPick::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        finish(event->globalPosition().toPoint());
    else
        finish(std::nullopt);
}

void PointerPick::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        finish(std::nullopt);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(QCursor::pos());
        break;
    default:
        break;
    }
}

// Over one of the program's own windows the preview is put back, and painted
// at once, so that what shows under the pointer, and what a click there
// picks, is what the window holds: every click comes after the move that
// brought the pointer there.
void PointerPick::follow(const QPoint &globalPos)
{
    if (!m_active)
        return;
    if (QWidget *own = QApplication::topLevelAt(globalPos)) {
        if (std::exchange(m_previewing, false)) {
            Q_EMIT previewEnded();
            own->repaint();
        }
        return;
    }
    if (const auto color = screenPixel(globalPos)) {
        m_previewing = true;
        Q_EMIT previewed(*color);
    }
}

void PointerPick::finish(std::optional<QPoint> globalPos)
{
    std::optional<cSpace::TColor> color;
    if (std::exchange(m_active, false) && globalPos)
        color = screenPixel(*globalPos);
    releaseKeyboard();
    releaseMouse();
    hide();
    m_previewing = false;
    Q_EMIT previewEnded();
    if (color)
        Q_EMIT picked(*color);
    deleteLater();
}
