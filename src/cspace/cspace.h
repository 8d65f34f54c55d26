#pragma once

// The colour model of Tintwright: colour values, their HTML byte order and
// text, and the integer RGB <-> HSL conversions the sliders are kept in step
// with.
//
// All arithmetic is signed 32-bit integer arithmetic with divisions that
// truncate toward zero, exactly as C++ defines `/` and `%` on `int`. The
// results the program shows (slider positions, hex texts) depend on that, so
// no floating point and no lookup tables are used anywhere here.

#include <algorithm>
#include <cstdint>
#include <string>

namespace cSpace {

// A colour as the program holds it: 0x00BBGGRR, red in the low byte.
using TColor = std::uint32_t;

// The two other 32-bit encodings are types of their own, so that none of the
// three can be passed for another without the compiler noticing; their bits
// are reached with static_cast.

// Hue in bits 16..24 (0..359 degrees), saturation in bits 8..15 and lightness
// in bits 0..7 (both 0..255).
enum class PackedHsl : std::uint32_t
{
};

// 0x00RRGGBB: the order in which a page writes a colour.
enum class HtmlColor : std::uint32_t
{
};

constexpr int RedOf(TColor color) noexcept
{
    return static_cast<int>(color & 0xFF);
}
constexpr int GreenOf(TColor color) noexcept
{
    return static_cast<int>((color >> 8) & 0xFF);
}
constexpr int BlueOf(TColor color) noexcept
{
    return static_cast<int>((color >> 16) & 0xFF);
}

constexpr TColor MakeColor(int red, int green, int blue) noexcept
{
    return static_cast<TColor>(blue) << 16 | static_cast<TColor>(green) << 8 |
           static_cast<TColor>(red);
}

constexpr int HueOf(PackedHsl hsl) noexcept
{
    return static_cast<int>((static_cast<std::uint32_t>(hsl) >> 16) & 0x1FF);
}
constexpr int SaturationOf(PackedHsl hsl) noexcept
{
    return static_cast<int>((static_cast<std::uint32_t>(hsl) >> 8) & 0xFF);
}
constexpr int LightnessOf(PackedHsl hsl) noexcept
{
    return static_cast<int>(static_cast<std::uint32_t>(hsl) & 0xFF);
}

constexpr PackedHsl MakeHsl(int hue, int saturation, int lightness) noexcept
{
    return PackedHsl{static_cast<std::uint32_t>(hue) << 16 |
                     static_cast<std::uint32_t>(saturation) << 8 |
                     static_cast<std::uint32_t>(lightness)};
}

// Converts a colour to the program's integer HSL scale. Bits 24..31 of the
// colour are ignored. Greys (including black and white) have hue 0 and
// saturation 0.
constexpr PackedHsl RgbToHsl(TColor color) noexcept
{
    const int red = RedOf(color);
    const int green = GreenOf(color);
    const int blue = BlueOf(color);
    const int max = std::max({red, green, blue});
    const int min = std::min({red, green, blue});
    const int lightness = (max + min) / 2;
    if (max == min)
        return MakeHsl(0, 0, lightness); // a grey: nothing to divide by

    const int delta = max - min;
    const int saturation =
        lightness < 128 ? (delta * 255) / (max + min) : (delta * 255) / (510 - max - min);

    // The first channel that holds the maximum decides the sector. The
    // quotient truncates toward zero, so (128, 0, 1) gives hue 0, not 359.
    int hue = 0;
    if (red == max)
        hue = ((green - blue) * 60) / delta;
    else if (green == max)
        hue = ((blue - red) * 60) / delta + 120;
    else
        hue = ((red - green) * 60) / delta + 240;
    if (hue < 0)
        hue += 360;
    hue %= 360;

    return MakeHsl(hue, saturation, lightness);
}

// One RGB channel from the low level m1, the high level m2 and a hue in
// degrees (HslToRgb passes -120..631).
constexpr int HueChannel(int low, int high, int hue) noexcept
{
    if (hue < 0)
        hue += 360;
    hue %= 360;
    if (hue < 60)
        return low + ((high - low) * hue) / 60;
    if (hue < 180)
        return high;
    if (hue < 240)
        return low + ((high - low) * (240 - hue)) / 60;
    return low;
}

// Converts packed HSL back to a colour. Bits 25..31 are ignored and a hue of
// 360..511 acts as that hue minus 360.
constexpr TColor HslToRgb(PackedHsl hsl) noexcept
{
    const int hue = HueOf(hsl);
    const int saturation = SaturationOf(hsl);
    const int lightness = LightnessOf(hsl);
    const int high = lightness < 128 ? (lightness * (255 + saturation)) / 255
                                     : lightness + saturation - (lightness * saturation) / 255;
    const int low = 2 * lightness - high;
    return MakeColor(HueChannel(low, high, hue + 120) & 0xFF, HueChannel(low, high, hue) & 0xFF,
                     HueChannel(low, high, hue - 120) & 0xFF);
}

// Swaps the red and blue bytes and drops the top byte: 0x12345678 -> 0x785634.
constexpr HtmlColor ColorToHtml(TColor color) noexcept
{
    return HtmlColor{(color >> 16 & 0xFF) | (color & 0xFF00) | (color & 0xFF) << 16};
}

// The colour whose every channel is 255 minus that of `color`: readable text
// on a background of `color`.
constexpr TColor InverseColor(TColor color) noexcept
{
    return ~color & 0xFFFFFF;
}

// The colour of a cell of the web-safe colour grid. Cells are numbered left to
// right, top to bottom; the number's base-6 digits give the blue (fastest),
// green and red levels, each stepping down from 0xFF by 0x33.
constexpr TColor CubeCellColor(int column, int row, int columnCount) noexcept
{
    const int index = column + row * columnCount;
    const int redStep = (index / 36) % 6;
    const int greenStep = (index / 6) % 6;
    const int blueStep = index % 6;
    return MakeColor(255 - 51 * redStep, 255 - 51 * greenStep, 255 - 51 * blueStep);
}

// The hex text of a colour in page order: exactly six upper-case digits of
// its HTML-order value, with leading zeros and no prefix (callers write the
// "#"): TColor 0x00CC9966 -> "6699CC", 0x00FF0000 -> "0000FF".
inline std::string HtmlHex(TColor color)
{
    constexpr char digits[] = "0123456789ABCDEF";
    auto value = static_cast<std::uint32_t>(ColorToHtml(color));
    std::string text(6, '0');
    for (int i = 5; i >= 0; --i, value >>= 4)
        text[static_cast<std::size_t>(i)] = digits[value & 0xF];
    return text;
}

} // namespace cSpace
