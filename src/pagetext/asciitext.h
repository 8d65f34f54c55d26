#pragma once

// Small helpers for reading what pages write. HTML and CSS compare names
// without regard to ASCII letter case only, and both count only a few
// characters as whitespace; text is held as UTF-16, as the clipboard gives it.

#include <string_view>

namespace pageText {

// Space, tab, line feed, form feed and carriage return: HTML's and CSS's own
// whitespace, which alone separates and surrounds names and values.
constexpr bool IsAsciiWhitespace(char16_t c) noexcept
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\f' || c == u'\r';
}

constexpr bool IsAsciiLetter(char16_t c) noexcept
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z');
}

constexpr bool IsAsciiDigit(char16_t c) noexcept
{
    return c >= u'0' && c <= u'9';
}

constexpr char16_t AsciiLower(char16_t c) noexcept
{
    return c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
}

// The value of a hex digit, or -1 for any other character.
constexpr int HexDigitValue(char16_t c) noexcept
{
    if (IsAsciiDigit(c))
        return c - u'0';
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    return -1;
}

constexpr std::u16string_view TrimAsciiWhitespace(std::u16string_view text) noexcept
{
    while (!text.empty() && IsAsciiWhitespace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && IsAsciiWhitespace(text.back()))
        text.remove_suffix(1);
    return text;
}

// Whether `text` is `lower` (lower-case ASCII) in any letter case.
constexpr bool EqualsIgnoringCase(std::u16string_view text, std::string_view lower) noexcept
{
    if (text.size() != lower.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (AsciiLower(text[i]) != static_cast<unsigned char>(lower[i]))
            return false;
    return true;
}

constexpr bool StartsWithIgnoringCase(std::u16string_view text, std::string_view lower) noexcept
{
    return text.size() >= lower.size() && EqualsIgnoringCase(text.substr(0, lower.size()), lower);
}

} // namespace pageText
