#include "pagetext/pastedcolors.h"

#include "pagetext/asciitext.h"
#include "pagetext/colorvalue.h"
#include "pagetext/stylesheet.h"

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

using namespace cSpace;

namespace pageText {
namespace {

// Which attribute of which tag gives a part its colour; an attribute on its
// own has no tag.
struct ColorAttribute
{
    std::u16string_view tag;
    std::u16string_view attribute;
    SchemeElement part;
};

constexpr ColorAttribute colorAttributes[] = {
    {u"body", u"bgcolor", ElementBackground},
    {u"body", u"text", ElementText},
    {u"body", u"link", ElementLink},
    {u"body", u"vlink", ElementVisitedLink},
    {u"body", u"alink", ElementClickedLink},
    {u"font", u"color", ElementText},
    {u"hr", u"color", ElementRule},
    {u"td", u"bgcolor", ElementTable},
    {u"", u"color", ElementText},
    {u"", u"bgcolor", ElementBackground},
};

struct Attribute
{
    std::u16string name; // in lower case
    std::u16string_view value;
};

// Attributes from `pos` on, as an HTML parser reads a start tag: names end
// at whitespace, "/", ">" or "="; values are double-quoted, single-quoted or
// bare (ending at whitespace or ">"); of a name given twice the first counts.
// In a tag the attributes end with its ">"; on their own, with the text,
// which must then hold neither "/" nor ">". Nothing when the text ends
// inside a tag or a quoted value.
std::optional<std::vector<Attribute>> readAttributes(std::u16string_view text, std::size_t &pos,
                                                     bool inTag)
{
    std::vector<Attribute> attributes;
    const auto skipWhitespace = [&] {
        while (pos < text.size() && IsAsciiWhitespace(text[pos]))
            ++pos;
    };
    for (;;) {
        skipWhitespace();
        if (pos == text.size()) {
            if (inTag)
                return std::nullopt;
            return attributes;
        }
        if (text[pos] == u'/' || text[pos] == u'>') {
            if (!inTag)
                return std::nullopt;
            if (text[pos++] == u'>')
                return attributes;
            continue; // "/>" ends the tag as ">" does; a stray "/" is passed over
        }
        Attribute attribute;
        attribute.name += AsciiLower(text[pos++]); // may be "=", which then is part of the name
        while (pos < text.size() && !IsAsciiWhitespace(text[pos]) && text[pos] != u'/' &&
               text[pos] != u'>' && text[pos] != u'=')
            attribute.name += AsciiLower(text[pos++]);
        skipWhitespace();
        if (pos < text.size() && text[pos] == u'=') {
            ++pos;
            skipWhitespace();
            if (pos == text.size())
                return std::nullopt;
            if (text[pos] == u'"' || text[pos] == u'\'') {
                const std::size_t end = text.find(text[pos], pos + 1);
                if (end == std::u16string_view::npos)
                    return std::nullopt;
                attribute.value = text.substr(pos + 1, end - pos - 1);
                pos = end + 1;
            } else {
                const std::size_t start = pos;
                while (pos < text.size() && !IsAsciiWhitespace(text[pos]) && text[pos] != u'>')
                    ++pos;
                attribute.value = text.substr(start, pos - start);
            }
        }
        const bool seen = std::any_of(attributes.begin(), attributes.end(),
                                      [&](const Attribute &a) { return a.name == attribute.name; });
        if (!seen)
            attributes.push_back(std::move(attribute));
    }
}

struct Reference
{
    char32_t character;
    std::size_t length; // after the "&"
};

// A numeric character reference after an "&": "#" and decimal digits, or
// "#x" and hex digits, then an optional ";". A number that names no
// character stands for U+FFFD.
std::optional<Reference> numericReference(std::u16string_view rest)
{
    if (rest.empty() || rest[0] != u'#')
        return std::nullopt;
    const bool hex = rest.size() > 1 && AsciiLower(rest[1]) == u'x';
    const int base = hex ? 16 : 10;
    const std::size_t first = hex ? 2 : 1;
    std::size_t end = first;
    char32_t code = 0;
    for (; end < rest.size(); ++end) {
        const int digit = HexDigitValue(rest[end]);
        if (digit < 0 || digit >= base)
            break;
        code = std::min<char32_t>(code * char32_t(base) + char32_t(digit), 0x110000);
    }
    if (end == first)
        return std::nullopt;
    if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        code = 0xFFFD;
    return Reference{code, end + (end < rest.size() && rest[end] == u';' ? 1 : 0)};
}

// The named references a colour may hold, which need their ";".
std::optional<Reference> namedReference(std::u16string_view rest)
{
    static constexpr std::pair<std::u16string_view, char16_t> names[] = {
        {u"num;", u'#'}, {u"amp;", u'&'}, {u"AMP;", u'&'}, {u"quot;", u'"'}, {u"QUOT;", u'"'},
        {u"apos;", u'\''}, {u"lt;", u'<'}, {u"LT;", u'<'}, {u"gt;", u'>'}, {u"GT;", u'>'}};
    for (const auto &[name, character] : names)
        if (rest.substr(0, name.size()) == name)
            return Reference{character, name.size()};
    return std::nullopt;
}

// An attribute's value with its character references replaced, as an HTML
// parser replaces them before the value is read as a colour: numeric ones
// and the named ones above. Other names are left as written.
std::u16string withReferencesReplaced(std::u16string_view value)
{
    std::u16string text;
    for (std::size_t pos = 0; pos < value.size();) {
        const std::u16string_view rest = value.substr(pos + 1);
        std::optional<Reference> reference;
        if (value[pos] == u'&' && !(reference = numericReference(rest)))
            reference = namedReference(rest);
        if (!reference) {
            text += value[pos++];
            continue;
        }
        const char32_t code = reference->character;
        if (code > 0xFFFF) {
            text += char16_t(0xD800 + ((code - 0x10000) >> 10));
            text += char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
        } else {
            text += char16_t(code);
        }
        pos += 1 + reference->length;
    }
    return text;
}

// The colours a tag's attributes give, by the table above; an attribute whose
// value browsers ignore (empty, "transparent") gives none.
std::optional<PartColors> colorsOf(std::u16string_view tag,
                                   const std::vector<Attribute> &attributes)
{
    PartColors colors{};
    bool any = false;
    for (const ColorAttribute &known : colorAttributes) {
        if (known.tag != tag)
            continue;
        for (const Attribute &attribute : attributes) {
            if (attribute.name != known.attribute)
                continue;
            if (const auto color = ReadLegacyColor(withReferencesReplaced(attribute.value))) {
                colors[std::size_t(known.part)] = color;
                any = true;
            }
        }
    }
    if (!any)
        return std::nullopt;
    return colors;
}

std::optional<PartColors> readTag(std::u16string_view text)
{
    if (text.size() < 2 || text[0] != u'<' || !IsAsciiLetter(text[1]))
        return std::nullopt;
    std::size_t pos = 1;
    std::u16string name;
    while (pos < text.size() && !IsAsciiWhitespace(text[pos]) && text[pos] != u'/' &&
           text[pos] != u'>')
        name += AsciiLower(text[pos++]);
    const auto attributes = readAttributes(text, pos, true);
    if (!attributes || pos != text.size()) // the tag must be the whole text
        return std::nullopt;
    return colorsOf(name, *attributes);
}

// COLOR="..." or BGCOLOR="...", and nothing else.
std::optional<PartColors> readAttribute(std::u16string_view text)
{
    std::size_t pos = 0;
    const auto attributes = readAttributes(text, pos, false);
    if (!attributes || attributes->size() != 1 || text.find(u'=') == std::u16string_view::npos)
        return std::nullopt;
    return colorsOf(u"", *attributes);
}

std::optional<TColor> readColor(std::u16string_view text)
{
    if (text.size() == 6 &&
        std::all_of(text.begin(), text.end(), [](char16_t c) { return HexDigitValue(c) >= 0; }))
        return ReadCssColor(u'#' + std::u16string(text));
    return ReadCssColor(text);
}

// What surrounds a copied text besides ASCII whitespace: no-break and
// ideographic spaces, and a byte order mark.
bool isSpaceAround(char16_t c)
{
    return IsAsciiWhitespace(c) || c == u'\v' || c == u'\u00A0' || c == u'\u3000' || c == u'\uFEFF';
}

std::u16string_view trimmed(std::u16string_view text)
{
    while (!text.empty() && isSpaceAround(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isSpaceAround(text.back()))
        text.remove_suffix(1);
    return text;
}

} // namespace

std::optional<PastedColors> ReadPastedColors(std::u16string_view text)
{
    text = trimmed(text);
    if (text.empty())
        return std::nullopt;
    for (const auto reader : {readTag, readAttribute, ReadStyleSheet})
        if (const auto parts = reader(text))
            return PastedColors{.editedPart = std::nullopt, .parts = *parts};
    if (const auto color = readColor(text))
        return PastedColors{.editedPart = color, .parts = {}};
    return std::nullopt;
}

} // namespace pageText
