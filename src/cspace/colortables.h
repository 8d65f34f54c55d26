#pragma once

// The two constant tables of the colour model: the 140 named web colours, in
// the order the named-colour list shows them, and the scheme every run starts
// from.

#include "cspace/cspace.h"

#include <array>
#include <span>
#include <string_view>

namespace cSpace {

struct NamedColor
{
    std::string_view name; // 3..20 lower-case ASCII letters
    TColor color;
};

// The colour keywords of the web (CSS Color Level 3), less the seven "grey"
// spellings of the "gray" twins, in list order: alphabetical except that
// lightgreen stands before lightgray. aqua/cyan and fuchsia/magenta share
// values; a lookup by value finds the first of each pair.
std::span<const NamedColor> NamedColors() noexcept;

// The colourable parts of a page, numbered as the controls that stand for
// them carry in their Tag.
enum SchemeElement : int
{
    ElementBackground = 0,
    ElementText = 1,
    ElementLink = 2,
    ElementVisitedLink = 3,
    ElementClickedLink = 4,
    ElementTable = 5,
    ElementRule = 6,
};
inline constexpr int SchemeElementCount = 7;

// The colours of the seven elements at start-up, indexed by SchemeElement.
inline constexpr std::array<TColor, SchemeElementCount> DefaultScheme = {
    0x00C0C0C0, // background    #C0C0C0 (silver)
    0x00FFFFFF, // text          #FFFFFF (white)
    0x00CC00CC, // link          #CC00CC
    0x0088CC88, // visited link  #88CC88
    0x0099AAAA, // clicked link  #AAAA99: the one whose two byte orders differ
    0x00777777, // table         #777777
    0x00C0C0C0, // rule          #C0C0C0 (silver)
};

} // namespace cSpace
