#include "opaquelabel.h"

#include <QEvent>
#include <QPainter>

OpaqueLabel::OpaqueLabel(QWidget *parent) : ClickableControl(parent) {}

void OpaqueLabel::setText(const QString &text)
{
    if (m_text == text)
        return;
    m_text = text;
    fitToText();
    update();
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
        resize(fontMetrics().horizontalAdvance(m_text), height());
}

void OpaqueLabel::changeEvent(QEvent *event)
{
    ClickableControl::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        fitToText();
}

QSize OpaqueLabel::sizeHint() const
{
    return fontMetrics().size(Qt::TextSingleLine, m_text);
}

void OpaqueLabel::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    painter.fillRect(rect(), colours.color(QPalette::Window));
    if (m_text.isEmpty())
        return;
    painter.setPen(colours.color(QPalette::WindowText));
    const int flags = int(m_alignment) | (m_wordWrap ? Qt::TextWordWrap : 0);
    painter.drawText(rect(), flags, m_text);
}
