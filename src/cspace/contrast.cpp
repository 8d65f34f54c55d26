#include "cspace/contrast.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>

namespace cSpace {
namespace {

// A channel's share of light: the sRGB curve undone.
double LinearChannel(int channel) noexcept
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The 256 channel values, worked out once: the check recomputes the scheme
// at every slider step.
const std::array<double, 256> &LinearChannels() noexcept
{
    static const std::array<double, 256> table = [] {
        std::array<double, 256> values{};
        for (int channel = 0; channel < 256; ++channel)
            values[std::size_t(channel)] = LinearChannel(channel);
        return values;
    }();
    return table;
}

} // namespace

double RelativeLuminance(TColor color) noexcept
{
    const auto &linear = LinearChannels();
    return 0.2126 * linear[std::size_t(RedOf(color))] +
           0.7152 * linear[std::size_t(GreenOf(color))] +
           0.0722 * linear[std::size_t(BlueOf(color))];
}

double ContrastRatio(TColor first, TColor second) noexcept
{
    const double a = RelativeLuminance(first);
    const double b = RelativeLuminance(second);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

long ContrastHundredths(double ratio) noexcept
{
    // The largest count of hundredths that does not exceed the ratio.
    // ratio * 100 alone may land on the next whole number (or just below
    // this one), so the count is checked against the ratio itself; a shown
    // 4.50 then always means the ratio reaches 4.5.
    auto hundredths = static_cast<long>(ratio * 100);
    while (static_cast<double>(hundredths + 1) / 100 <= ratio)
        ++hundredths;
    while (hundredths > 0 && static_cast<double>(hundredths) / 100 > ratio)
        --hundredths;
    return hundredths;
}

std::string ContrastRatioText(double ratio)
{
    const long hundredths = ContrastHundredths(ratio);
    char text[32];
    std::snprintf(text, sizeof text, "%ld.%02ld:1", hundredths / 100, hundredths % 100);
    return text;
}

ContrastVerdict JudgeContrast(double ratio, ContrastRule rule) noexcept
{
    if (rule == ContrastRule::Distinction)
        return ratio >= 3 ? ContrastVerdict::Distinct : ContrastVerdict::Fails;
    if (ratio >= 7)
        return ContrastVerdict::EnhancedText;
    if (ratio >= 4.5)
        return ContrastVerdict::Text;
    if (ratio >= 3)
        return ContrastVerdict::LargeTextOnly;
    return ContrastVerdict::Fails;
}

double PassingRatio(ContrastRule rule) noexcept
{
    return rule == ContrastRule::Text ? 4.5 : 3.0;
}

std::optional<int> NearestPassingLightness(PackedHsl foreground, TColor background,
                                           double ratio) noexcept
{
    const int hue = HueOf(foreground);
    const int saturation = SaturationOf(foreground);
    const int from = LightnessOf(foreground);
    const auto contrastAt = [&](int lightness) {
        return ContrastRatio(HslToRgb(MakeHsl(hue, saturation, lightness)), background);
    };
    for (int distance = 0; distance <= 255; ++distance) {
        std::optional<int> best;
        double bestRatio = 0;
        for (const int lightness : {from - distance, from + distance}) {
            if (lightness < 0 || lightness > 255)
                continue;
            const double reached = contrastAt(lightness);
            if (reached >= ratio && reached > bestRatio) {
                best = lightness;
                bestRatio = reached;
            }
        }
        if (best)
            return best;
    }
    return std::nullopt;
}

} // namespace cSpace
