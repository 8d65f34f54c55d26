#include "pagetext/stylesheet.h"

#include "cspace/cspace.h"
#include "pagetext/asciitext.h"
#include "pagetext/colorvalue.h"

#include <algorithm>
#include <string>
#include <vector>

using namespace cSpace;

namespace pageText {
namespace {

// Which declarations give a part its colour. A shorthand (background,
// border) gives the colour among its other values.
struct ColorDeclaration
{
    std::string_view selector;
    std::string_view property;
    SchemeElement part;
    bool shorthand = false;
};

constexpr ColorDeclaration colorDeclarations[] = {
    {"body", "background-color", ElementBackground},
    {"body", "background", ElementBackground, true},
    {"body", "color", ElementText},
    {"a", "color", ElementLink},
    {"a", "color", ElementVisitedLink},
    {"a", "color", ElementClickedLink},
    {"a:link", "color", ElementLink},
    {"a:visited", "color", ElementVisitedLink},
    {"a:active", "color", ElementClickedLink},
    {"td", "background-color", ElementTable},
    {"td", "background", ElementTable, true},
    {"hr", "color", ElementRule},
    {"hr", "background-color", ElementRule},
    {"hr", "background", ElementRule, true},
    {"hr", "border-color", ElementRule},
    {"hr", "border", ElementRule, true},
};

// A selector with a pseudo-class outweighs a bare element name.
int specificity(std::string_view selector)
{
    return selector.find(':') == std::string_view::npos ? 1 : 2;
}

// From `pos`, past the quoted string that starts there. An unclosed string
// runs to the end.
std::size_t skipString(std::u16string_view text, std::size_t pos)
{
    const char16_t quote = text[pos++];
    while (pos < text.size() && text[pos] != quote)
        pos += text[pos] == u'\\' ? 2 : 1;
    return std::min(pos + 1, text.size());
}

std::u16string withoutComments(std::u16string_view text)
{
    std::u16string sheet;
    for (std::size_t pos = 0; pos < text.size();) {
        if (text[pos] == u'"' || text[pos] == u'\'') {
            const std::size_t end = skipString(text, pos);
            sheet.append(text.substr(pos, end - pos));
            pos = end;
        } else if (text.substr(pos, 2) == u"/*") {
            const std::size_t end = text.find(u"*/", pos + 2);
            pos = end == std::u16string_view::npos ? text.size() : end + 2;
            sheet += u' ';
        } else {
            sheet += text[pos++];
        }
    }
    return sheet;
}

// The first of `stops` at or after `pos` outside strings, parentheses and
// brackets; npos when there is none.
std::size_t findTopLevel(std::u16string_view text, std::size_t pos, std::u16string_view stops)
{
    int depth = 0;
    while (pos < text.size()) {
        const char16_t c = text[pos];
        if (c == u'"' || c == u'\'') {
            pos = skipString(text, pos);
            continue;
        }
        if (depth == 0 && stops.find(c) != std::u16string_view::npos)
            return pos;
        if (c == u'(' || c == u'[')
            ++depth;
        else if ((c == u')' || c == u']') && depth > 0)
            --depth;
        ++pos;
    }
    return std::u16string_view::npos;
}

std::vector<std::u16string_view> splitTopLevel(std::u16string_view text,
                                               std::u16string_view separators)
{
    std::vector<std::u16string_view> pieces;
    for (std::size_t pos = 0;;) {
        const std::size_t stop = findTopLevel(text, pos, separators);
        pieces.push_back(
            text.substr(pos, stop == std::u16string_view::npos ? text.npos : stop - pos));
        if (stop == std::u16string_view::npos)
            return pieces;
        pos = stop + 1;
    }
}

// The '}' that closes the block whose content starts at `pos`, or the end of
// the text: CSS closes what the end leaves open.
std::size_t blockEnd(std::u16string_view text, std::size_t pos)
{
    for (int depth = 1; pos < text.size();) {
        const char16_t c = text[pos];
        if (c == u'"' || c == u'\'') {
            pos = skipString(text, pos);
            continue;
        }
        if (c == u'{')
            ++depth;
        else if (c == u'}' && --depth == 0)
            return pos;
        ++pos;
    }
    return text.size();
}

// A name in lower case with its whitespace cut; empty when it holds a
// character that no name this reader knows has.
std::string normalName(std::u16string_view text)
{
    std::string name;
    for (const char16_t c : TrimAsciiWhitespace(text)) {
        if (c >= 0x80)
            return {};
        name += static_cast<char>(AsciiLower(c));
    }
    return name;
}

std::u16string_view withoutImportant(std::u16string_view value)
{
    const std::size_t bang = value.rfind(u'!');
    if (bang != std::u16string_view::npos &&
        EqualsIgnoringCase(TrimAsciiWhitespace(value.substr(bang + 1)), "important"))
        value = value.substr(0, bang);
    return TrimAsciiWhitespace(value);
}

// The colour among a shorthand's values, in its last layer.
std::optional<TColor> colorInShorthand(std::u16string_view value)
{
    const std::u16string_view lastLayer = splitTopLevel(value, u",").back();
    std::optional<TColor> found;
    for (const std::u16string_view component : splitTopLevel(lastLayer, u" \t\n\f\r/"))
        if (const auto color = ReadCssColor(component))
            found = color;
    return found;
}

struct SheetColors
{
    PartColors colors{};
    std::array<int, SchemeElementCount> weights{};

