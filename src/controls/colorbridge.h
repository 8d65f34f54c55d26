#pragma once

// The one place where the program's colour values meet Qt's.

#include "cspace/cspace.h"

#include <QColor>

inline QColor ToQColor(cSpace::TColor color)
{
    return QColor(cSpace::RedOf(color), cSpace::GreenOf(color), cSpace::BlueOf(color));
}

// A colour as a page writes it: "#" and its six hex digits, "#6699CC".
inline QString PageColorText(cSpace::TColor color)
{
    return u'#' + QString::fromLatin1(cSpace::HtmlHex(color));
}

inline cSpace::TColor FromQColor(const QColor &color)
{
    return cSpace::MakeColor(color.red(), color.green(), color.blue());
}
