#include "pagetext/colorvalue.h"

#include "cspace/colortables.h"
#include "pagetext/asciitext.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

using namespace cSpace;

namespace pageText {
namespace {

bool allHexDigits(std::u16string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char16_t c) { return HexDigitValue(c) >= 0; });
}

int hexNumber(std::u16string_view digits)
{
    int value = 0;
    for (const char16_t digit : digits)
        value = value * 16 + HexDigitValue(digit);
    return value;
}

// "#" and three, four, six or eight hex digits; the fourth or the last two
// are the alpha.
std::optional<TColor> readHexColor(std::u16string_view digits)
{
    if (!allHexDigits(digits))
        return std::nullopt;
    std::array<int, 4> channels{0, 0, 0, 255};
    if (digits.size() == 3 || digits.size() == 4) {
        for (std::size_t i = 0; i < digits.size(); ++i)
            channels[i] = HexDigitValue(digits[i]) * 17;
    } else if (digits.size() == 6 || digits.size() == 8) {
        for (std::size_t i = 0; i < digits.size() / 2; ++i)
            channels[i] = hexNumber(digits.substr(2 * i, 2));
    } else {
        return std::nullopt;
    }
    if (channels[3] != 255)
        return std::nullopt; // translucent
    return MakeColor(channels[0], channels[1], channels[2]);
}

// One argument of rgb() or hsl(): a number, a percentage, an angle (held in
// degrees) or the keyword none.
struct Argument
{
    enum Kind
    {
        Number,
        Percentage,
        Angle,
        None,
    };
    Kind kind = Number;
    double value = 0;
};

// The arguments of a colour function and what stands between them.
struct Token
{
    enum Type
    {
        Value,
        Comma,
        Slash,
    };
    Type type = Value;
    Argument argument = {};
};

std::u16string_view readLetters(std::u16string_view text, std::size_t &pos)
{
    const std::size_t start = pos;
    while (pos < text.size() && IsAsciiLetter(text[pos]))
        ++pos;
    return text.substr(start, pos - start);
}

// A CSS number: an optional sign, digits with an optional fraction (or a
// fraction alone), and an optional exponent. Read without the locale, whose
// decimal mark may be a comma.
std::optional<double> readNumber(std::u16string_view text, std::size_t &pos)
{
    std::size_t at = pos;
    const auto skipDigits = [&text, &at] {
        const std::size_t start = at;
        while (at < text.size() && IsAsciiDigit(text[at]))
            ++at;
        return at - start;
    };
    const bool plus = at < text.size() && text[at] == u'+';
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
    const std::size_t whole = skipDigits();
    std::size_t fraction = 0;
    if (at + 1 < text.size() && text[at] == u'.' && IsAsciiDigit(text[at + 1])) {
        ++at;
        fraction = skipDigits();
    }
    if (whole == 0 && fraction == 0)
        return std::nullopt;
    if (at < text.size() && (text[at] == u'e' || text[at] == u'E')) {
        const std::size_t mark = at++;
        if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
            ++at;
        if (skipDigits() == 0)
            at = mark; // an "e" that starts a unit, not an exponent
    }
    std::string ascii;
    for (std::size_t i = pos + (plus ? 1 : 0); i < at; ++i)
        ascii += static_cast<char>(text[i]);
    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (error != std::errc() || end != ascii.data() + ascii.size())
        return std::nullopt;
    pos = at;
    return value;
}

std::optional<Argument> readArgument(std::u16string_view text, std::size_t &pos)
{
    if (IsAsciiLetter(text[pos])) {
        if (EqualsIgnoringCase(readLetters(text, pos), "none"))
            return Argument{Argument::None, 0};
        return std::nullopt;
    }
    const auto number = readNumber(text, pos);
    if (!number)
        return std::nullopt;
    if (pos < text.size() && text[pos] == u'%') {
        ++pos;
        return Argument{Argument::Percentage, *number};
    }
    if (pos == text.size() || !IsAsciiLetter(text[pos]))
        return Argument{Argument::Number, *number};
    const std::u16string_view unit = readLetters(text, pos);
    if (EqualsIgnoringCase(unit, "deg"))
        return Argument{Argument::Angle, *number};
    if (EqualsIgnoringCase(unit, "grad"))
        return Argument{Argument::Angle, *number * 0.9};
    if (EqualsIgnoringCase(unit, "rad"))
        return Argument{Argument::Angle, *number * 180 / std::numbers::pi};
    if (EqualsIgnoringCase(unit, "turn"))
        return Argument{Argument::Angle, *number * 360};
    return std::nullopt;
}

