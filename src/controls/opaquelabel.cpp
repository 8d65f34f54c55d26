#include "controls/opaquelabel.h"

#include "controls/textannouncement.h"

#include <QEvent>
#include <QPainter>

OpaqueLabel::OpaqueLabel(QWidget *parent) : ClickableControl(parent) {}

void OpaqueLabel::setText(const QString &text)
{
    const QString before = m_text.text();
    if (!m_text.setText(text))
        return;
    fitToText();
    update();
    AnnounceTextChange(this, before, text);
}

void OpaqueLabel::setAlignment(Qt::Alignment alignment)
{
    m_alignment = alignment;
    update();
}

void OpaqueLabel::setWordWrap(bool wrap)
{
    m_wordWrap = wrap;
    update();
}

void OpaqueLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    fitToText();
}

void OpaqueLabel::fitToText()
{
    if (m_autoSize)
        resize(fontMetrics().horizontalAdvance(m_text.text()), height());
}

void OpaqueLabel::changeEvent(QEvent *event)
{
    ClickableControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

QSize OpaqueLabel::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, m_text.text());
}

void OpaqueLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), faceColor());
    painter.setPen(textColor());
    if (m_wordWrap)
        painter.drawText(rect(), int(m_alignment) | Qt::TextWordWrap, m_text.text());
    else
        m_text.draw(painter, rect(), m_alignment);
}
