#pragma once

#include "cspace/colortables.h"

#include <QString>

#include <array>
#include <optional>

// The seven kinds of text the copy command makes, in the order of the tag
// type group.
enum class TagType : int
{
    Body = 0,           // <BODY BGCOLOR="#..." TEXT="#..." LINK="#..." VLINK="#..." ALINK="#...">
    Font = 1,           // <FONT COLOR="#...">
    Rule = 2,           // <HR COLOR="#...">
    TableCell = 3,      // <TD BGCOLOR="#...">
    ColorAttribute = 4, // COLOR="#..."
    BackgroundAttribute = 5, // BGCOLOR="#..."
    Hex = 6,                 // #...
};
inline constexpr int TagTypeCount = 7;

using SchemeColors = std::array<cSpace::TColor, cSpace::SchemeElementCount>;
// Some of the seven colours: what a text names of a scheme.
using PartialScheme = std::array<std::optional<cSpace::TColor>, cSpace::SchemeElementCount>;

// The text of a tag type for a scheme, colours written as #RRGGBB; empty for
// a type outside the seven. Nothing is appended: no line break.
QString TagText(int tagType, const SchemeColors &scheme);
