#include "controls/clickablecontrol.h"

#include "controls/colorbridge.h"

#include <QMetaMethod>
#include <QMouseEvent>

ClickableControl::ClickableControl(QWidget *parent) : QWidget(parent)
{
    // The control paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

cSpace::TColor ClickableControl::color() const
{
    if (m_color)
        return *m_color;
    if (const auto *parent = qobject_cast<const ClickableControl *>(parentWidget()))
        return parent->color();
    return FromQColor(palette().color(QPalette::Window));
}

void ClickableControl::setColor(cSpace::TColor color)
{
    if (m_color == color)
        return;
    m_color = color;
    update();
    // Children that have no colour of their own show this one.
    for (QObject *child : children())
        if (auto *control = qobject_cast<ClickableControl *>(child); control && !control->m_color)
            control->update();
}

cSpace::TColor ClickableControl::fontColor() const
{
    return m_fontColor ? *m_fontColor : FromQColor(palette().color(QPalette::WindowText));
}

void ClickableControl::setFontColor(cSpace::TColor color)
{
    if (m_fontColor == color)
        return;
    m_fontColor = color;
    update();
}

bool ClickableControl::hasClickHandler() const
{
    return isSignalConnected(QMetaMethod::fromSignal(&ClickableControl::clicked));
}

QColor ClickableControl::faceColor() const
{
    return ToQColor(color());
}

QColor ClickableControl::textColor() const
{
    return ToQColor(fontColor());
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
