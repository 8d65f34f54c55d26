#include "shell/screenplace.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

// The frame's top-left corner nearest to `designed` that keeps the whole
// frame on the screen of `designed`.
QPoint fitted(const QWidget *window, QPoint designed)
{
    const QScreen *screen = QGuiApplication::screenAt(designed);
    if (!screen)
        screen = window->screen();
    const QRect area = screen->availableGeometry();
    const QSize size = window->frameGeometry().size();
    // Right and bottom edges first, so that a window larger than the screen
    // keeps its top-left corner (its caption and menu) on the screen.
    const int x = std::max(area.left(), std::min(designed.x(), area.right() + 1 - size.width()));
    const int y = std::max(area.top(), std::min(designed.y(), area.bottom() + 1 - size.height()));
    return {x, y};
}

// Waits for the window manager's frame and moves the window once more if
// the frame would reach past the screen; then leaves the window alone, so
// that the user may put it wherever they like.
class FrameCheck final : public QObject
{
public:
    FrameCheck(QWidget *window, QPoint designed) : QObject(window), m_designed(designed) {}

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *window = static_cast<QWidget *>(watched);
        if ((event->type() == QEvent::Move || event->type() == QEvent::Resize) &&
            window->isVisible() && window->frameGeometry() != window->geometry()) {
            const QPoint place = fitted(window, m_designed);
            if (place != window->pos())
                window->move(place);
            deleteLater();
        }
        return false;
    }

private:
    QPoint m_designed;
};

} // namespace

void PlaceOnScreen(QWidget *window, QPoint designed)
{
    window->move(fitted(window, designed));
    window->installEventFilter(new FrameCheck(window, designed));
}
