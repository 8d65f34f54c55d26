#include "controls/numberfield.h"

#include "controls/frames.h"
#include "controls/textannouncement.h"

#include <QPainter>

NumberField::NumberField(QWidget *parent) : QWidget(parent)
{
    setEnabled(false);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NumberField::setText(const QString &text)
{
    const QString before = m_text.text();
    if (!m_text.setText(text))
        return;
    update();
    AnnounceTextChange(this, before, text);
}

void NumberField::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Disabled, QPalette::Base));
    const QColor border = colours.color(QPalette::Disabled, QPalette::Dark);
    DrawRing(painter, rect(), border, border);
    painter.setPen(colours.color(QPalette::Disabled, QPalette::Text));
    m_text.draw(painter, rect().adjusted(2, 1, -2, -1), Qt::AlignLeft | Qt::AlignVCenter);
}
