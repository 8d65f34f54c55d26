#pragma once

// How readable one colour is on another, as the Web Content Accessibility
// Guidelines 2.x measure it: each colour's relative luminance from its sRGB
// channels, and the ratio of the two, from 1:1 (equal) to 21:1 (black on
// white). This is floating-point arithmetic, kept apart from the integer
// colour model it reads, which it leaves as it is.

#include "cspace/colortables.h"
#include "cspace/cspace.h"

#include <array>
#include <optional>
#include <string>

namespace cSpace {

// 0 for black to 1 for white.
double RelativeLuminance(TColor color) noexcept;

// (lighter + 0.05) / (darker + 0.05), whichever colour is the lighter.
double ContrastRatio(TColor first, TColor second) noexcept;

// The ratio as a person reads it, "4.47:1": rounded down to two decimals, so
// that a ratio short of a threshold never reads as reaching it (4.478 reads
// "4.47:1", never "4.48:1" or "4.5:1").
std::string ContrastRatioText(double ratio);
// The same in hundredths: 447 for 4.478.
long ContrastHundredths(double ratio) noexcept;

// What a pair of colours must reach.
enum class ContrastRule
{
    Text,        // text on its background: 7 (AAA), 4.5 (AA), 3 (large text only)
    Distinction, // a link against the text around it, a part that is not text: 3
};

enum class ContrastVerdict
{
    EnhancedText,  // AAA, 7 or more
    Text,          // AA, 4.5 or more
    LargeTextOnly, // 3 or more, enough for large text only
    Distinct,      // 3 or more, under the distinction rule
    Fails,
};

ContrastVerdict JudgeContrast(double ratio, ContrastRule rule) noexcept;

// The first threshold of a rule, the one a pair fails below: 4.5 for text, 3
// otherwise.
double PassingRatio(ContrastRule rule) noexcept;

struct ContrastPair
{
    SchemeElement foreground;
    SchemeElement background;
    ContrastRule rule;
};

// The pairs of a scheme whose contrast a page needs, in the order the check
// lists them: the text and the three links on the page and on the table, the
// links against the text (they must stand out from it where they are not
// underlined), and the rule on the page (advisory: it is not text).
inline constexpr std::array<ContrastPair, 12> SchemeContrastPairs = {{
    {ElementText, ElementBackground, ContrastRule::Text},
    {ElementLink, ElementBackground, ContrastRule::Text},
    {ElementVisitedLink, ElementBackground, ContrastRule::Text},
    {ElementClickedLink, ElementBackground, ContrastRule::Text},
    {ElementText, ElementTable, ContrastRule::Text},
    {ElementLink, ElementTable, ContrastRule::Text},
    {ElementVisitedLink, ElementTable, ContrastRule::Text},
    {ElementClickedLink, ElementTable, ContrastRule::Text},
    {ElementLink, ElementText, ContrastRule::Distinction},
    {ElementVisitedLink, ElementText, ContrastRule::Distinction},
    {ElementClickedLink, ElementText, ContrastRule::Distinction},
    {ElementRule, ElementBackground, ContrastRule::Distinction},
}};

// The lightness nearest to that of `foreground` at which a colour of its hue
// and saturation (HslToRgb) reaches `ratio` against `background`; of two
// equally near, the one with more contrast. None where no lightness does.
std::optional<int> NearestPassingLightness(PackedHsl foreground, TColor background,
                                           double ratio) noexcept;

} // namespace cSpace
