#include "bevelpanel.h"

#include "accessibility.h"
#include "frames.h"

#include <QPainter>

namespace {

BevelStyle styleOf(BevelPanel::Bevel bevel)
{
    switch (bevel) {
    case BevelPanel::Lowered:
        return BevelStyle::Lowered;
    case BevelPanel::Raised:
        return BevelStyle::Raised;
    case BevelPanel::None:
        break;
    }
    return BevelStyle::None;
}

} // namespace

BevelPanel::BevelPanel(QWidget *parent) : ClickableControl(parent) {}

void BevelPanel::setBevelOuter(Bevel bevel)
{
    m_bevelOuter = bevel;
    update();
}

void BevelPanel::setBevelInner(Bevel bevel)
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
    QRect inside = DrawBevel(painter, rect(), styleOf(m_bevelOuter), m_bevelWidth, colours);
    inside.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    inside = DrawBevel(painter, inside, styleOf(m_bevelInner), m_bevelWidth, colours);
    painter.setPen(textColor());
    m_caption.draw(painter, inside, Qt::AlignCenter);
}
