#pragma once

// The one place where the program's colour values meet Qt's.

#include "cspace.h"

#include <QColor>

inline QColor ToQColor(cSpace::TColor color)
{
    return QColor(cSpace::RedOf(color), cSpace::GreenOf(color), cSpace::BlueOf(color));
}

inline cSpace::TColor FromQColor(const QColor &color)
{
    return cSpace::MakeColor(color.red(), color.green(), color.blue());
}
