#include "controls/sliderbar.h"

#include "controls/frames.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionSlider>

namespace {

// The pause before a held click in the trough repeats, and between repeats.
// Precise timers: a coarse one may come up to 5 % early, and the rate is
// what a person feels.
constexpr int firstRepeatDelay = 500;
constexpr int repeatInterval = 50;

// A small solid triangle pointing left or right, centred in `box`.
void drawArrow(QPainter &painter, const QRect &box, bool pointsLeft, const QColor &colour)
{
    constexpr int depth = 4;
    const QPoint centre = box.center();
    for (int column = 0; column < depth; ++column) {
        const int reach = pointsLeft ? column : depth - 1 - column;
        painter.fillRect(centre.x() - depth / 2 + column, centre.y() - reach, 1, 2 * reach + 1,
                         colour);
    }
}

} // namespace

SliderBar::SliderBar(QWidget *parent) : QScrollBar(Qt::Horizontal, parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

bool SliderBar::event(QEvent *event)
{
    const bool handled = QScrollBar::event(event);
    // The bar paints all of itself, so its group need not repaint beneath it
    // on every step. The style clears this when it polishes a scroll bar.
    if (event->type() == QEvent::Polish)
        setAttribute(Qt::WA_OpaquePaintEvent);
    return handled;
}

void SliderBar::keyPressEvent(QKeyEvent *event)
{
    const bool plain =
        event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier;
    if (plain && (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)) {
        triggerAction(event->key() == Qt::Key_Left ? SliderSingleStepSub : SliderSingleStepAdd);
        event->accept();
        return;
    }
    QScrollBar::keyPressEvent(event);
}

QStyle::SubControl SliderBar::partAt(const QPoint &pos) const
{
    QStyleOptionSlider option;
    initStyleOption(&option);
    return style()->hitTestComplexControl(QStyle::CC_ScrollBar, &option, pos, this);
}

void SliderBar::mousePressEvent(QMouseEvent *event)
{
    const QStyle::SubControl part = partAt(event->position().toPoint());
    if (event->button() != Qt::LeftButton ||
        (part != QStyle::SC_ScrollBarAddPage && part != QStyle::SC_ScrollBarSubPage)) {
        QScrollBar::mousePressEvent(event);
        return;
    }
    m_heldPage = part;
    m_pointer = event->position().toPoint();
    stepTowardsPointer();
    m_pageRepeat.start(firstRepeatDelay, Qt::PreciseTimer, this);
    event->accept();
}

void SliderBar::mouseMoveEvent(QMouseEvent *event)
{
    if (m_heldPage == QStyle::SC_None) {
        QScrollBar::mouseMoveEvent(event);
        return;
    }
    m_pointer = event->position().toPoint();
    event->accept();
}

void SliderBar::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_heldPage == QStyle::SC_None || event->button() != Qt::LeftButton) {
        QScrollBar::mouseReleaseEvent(event);
        return;
    }
    m_heldPage = QStyle::SC_None;
    m_pageRepeat.stop();
    event->accept();
}

void SliderBar::timerEvent(QTimerEvent *event)
{
    if (event->timerId() != m_pageRepeat.timerId()) {
        QScrollBar::timerEvent(event);
        return;
    }
    m_pageRepeat.start(repeatInterval, Qt::PreciseTimer, this);
    stepTowardsPointer();
}

// One page step, only while the pointer is still in the trough on the side
// the button went down: once the thumb has reached the pointer nothing moves.
void SliderBar::stepTowardsPointer()
{
    if (partAt(m_pointer) == m_heldPage)
        triggerAction(m_heldPage == QStyle::SC_ScrollBarAddPage ? SliderPageStepAdd
                                                                : SliderPageStepSub);
}

void SliderBar::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    QStyleOptionSlider option;
    initStyleOption(&option);
    const auto part = [&](QStyle::SubControl control) {
        return style()->subControlRect(QStyle::CC_ScrollBar, &option, control, this);
    };
    const auto pressed = [&](QStyle::SubControl control) {
        return (option.activeSubControls & control) && (option.state & QStyle::State_Sunken);
    };

    painter.fillRect(rect(), colours.color(QPalette::Midlight)); // the trough
    const QColor face = colours.color(QPalette::Button);
    const QColor arrow =
        colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText);
    for (const QStyle::SubControl button :
         {QStyle::SC_ScrollBarSubLine, QStyle::SC_ScrollBarAddLine}) {
        const QRect box = part(button);
        const bool down = pressed(button);
        painter.fillRect(box, face);
        DrawBevel(painter, box, down ? BevelStyle::Lowered : BevelStyle::Raised, 1, colours);
        drawArrow(painter, box.translated(down ? 1 : 0, down ? 1 : 0),
                  button == QStyle::SC_ScrollBarSubLine, arrow);
    }
    const QRect thumb = part(QStyle::SC_ScrollBarSlider);
    painter.fillRect(thumb, face);
    DrawBevel(painter, thumb, BevelStyle::Raised, 1, colours);
    if (hasFocus())
        DrawFocusMark(painter, thumb.adjusted(2, 2, -2, -2));
}
