#include "controls/groupframe.h"

#include "controls/frames.h"

#include <QPainter>

namespace {

constexpr int captionLeft = 8;

} // namespace

GroupFrame::GroupFrame(QWidget *parent) : QGroupBox(parent) {}

int GroupFrame::textHeight() const
{
    return font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
}

void GroupFrame::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QPalette &colours = palette();
    const QFontMetrics metrics = fontMetrics();
    const QRect caption(captionLeft, 0, metrics.horizontalAdvance(title()), textHeight());

    // Etched: a dark ring with a light one a pixel below and to the right of
    // it, neither drawn behind the caption.
    const int top = textHeight() / 2 - 1;
    const QRect dark(0, top, width() - 1, height() - 1 - top);
    painter.setClipRegion(QRegion(rect()).subtracted(caption));
    DrawRing(painter, dark.translated(1, 1), colours.color(QPalette::Light),
             colours.color(QPalette::Light));
    DrawRing(painter, dark, colours.color(QPalette::Dark), colours.color(QPalette::Dark));
    painter.setClipping(false);

    if (!title().isEmpty()) {
        painter.setPen(colours.color(isEnabled() ? QPalette::Active : QPalette::Disabled,
                                     QPalette::WindowText));
        painter.drawText(QPoint(caption.left(), metrics.ascent()), title());
    }
}
