#include "screenpick/pointerpick.h"

#include "screenpick/xserver.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWindow>

#include <optional>
#include <utility>

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
    if (!native || !XServer::pointerIsFree(native->winId())) {
        finish(false);
        return false;
    }
    show();
    grabMouse(Qt::CrossCursor);
    grabKeyboard();
    // The toolkit routes the keys here whatever the X server said; asking
    // the window again (which keeps a grab it holds) gives the server's
    // answer.
    if (!native->setKeyboardGrabEnabled(true)) {
        finish(false);
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
    finish(event->button() == Qt::LeftButton);
}

void PointerPick::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        finish(false);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        finish(true);
        break;
    default:
        nudge(event);
        break;
    }
}

// The arrow keys move the pointer a pixel of the screen at a time, ten with
// Shift, so that a pick can be aimed, or made, from the keyboard alone.
void PointerPick::nudge(const QKeyEvent *event)
{
    const int step = event->modifiers() & Qt::ShiftModifier ? 10 : 1;
    switch (event->key()) {
    case Qt::Key_Left:
        XServer::movePointer(-step, 0);
        break;
    case Qt::Key_Right:
        XServer::movePointer(step, 0);
        break;
    case Qt::Key_Up:
        XServer::movePointer(0, -step);
        break;
    case Qt::Key_Down:
        XServer::movePointer(0, step);
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
    if (const auto color = XServer::pixelUnderPointer(window()->winId())) {
        m_previewing = true;
        Q_EMIT previewed(*color);
    }
}

// Picking reads the pixel where the pointer stands.
void PointerPick::finish(bool pick)
{
    std::optional<cSpace::TColor> color;
    if (std::exchange(m_active, false) && pick)
        color = XServer::pixelUnderPointer(window()->winId());
    releaseKeyboard();
    releaseMouse();
    hide();
    m_previewing = false;
    Q_EMIT previewEnded();
    if (color)
        Q_EMIT picked(*color);
    deleteLater();
}
