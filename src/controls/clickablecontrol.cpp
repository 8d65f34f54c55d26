#include "clickablecontrol.h"

#include "colorbridge.h"

#include <QMouseEvent>

ClickableControl::ClickableControl(QWidget *parent) : QWidget(parent)
{
    // The control paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

cSpace::TColor ClickableControl::color() const
{
    return FromQColor(palette().color(QPalette::Window));
}

void ClickableControl::setColor(cSpace::TColor color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ToQColor(color));
    setPalette(colours);
}

cSpace::TColor ClickableControl::fontColor() const
{
    return FromQColor(palette().color(QPalette::WindowText));
}

void ClickableControl::setFontColor(cSpace::TColor color)
{
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, ToQColor(color));
    setPalette(colours);
}

void ClickableControl::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_pressed = true;
    event->accept();
}

void ClickableControl::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool wasPressed = std::exchange(m_pressed, false);
    if (wasPressed && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickableControl::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}