std::optional<std::vector<Token>> readTokens(std::u16string_view text)
{
    std::vector<Token> tokens;
    std::size_t pos = 0;
    for (;;) {
        while (pos < text.size() && IsAsciiWhitespace(text[pos]))
            ++pos;
        if (pos == text.size())
            return tokens;
        if (text[pos] == u',' || text[pos] == u'/') {
            tokens.push_back({text[pos] == u',' ? Token::Comma : Token::Slash});
            ++pos;
            continue;
        }
        const auto argument = readArgument(text, pos);
        if (!argument)
            return std::nullopt;
        tokens.push_back({Token::Value, *argument});
    }
}

// The three arguments and the alpha, if any, in either of CSS's forms:
// "a, b, c" with an optional ", alpha" (no none), or "a b c" with an optional
// "/ alpha".
struct Arguments
{
    std::array<Argument, 3> channels;
    std::optional<Argument> alpha;
    bool withCommas = false;
};

std::optional<Arguments> splitArguments(const std::vector<Token> &tokens)
{
    Arguments arguments;
    const auto isValue = [&tokens](std::size_t i) {
        return tokens[i].type == Token::Value;
    };
    arguments.withCommas = std::any_of(tokens.begin(), tokens.end(), [](const Token &token) {
        return token.type == Token::Comma;
    });
    if (arguments.withCommas) {
        if (tokens.size() != 5 && tokens.size() != 7)
            return std::nullopt;
        for (std::size_t i = 0; i < tokens.size(); ++i) {
            const bool expectValue = i % 2 == 0;
            if (isValue(i) != expectValue || (!expectValue && tokens[i].type != Token::Comma))
                return std::nullopt;
            if (expectValue && tokens[i].argument.kind == Argument::None)
                return std::nullopt;
        }
        arguments.channels = {tokens[0].argument, tokens[2].argument, tokens[4].argument};
        if (tokens.size() == 7)
            arguments.alpha = tokens[6].argument;
        return arguments;
    }
    if (tokens.size() != 3 && tokens.size() != 5)
        return std::nullopt;
    if (!isValue(0) || !isValue(1) || !isValue(2))
        return std::nullopt;
    arguments.channels = {tokens[0].argument, tokens[1].argument, tokens[2].argument};
    if (tokens.size() == 5) {
        if (tokens[3].type != Token::Slash || !isValue(4))
            return std::nullopt;
        arguments.alpha = tokens[4].argument;
    }
    return arguments;
}

bool isOpaque(const std::optional<Argument> &alpha)
{
    if (!alpha)
        return true;
    switch (alpha->kind) {
    case Argument::Number:
        return alpha->value >= 1;
    case Argument::Percentage:
        return alpha->value >= 100;
    case Argument::Angle:
    case Argument::None: // none is a transparent alpha
        break;
    }
    return false;
}

// A channel from 0..1, rounded to the nearest of 0..255.
int channelFromUnit(double unit)
{
    return static_cast<int>(std::floor(std::clamp(unit, 0.0, 1.0) * 255 + 0.5));
}

std::optional<TColor> rgbColor(const Arguments &arguments)
{
    std::array<int, 3> channels{};
    for (std::size_t i = 0; i < channels.size(); ++i) {
        const Argument &channel = arguments.channels[i];
        if (arguments.withCommas && channel.kind != arguments.channels[0].kind)
            return std::nullopt; // with commas, all numbers or all percentages
        switch (channel.kind) {
        case Argument::Number:
            channels[i] = channelFromUnit(channel.value / 255);
            break;
        case Argument::Percentage:
            channels[i] = channelFromUnit(channel.value / 100);
            break;
        case Argument::None:
            channels[i] = 0;
            break;
        case Argument::Angle:
            return std::nullopt;
        }
    }
    return MakeColor(channels[0], channels[1], channels[2]);
}

// CSS's own conversion from hue (degrees), saturation and lightness (0..1),
// in real numbers; the program's integer HSL scale is a different one.
TColor colorFromHsl(double hue, double saturation, double lightness)
{
    hue = std::fmod(hue, 360.0);
    if (hue < 0)
        hue += 360;
    const double amount = saturation * std::min(lightness, 1 - lightness);
    const auto channel = [&](double n) {
        const double k = std::fmod(n + hue / 30, 12.0);
        return channelFromUnit(lightness - amount * std::max(-1.0, std::min({k - 3, 9 - k, 1.0})));
    };
    return MakeColor(channel(0), channel(8), channel(4));
}

std::optional<TColor> hslColor(const Arguments &arguments)
{
    const Argument &hue = arguments.channels[0];
    if (hue.kind == Argument::Percentage)
        return std::nullopt;
    std::array<double, 2> levels{};
    for (std::size_t i = 0; i < levels.size(); ++i) {
        const Argument &level = arguments.channels[i + 1];
        const bool allowed = level.kind == Argument::Percentage ||
                             (!arguments.withCommas && level.kind != Argument::Angle);
        if (!allowed)
            return std::nullopt;
        // A number stands for a percentage; none for zero.
        levels[i] = level.kind == Argument::None ? 0 : std::clamp(level.value, 0.0, 100.0) / 100;
    }
    return colorFromHsl(hue.kind == Argument::None ? 0 : hue.value, levels[0], levels[1]);
}

