#include "controls/cachedtext.h"

#include <QPainter>

bool CachedText::setText(const QString &text)
{
    if (m_text == text)
        return false;
    m_text = text;
    m_layout.setText(text);
    m_layout.setTextFormat(Qt::PlainText);
    return true;
}

void CachedText::draw(QPainter &painter, const QRect &rect, Qt::Alignment alignment)
{
    if (m_text.isEmpty())
        return;
    // The layout is measured in the font it is drawn in. Laid out before the
    // control's own font was in place, it would be sized in the window's font
    // at the first paint, and the text would be placed off centre.
    if (m_font != painter.font()) {
        m_font = painter.font();
        m_layout.prepare(QTransform(), m_font);
    }
    const QSizeF size = m_layout.size();
    qreal x = rect.left();
    if (alignment & Qt::AlignHCenter)
        x += (rect.width() - size.width()) / 2;
    else if (alignment & Qt::AlignRight)
        x = rect.right() + 1 - size.width();
    qreal y = rect.top();
    if (alignment & Qt::AlignVCenter)
        y += (rect.height() - size.height()) / 2;
    else if (alignment & Qt::AlignBottom)
        y = rect.bottom() + 1 - size.height();
    painter.drawStaticText(QPointF(qRound(x), qRound(y)), m_layout);
}
