#include "controls/bevelpanel.h"

#include "controls/textannouncement.h"

#include <QPainter>

BevelPanel::BevelPanel(QWidget *parent) : ClickableControl(parent) {}

void BevelPanel::setBevelOuter(BevelStyle bevel)
{
    m_bevelOuter = bevel;
    update();
}

void BevelPanel::setBevelInner(BevelStyle bevel)
{
    if (m_bevelInner == bevel)
        return;
    m_bevelInner = bevel;
    update();
}

void BevelPanel::setBevelWidth(int width)
{
    m_bevelWidth = width;
    update();
}

void BevelPanel::setBorderWidth(int width)
{
    m_borderWidth = width;
    update();
}

void BevelPanel::setCaption(const QString &caption)
{
    const QString before = m_caption.text();
    if (!m_caption.setText(caption))
        return;
    update();
    AnnounceTextChange(this, before, caption);
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), faceColor());
    QRect inside = DrawBevel(painter, rect(), m_bevelOuter, m_bevelWidth, colours);
    inside.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    inside = DrawBevel(painter, inside, m_bevelInner, m_bevelWidth, colours);
    painter.setPen(textColor());
    m_caption.draw(painter, inside, Qt::AlignCenter);
}