std::optional<TColor> readColorFunction(std::u16string_view text)
{
    const std::size_t open = text.find(u'(');
    if (open == std::u16string_view::npos || text.back() != u')')
        return std::nullopt;
    const std::u16string_view name = text.substr(0, open);
    const bool rgb = EqualsIgnoringCase(name, "rgb") || EqualsIgnoringCase(name, "rgba");
    const bool hsl = EqualsIgnoringCase(name, "hsl") || EqualsIgnoringCase(name, "hsla");
    if (!rgb && !hsl)
        return std::nullopt;
    const auto tokens = readTokens(text.substr(open + 1, text.size() - open - 2));
    if (!tokens)
        return std::nullopt;
    const auto arguments = splitArguments(*tokens);
    if (!arguments || !isOpaque(arguments->alpha))
        return std::nullopt;
    return rgb ? rgbColor(*arguments) : hslColor(*arguments);
}

} // namespace

std::optional<TColor> FindColorKeyword(std::u16string_view name)
{
    std::string lower;
    for (const char16_t c : name) {
        if (!IsAsciiLetter(c))
            return std::nullopt;
        lower += static_cast<char>(AsciiLower(c));
    }
    if (lower == "rebeccapurple")
        return MakeColor(0x66, 0x33, 0x99); // the one keyword CSS added after the list's
    // The list keeps the "gray" spelling of the seven greys CSS also spells "grey".
    if (const std::size_t grey = lower.find("grey"); grey != std::string::npos)
        lower.replace(grey, 4, "gray");
    for (const NamedColor &entry : NamedColors())
        if (entry.name == lower)
            return entry.color;
    return std::nullopt;
}

std::optional<TColor> ReadLegacyColor(std::u16string_view value)
{
    // The steps of HTML's rules, in their order. An empty value is ignored,
    // but whitespace alone is black: the test for emptiness comes first.
    if (value.empty())
        return std::nullopt;
    const std::u16string_view input = TrimAsciiWhitespace(value);
    if (EqualsIgnoringCase(input, "transparent"))
        return std::nullopt;
    if (const auto keyword = FindColorKeyword(input))
        return keyword;
    if (input.size() == 4 && input.front() == u'#' && allHexDigits(input.substr(1)))
        return MakeColor(HexDigitValue(input[1]) * 17, HexDigitValue(input[2]) * 17,
                         HexDigitValue(input[3]) * 17);

    // A character beyond the Basic Multilingual Plane counts as "00". Held in
    // UTF-16 it is two units, and each becomes a "0" below, so reading the
    // units gives the same digits, and the same cut at 128.
    std::u16string digits(input.substr(0, 128));
    if (!digits.empty() && digits.front() == u'#')
        digits.erase(0, 1);
    std::replace_if(
        digits.begin(), digits.end(), [](char16_t c) { return HexDigitValue(c) < 0; }, u'0');
    while (digits.empty() || digits.size() % 3 != 0)
        digits.push_back(u'0');

    // Three equal parts, each cut to its last eight digits, then its leading
    // zeros dropped while all three have one and are longer than two, then
    // cut to its first two digits.
    std::size_t length = digits.size() / 3;
    std::array<std::u16string_view, 3> parts;
    for (std::size_t i = 0; i < parts.size(); ++i)
        parts[i] = std::u16string_view(digits).substr(i * length, length);
    if (length > 8) {
        for (std::u16string_view &part : parts)
            part.remove_prefix(length - 8);
        length = 8;
    }
    const auto leadingZero = [](std::u16string_view part) {
        return part.front() == u'0';
    };
    while (length > 2 && std::all_of(parts.begin(), parts.end(), leadingZero)) {
        for (std::u16string_view &part : parts)
            part.remove_prefix(1);
        --length;
    }
    if (length > 2)
        for (std::u16string_view &part : parts)
            part = part.substr(0, 2);
    return MakeColor(hexNumber(parts[0]), hexNumber(parts[1]), hexNumber(parts[2]));
}

std::optional<TColor> ReadCssColor(std::u16string_view value)
{
    const std::u16string_view text = TrimAsciiWhitespace(value);
    if (text.empty())
        return std::nullopt;
    if (text.front() == u'#')
        return readHexColor(text.substr(1));
    if (text.back() == u')')
        return readColorFunction(text);
    return FindColorKeyword(text);
}

} // namespace pageText
