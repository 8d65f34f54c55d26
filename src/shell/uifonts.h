#pragma once

#include <QFont>

// The program's faces, by pixel height so that the fixed layout keeps its
// geometry whatever the desktop's font settings. The Japanese desktop faces
// come first; where they are missing, the IPA faces (installed with the
// program) stand in with near-identical metrics, then Noto CJK.
QFont ProportionalFont(int pixelSize);
QFont FixedPitchFont(int pixelSize);

// The font of the windows and of every control without one of its own.
inline constexpr int WindowFontPixels = 12;
