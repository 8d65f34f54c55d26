#pragma once

// The scheme as a style sheet: the CSS the program copies, and style sheets
// read back into the colours they give the seven parts.

#include "pagetext/partcolors.h"

#include <optional>
#include <string>
#include <string_view>

namespace pageText {

// The whole scheme as CSS rules that make a page look like the preview: the
// body's background and text, the three link states, the table cells, and
// the rule, drawn as browsers draw <HR COLOR>: a solid border of the colour
// around a body of it. ASCII, one rule a line, colours as "#RRGGBB", no line
// break at the end.
//
// The rules stand bare, not in a <style> element: that way the same text
// works in a .css file, inside a <style> the page already has, and in a new
// one. In a .css file a "<style>" would break the first rule without a word,
// while bare rules pasted into the body of a page show up as text at once.
std::string SchemeStyleSheet(const Scheme &scheme);

// The colours a style sheet, or a <style> element holding one, gives the
// parts: "background-color" and "color" of body, "color" of a:link,
// a:visited and a:active (and of a, for all three), "background-color" of
// td, and the colour of hr, whether given as its colour, background or
// border. Other rules and properties are passed over, as browsers pass over
// what they do not know; a later declaration wins, unless it is less
// specific (a against a:link). Nothing when the text is not wholly a style
// sheet or gives none of these colours.
std::optional<PartColors> ReadStyleSheet(std::u16string_view text);

} // namespace pageText
