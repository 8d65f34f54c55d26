#include "sliderbar.h"

#include <QKeyEvent>

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
