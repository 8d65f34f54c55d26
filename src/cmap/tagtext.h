#pragma once

#include "cspace/colortables.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

// The seven kinds of text the copy command makes, in the order of the tag
// type group; TagTypeForms says what each writes.
enum class TagType : int
{
    Body,
    Font,
    Rule,
    TableCell,
    ColorAttribute,
    BackgroundAttribute,
    Hex,
};
inline constexpr int TagTypeCount = 7;

// What a tag type writes, and which page part it is about.
struct TagTypeForm
{
    QStringView text; // the text, each colour written as %1, %2 ...
    // The one part whose colour the text carries; none for the body tag,
    // which carries the background, text and three link colours in turn.
    std::optional<cSpace::SchemeElement> part;
    // Whether choosing the type moves the editor to that part.
    bool editsPart;
};

// The tag types in the order of the tag type group.
inline constexpr std::array<TagTypeForm, TagTypeCount> TagTypeForms = {{
    {u"<BODY BGCOLOR=\"%1\" TEXT=\"%2\" LINK=\"%3\" VLINK=\"%4\" ALINK=\"%5\">", {}, false},
    {u"<FONT COLOR=\"%1\">", cSpace::ElementText, true},
    {u"<HR COLOR=\"%1\">", cSpace::ElementRule, true},
    {u"<TD BGCOLOR=\"%1\">", cSpace::ElementTable, true},
    {u"COLOR=\"%1\"", cSpace::ElementText, true},
    {u"BGCOLOR=\"%1\"", cSpace::ElementBackground, true},
    {u"%1", cSpace::ElementBackground, false}, // the bare colour, whatever is edited
}};

using SchemeColors = std::array<cSpace::TColor, cSpace::SchemeElementCount>;
// Some of the seven colours: what a text names of a scheme.
using PartialScheme = std::array<std::optional<cSpace::TColor>, cSpace::SchemeElementCount>;

// The text of a tag type for a scheme, colours written as #RRGGBB; empty for
// a type outside the seven. Nothing is appended: no line break.
QString TagText(int tagType, const SchemeColors &scheme);
