#include "shell/fixedsize.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScopedValueRollback>
#include <QWidget>
#include <QWindow>

namespace {

constexpr Qt::WindowStates resizingStates = Qt::WindowMaximized | Qt::WindowFullScreen;

// Watches the window's states from its first showing on.
//
// On Wayland the frame is Qt's own, and its maximise button has sent the
// request before the window learns of it; the compositor then ends the
// connection unless the window takes the size it configures. So there the
// window may grow for that moment, and is fixed again once it is back.
class FixedSizeKeeper final : public QObject
{
public:
    explicit FixedSizeKeeper(QWidget *window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Show && m_window->windowHandle()) {
            m_window->removeEventFilter(this);
            connect(m_window->windowHandle(), &QWindow::windowStateChanged, this,
                    &FixedSizeKeeper::stateChanged);
        }
        return false;
    }

private:
    void stateChanged(Qt::WindowState state)
    {
        if (resizingStates.testFlag(state)) {
            if (QGuiApplication::platformName() == u"wayland" && !m_sizeFreed) {
                m_sizeFreed = true;
                m_fixedSize = m_window->minimumSize();
                m_window->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
            }
            // Asked once the platform has taken the state in: a request made
            // while it is still applying one would not reach the compositor.
            QMetaObject::invokeMethod(this, &FixedSizeKeeper::refuse, Qt::QueuedConnection);
        } else if (state == Qt::WindowNoState && m_sizeFreed && !m_refusing) {
            m_sizeFreed = false;
            m_window->setFixedSize(m_fixedSize);
        }
    }

    void refuse()
    {
        QWindow *handle = m_window->windowHandle();
        const QScopedValueRollback refusing(m_refusing, true);
        if (handle)
            handle->setWindowStates(handle->windowStates() & ~resizingStates);
    }

    QWidget *m_window;
    QSize m_fixedSize;
    bool m_sizeFreed = false;
    bool m_refusing = false;
};

} // namespace

void KeepFixedSize(QWidget *window)
{
    new FixedSizeKeeper(window);
}
