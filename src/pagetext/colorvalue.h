#pragma once

// Colour values as pages and style sheets write them, read into the
// program's colours.

#include "cspace/cspace.h"

#include <optional>
#include <string_view>

namespace pageText {

// A colour attribute's value (BGCOLOR, TEXT, COLOR ...) read as browsers
// read it, by HTML's rules for parsing a legacy colour value: a keyword, or
// "#RGB", or else whatever hex digits the text holds, padded and split into
// red, green and blue, so that "chucknorris" is #C00000. Nothing for an empty
// value and for "transparent", which browsers ignore.
std::optional<cSpace::TColor> ReadLegacyColor(std::u16string_view value);

// A CSS colour value: "#RGB", "#RRGGBB", a keyword, rgb() or hsl() (rgba()
// and hsla() alike), with or without commas. The program's colours are
// opaque, so a colour with an alpha ("#RGBA", "#RRGGBBAA", "/ a" or a fourth
// argument) is read only when it is fully opaque: a translucent colour looks
// different on every background, and no one colour of the program's is it.
std::optional<cSpace::TColor> ReadCssColor(std::u16string_view value);

// A colour keyword of the web in any letter case: the 140 of the named list,
// the "grey" spellings of its "gray" twins, and rebeccapurple.
std::optional<cSpace::TColor> FindColorKeyword(std::u16string_view name);

} // namespace pageText