    void apply(std::u16string_view selectors, std::u16string_view block)
    {
        for (const std::u16string_view declaration : splitTopLevel(block, u";")) {
            const std::size_t colon = findTopLevel(declaration, 0, u":");
            if (colon == std::u16string_view::npos)
                continue;
            const std::string property = normalName(declaration.substr(0, colon));
            const std::u16string_view value = withoutImportant(declaration.substr(colon + 1));
            for (const std::u16string_view selectorText : splitTopLevel(selectors, u","))
                applyDeclaration(normalName(selectorText), property, value);
        }
    }

    void applyDeclaration(const std::string &selector, const std::string &property,
                          std::u16string_view value)
    {
        for (const ColorDeclaration &known : colorDeclarations) {
            if (known.selector != selector || known.property != property)
                continue;
            const auto color = known.shorthand ? colorInShorthand(value) : ReadCssColor(value);
            int &weight = weights[std::size_t(known.part)];
            if (color && specificity(selector) >= weight) {
                colors[std::size_t(known.part)] = color;
                weight = specificity(selector);
            }
        }
    }
};

// The sheet itself, or the content of a <style> element that is the whole
// text; nothing for any other element.
std::optional<std::u16string_view> sheetText(std::u16string_view text)
{
    if (text.empty() || text.front() != u'<')
        return text;
    if (!StartsWithIgnoringCase(text, "<style") || text.size() == 6 ||
        !(IsAsciiWhitespace(text[6]) || text[6] == u'>' || text[6] == u'/'))
        return std::nullopt;
    const std::size_t open = text.find(u'>');
    if (open == std::u16string_view::npos)
        return std::nullopt;
    std::u16string_view content = text.substr(open + 1);
    if (content.empty() || content.back() != u'>')
        return content; // no end tag: the sheet runs to the end, as a browser reads it
    const std::size_t endTag = content.rfind(u"</");
    if (endTag == std::u16string_view::npos)
        return std::nullopt;
    const std::u16string_view tail = content.substr(endTag + 2, content.size() - endTag - 3);
    if (!StartsWithIgnoringCase(tail, "style") || !TrimAsciiWhitespace(tail.substr(5)).empty())
        return std::nullopt;
    return content.substr(0, endTag);
}

// Past whitespace and the "<!--" and "-->" that old pages put around a sheet.
std::size_t skipSpace(std::u16string_view sheet, std::size_t pos)
{
    for (;;) {
        if (pos < sheet.size() && IsAsciiWhitespace(sheet[pos]))
            ++pos;
        else if (sheet.substr(pos, 4) == u"<!--")
            pos += 4;
        else if (sheet.substr(pos, 3) == u"-->")
            pos += 3;
        else
            return pos;
    }
}

} // namespace

std::string SchemeStyleSheet(const Scheme &scheme)
{
    const auto color = [&scheme](SchemeElement part) {
        return '#' + HtmlHex(scheme[std::size_t(part)]);
    };
    const std::string background = color(ElementBackground);
    const std::string text = color(ElementText);
    const std::string rule = color(ElementRule);
    const std::string lines[] = {
        "body { background-color: " + background + "; color: " + text + "; }",
        "a:link { color: " + color(ElementLink) + "; }",
        "a:visited { color: " + color(ElementVisitedLink) + "; }",
        "a:active { color: " + color(ElementClickedLink) + "; }",
        "td { background-color: " + color(ElementTable) + "; }",
        "hr { border-style: solid; border-color: " + rule + "; background-color: " + rule + "; }",
    };
    std::string sheet;
    for (const std::string &line : lines)
        sheet += (sheet.empty() ? "" : "\n") + line;
    return sheet;
}

std::optional<PartColors> ReadStyleSheet(std::u16string_view text)
{
    const auto content = sheetText(TrimAsciiWhitespace(text));
    if (!content)
        return std::nullopt;
    const std::u16string sheet = withoutComments(*content);
    const std::u16string_view rules(sheet);
    SheetColors found;
    for (std::size_t pos = skipSpace(rules, 0); pos < rules.size(); pos = skipSpace(rules, pos)) {
        const std::size_t stop = findTopLevel(rules, pos, u"{;");
        if (stop == std::u16string_view::npos)
            return std::nullopt; // text that is no rule
        const std::u16string_view prelude = TrimAsciiWhitespace(rules.substr(pos, stop - pos));
        const bool atRule = !prelude.empty() && prelude.front() == u'@';
        if (rules[stop] == u';') {
            if (!atRule)
                return std::nullopt;
            pos = stop + 1; // a statement such as @charset or @import
            continue;
        }
        if (prelude.empty())
            return std::nullopt;
        const std::size_t end = blockEnd(rules, stop + 1);
        if (!atRule) // what @media and the like hold applies only sometimes
            found.apply(prelude, rules.substr(stop + 1, end - stop - 1));
        pos = std::min(end + 1, rules.size());
    }
    if (std::none_of(found.colors.begin(), found.colors.end(),
                     [](const auto &color) { return color.has_value(); }))
        return std::nullopt;
    return found.colors;
}

} // namespace pageText
