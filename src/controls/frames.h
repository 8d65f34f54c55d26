#pragma once

// The flat, pixel-exact frame drawing the controls share. Everything is
// filled rectangles: no pens, so nothing is drawn a pixel off and nothing
// goes through the line rasteriser.

#include <QRect>

class QColor;
class QPainter;
class QPalette;

// One ring one pixel wide just inside `rect`: `topLeft` along the top and
// left edges, `bottomRight` along the bottom and right ones.
void DrawRing(QPainter &painter, const QRect &rect, const QColor &topLeft,
              const QColor &bottomRight);

// How a panel's or a box's edge is shaded: flat, sunk into its parent or
// standing out of it.
enum class BevelStyle
{
    None,
    Lowered,
    Raised
};

// `width` rings of a bevel, light above and left when raised and dark there
// when lowered; returns what is left inside.
QRect DrawBevel(QPainter &painter, QRect rect, BevelStyle style, int width,
                const QPalette &palette);

// A dotted outline on `rect` that inverts what it covers, so that it shows
// on any colour: the mark of the keyboard focus.
void DrawFocusMark(QPainter &painter, const QRect &rect);
