#pragma once

// What a person pastes into the program, read into colours: a page's tag,
// one of the texts the copy commands make, a style sheet, or one colour.
// Only a text that is wholly one of these counts; anything else, such as a
// tag inside a sentence, names no colours.

#include "pagetext/partcolors.h"

#include <optional>
#include <string_view>

namespace pageText {

struct PastedColors
{
    // A colour written on its own ("#RRGGBB", "RRGGBB", "#RGB", a keyword,
    // rgb(), hsl()): it is for the part being edited.
    std::optional<cSpace::TColor> editedPart;
    // The colours a tag, an attribute or a style sheet gives parts by name.
    PartColors parts{};
};

// The text, with the whitespace around it cut, read as
// - a start tag: <BODY> with BGCOLOR (background), TEXT, LINK, VLINK and
//   ALINK; <FONT COLOR> (text); <HR COLOR> (rule); <TD BGCOLOR> (table).
//   Names in any letter case, values quoted or not, in any order; other
//   attributes are passed over. Values are read as browsers read them;
// - one attribute: COLOR (text) or BGCOLOR (background);
// - a style sheet (ReadStyleSheet);
// - one colour as CSS writes it (ReadCssColor), or six hex digits.
// Nothing when it is none of these or names no colour.
std::optional<PastedColors> ReadPastedColors(std::u16string_view text);

} // namespace pageText
