#include "controls/frames.h"

#include <QPainter>
#include <QPalette>

void DrawRing(QPainter &painter, const QRect &rect, const QColor &topLeft,
              const QColor &bottomRight)
{
    if (rect.isEmpty())
        return;
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
}

QRect DrawBevel(QPainter &painter, QRect rect, BevelStyle style, int width, const QPalette &palette)
{
    if (style == BevelStyle::None)
        return rect;
    const QColor light = palette.color(QPalette::Light);
    const QColor dark = palette.color(QPalette::Dark);
    const bool raised = style == BevelStyle::Raised;
    for (int ring = 0; ring < width && !rect.isEmpty(); ++ring) {
        DrawRing(painter, rect, raised ? light : dark, raised ? dark : light);
        rect.adjust(1, 1, -1, -1);
    }
    return rect;
}

void DrawFocusMark(QPainter &painter, const QRect &rect)
{
    painter.save();
    painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (int x = rect.left(); x <= rect.right(); x += 2) {
        painter.fillRect(x, rect.top(), 1, 1, Qt::white);
        painter.fillRect(x, rect.bottom(), 1, 1, Qt::white);
    }
    for (int y = rect.top() + 2; y < rect.bottom(); y += 2) {
        painter.fillRect(rect.left(), y, 1, 1, Qt::white);
        painter.fillRect(rect.right(), y, 1, 1, Qt::white);
    }
    painter.restore();
}
