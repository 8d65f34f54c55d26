#include "bevelpanel.h"

#include <QPainter>

namespace {

// Draws `width` rings inside `rect`, light on the top and left edges and dark
// on the bottom and right ones for a raised bevel, the other way round for a
// lowered one, and returns what is left inside them.
QRect drawBevel(QPainter &painter, QRect rect, BevelPanel::Bevel bevel, int width,
                const QPalette &palette)
{
    if (bevel == BevelPanel::None)
        return rect;
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const QColor topLeft = bevel == BevelPanel::Raised ? light : dark;
    const QColor bottomRight = bevel == BevelPanel::Raised ? dark : light;
    for (int ring = 0; ring < width && rect.width() > 0 && rect.height() > 0; ++ring) {
        painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
        painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
        painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
        painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
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
    if (m_caption.setText(caption))
        update();
}

void BevelPanel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), faceColor());
    QRect inside = drawBevel(painter, rect(), m_bevelOuter, m_bevelWidth, colours);
    inside.adjust(m_borderWidth, m_borderWidth, -m_borderWidth, -m_borderWidth);
    inside = drawBevel(painter, inside, m_bevelInner, m_bevelWidth, colours);
    painter.setPen(textColor());
    m_caption.draw(painter, inside, Qt::AlignCenter);
}
