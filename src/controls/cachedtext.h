#pragma once

#include <QFont>
#include <QStaticText>

class QPainter;

// One line of text whose layout is worked out once and reused at every
// paint: controls that repaint on every slider step draw their captions
// through it instead of laying the text out again each time.
class CachedText
{
public:
    const QString &text() const { return m_text; }
    // Returns false when the text is the same as before.
    bool setText(const QString &text);

    // Draws the text inside `rect` with the painter's font and pen, aligned
    // by `alignment` (left/right/centre, top/bottom/centre).
    void draw(QPainter &painter, const QRect &rect, Qt::Alignment alignment);

private:
    QString m_text;
    QStaticText m_layout;
    QFont m_font; // the font the layout was measured in
};
