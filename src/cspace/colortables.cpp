#include "cspace/colortables.h"

#include <iterator>

namespace cSpace {
namespace {

// Values are TColor (0x00BBGGRR); the comment gives the page-order #RRGGBB.
constexpr NamedColor namedColorTable[] = {
    {"aliceblue", 0x00FFF8F0},            // #F0F8FF
    {"antiquewhite", 0x00D7EBFA},         // #FAEBD7
    {"aqua", 0x00FFFF00},                 // #00FFFF
    {"aquamarine", 0x00D4FF7F},           // #7FFFD4
    {"azure", 0x00FFFFF0},                // #F0FFFF
    {"beige", 0x00DCF5F5},                // #F5F5DC
    {"bisque", 0x00C4E4FF},               // #FFE4C4
    {"black", 0x00000000},                // #000000
    {"blanchedalmond", 0x00CDEBFF},       // #FFEBCD
    {"blue", 0x00FF0000},                 // #0000FF
    {"blueviolet", 0x00E22B8A},           // #8A2BE2
    {"brown", 0x002A2AA5},                // #A52A2A
    {"burlywood", 0x0087B8DE},            // #DEB887
    {"cadetblue", 0x00A09E5F},            // #5F9EA0
    {"chartreuse", 0x0000FF7F},           // #7FFF00
    {"chocolate", 0x001E69D2},            // #D2691E
    {"coral", 0x00507FFF},                // #FF7F50
    {"cornflowerblue", 0x00ED9564},       // #6495ED
    {"cornsilk", 0x00DCF8FF},             // #FFF8DC
    {"crimson", 0x003C14DC},              // #DC143C
    {"cyan", 0x00FFFF00},                 // #00FFFF
    {"darkblue", 0x008B0000},             // #00008B
    {"darkcyan", 0x008B8B00},             // #008B8B
    {"darkgoldenrod", 0x000B86B8},        // #B8860B
    {"darkgray", 0x00A9A9A9},             // #A9A9A9
    {"darkgreen", 0x00006400},            // #006400
    {"darkkhaki", 0x006BB7BD},            // #BDB76B
    {"darkmagenta", 0x008B008B},          // #8B008B
    {"darkolivegreen", 0x002F6B55},       // #556B2F
    {"darkorange", 0x00008CFF},           // #FF8C00
    {"darkorchid", 0x00CC3299},           // #9932CC
    {"darkred", 0x0000008B},              // #8B0000
    {"darksalmon", 0x007A96E9},           // #E9967A
    {"darkseagreen", 0x008FBC8F},         // #8FBC8F
    {"darkslateblue", 0x008B3D48},        // #483D8B
    {"darkslategray", 0x004F4F2F},        // #2F4F4F
    {"darkturquoise", 0x00D1CE00},        // #00CED1
    {"darkviolet", 0x00D30094},           // #9400D3
    {"deeppink", 0x009314FF},             // #FF1493
    {"deepskyblue", 0x00FFBF00},          // #00BFFF
    {"dimgray", 0x00696969},              // #696969
    {"dodgerblue", 0x00FF901E},           // #1E90FF
    {"firebrick", 0x002222B2},            // #B22222
    {"floralwhite", 0x00F0FAFF},          // #FFFAF0
    {"forestgreen", 0x00228B22},          // #228B22
    {"fuchsia", 0x00FF00FF},              // #FF00FF
    {"gainsboro", 0x00DCDCDC},            // #DCDCDC
    {"ghostwhite", 0x00FFF8F8},           // #F8F8FF
    {"gold", 0x0000D7FF},                 // #FFD700
    {"goldenrod", 0x0020A5DA},            // #DAA520
    {"gray", 0x00808080},                 // #808080
    {"green", 0x00008000},                // #008000
    {"greenyellow", 0x002FFFAD},          // #ADFF2F
    {"honeydew", 0x00F0FFF0},             // #F0FFF0
    {"hotpink", 0x00B469FF},              // #FF69B4
    {"indianred", 0x005C5CCD},            // #CD5C5C
    {"indigo", 0x0082004B},               // #4B0082
    {"ivory", 0x00F0FFFF},                // #FFFFF0
    {"khaki", 0x008CE6F0},                // #F0E68C
    {"lavender", 0x00FAE6E6},             // #E6E6FA
    {"lavenderblush", 0x00F5F0FF},        // #FFF0F5
    {"lawngreen", 0x0000FC7C},            // #7CFC00
    {"lemonchiffon", 0x00CDFAFF},         // #FFFACD
    {"lightblue", 0x00E6D8AD},            // #ADD8E6
    {"lightcoral", 0x008080F0},           // #F08080
    {"lightcyan", 0x00FFFFE0},            // #E0FFFF
    {"lightgoldenrodyellow", 0x00D2FAFA}, // #FAFAD2
    {"lightgreen", 0x0090EE90},           // #90EE90
    {"lightgray", 0x00D3D3D3},            // #D3D3D3
    {"lightpink", 0x00C1B6FF},            // #FFB6C1
    {"lightsalmon", 0x007AA0FF},          // #FFA07A
    {"lightseagreen", 0x00AAB220},        // #20B2AA
    {"lightskyblue", 0x00FACE87},         // #87CEFA
    {"lightslategray", 0x00998877},       // #778899
    {"lightsteelblue", 0x00DEC4B0},       // #B0C4DE
    {"lightyellow", 0x00E0FFFF},          // #FFFFE0
    {"lime", 0x0000FF00},                 // #00FF00
    {"limegreen", 0x0032CD32},            // #32CD32
    {"linen", 0x00E6F0FA},                // #FAF0E6
    {"magenta", 0x00FF00FF},              // #FF00FF
    {"maroon", 0x00000080},               // #800000
    {"mediumaquamarine", 0x00AACD66},     // #66CDAA
    {"mediumblue", 0x00CD0000},           // #0000CD
    {"mediumorchid", 0x00D355BA},         // #BA55D3
    {"mediumpurple", 0x00DB7093},         // #9370DB
    {"mediumseagreen", 0x0071B33C},       // #3CB371
    {"mediumslateblue", 0x00EE687B},      // #7B68EE
    {"mediumspringgreen", 0x009AFA00},    // #00FA9A
    {"mediumturquoise", 0x00CCD148},      // #48D1CC
    {"mediumvioletred", 0x008515C7},      // #C71585
    {"midnightblue", 0x00701919},         // #191970
    {"mintcream", 0x00FAFFF5},            // #F5FFFA
    {"mistyrose", 0x00E1E4FF},            // #FFE4E1
    {"moccasin", 0x00B5E4FF},             // #FFE4B5
    {"navajowhite", 0x00ADDEFF},          // #FFDEAD
    {"navy", 0x00800000},                 // #000080
    {"oldlace", 0x00E6F5FD},              // #FDF5E6
    {"olive", 0x00008080},                // #808000
    {"olivedrab", 0x00238E6B},            // #6B8E23
    {"orange", 0x0000A5FF},               // #FFA500
    {"orangered", 0x000045FF},            // #FF4500
    {"orchid", 0x00D670DA},               // #DA70D6
    {"palegoldenrod", 0x00AAE8EE},        // #EEE8AA
    {"palegreen", 0x0098FB98},            // #98FB98
    {"paleturquoise", 0x00EEEEAF},        // #AFEEEE
    {"palevioletred", 0x009370DB},        // #DB7093
    {"papayawhip", 0x00D5EFFF},           // #FFEFD5
    {"peachpuff", 0x00B9DAFF},            // #FFDAB9
    {"peru", 0x003F85CD},                 // #CD853F
    {"pink", 0x00CBC0FF},                 // #FFC0CB
    {"plum", 0x00DDA0DD},                 // #DDA0DD
    {"powderblue", 0x00E6E0B0},           // #B0E0E6
    {"purple", 0x00800080},               // #800080
    {"red", 0x000000FF},                  // #FF0000
    {"rosybrown", 0x008F8FBC},            // #BC8F8F
    {"royalblue", 0x00E16941},            // #4169E1
    {"saddlebrown", 0x0013458B},          // #8B4513
    {"salmon", 0x007280FA},               // #FA8072
    {"sandybrown", 0x0060A4F4},           // #F4A460
    {"seagreen", 0x00578B2E},             // #2E8B57
    {"seashell", 0x00EEF5FF},             // #FFF5EE
    {"sienna", 0x002D52A0},               // #A0522D
    {"silver", 0x00C0C0C0},               // #C0C0C0
    {"skyblue", 0x00EBCE87},              // #87CEEB
    {"slateblue", 0x00CD5A6A},            // #6A5ACD
    {"slategray", 0x00908070},            // #708090
    {"snow", 0x00FAFAFF},                 // #FFFAFA
    {"springgreen", 0x007FFF00},          // #00FF7F
    {"steelblue", 0x00B48246},            // #4682B4
    {"tan", 0x008CB4D2},                  // #D2B48C
    {"teal", 0x00808000},                 // #008080
    {"thistle", 0x00D8BFD8},              // #D8BFD8
    {"tomato", 0x004763FF},               // #FF6347
    {"turquoise", 0x00D0E040},            // #40E0D0
    {"violet", 0x00EE82EE},               // #EE82EE
    {"wheat", 0x00B3DEF5},                // #F5DEB3
    {"white", 0x00FFFFFF},                // #FFFFFF
    {"whitesmoke", 0x00F5F5F5},           // #F5F5F5
    {"yellow", 0x0000FFFF},               // #FFFF00
    {"yellowgreen", 0x0032CD9A},          // #9ACD32
};

static_assert(std::size(namedColorTable) == 140, "the named-colour list has 140 entries");

} // namespace

std::span<const NamedColor> NamedColors() noexcept
{
    return namedColorTable;
}

} // namespace cSpace
