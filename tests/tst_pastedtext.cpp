// Texts a person may paste, and the colours they name: one table, read by
// the same rules the window uses. Each row gives the colours as
// "part=#RRGGBB" for the parts a text names, "edited=#RRGGBB" for a colour
// on its own (for the part being edited), or "-" for a text that names none.

#include "pagetext/pastedcolors.h"

#include <QTest>

using namespace cSpace;

namespace {

QString described(const std::optional<pageText::PastedColors> &pasted)
{
    const auto hex = [](TColor color) {
        return u'#' + QString::fromStdString(HtmlHex(color));
    };
    if (!pasted)
        return QStringLiteral("-");
    if (pasted->editedPart)
        return QStringLiteral("edited=") + hex(*pasted->editedPart);
    const char *const parts[] = {"back", "text", "link", "visited", "clicked", "table", "rule"};
    QStringList named;
    for (std::size_t part = 0; part < pasted->parts.size(); ++part)
        if (const auto color = pasted->parts[part])
            named.append(QLatin1String(parts[part]) + u'=' + hex(*color));
    return named.join(u' ');
}

} // namespace

class TestPastedText final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void colorsNamed_data();
    void colorsNamed();
};

void TestPastedText::colorsNamed_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("colors");
    const auto row = [](const char *name, const QString &text, const char *colors) {
        QTest::newRow(name) << text << QString::fromLatin1(colors);
    };

    // The copy command's own texts.
    row("body tag as copied",
        QStringLiteral("<BODY BGCOLOR=\"#C0C0C0\" TEXT=\"#FFFFFF\" LINK=\"#CC00CC\" "
                       "VLINK=\"#88CC88\" ALINK=\"#AAAA99\">"),
        "back=#C0C0C0 text=#FFFFFF link=#CC00CC visited=#88CC88 clicked=#AAAA99");
    row("font tag", QStringLiteral("<FONT COLOR=\"#123456\">"), "text=#123456");
    row("rule tag", QStringLiteral("<HR COLOR=\"#ABCDEF\">"), "rule=#ABCDEF");
    row("table cell tag", QStringLiteral("<TD BGCOLOR=\"#0000FF\">"), "table=#0000FF");
    row("colour attribute", QStringLiteral("COLOR=\"#00FF00\""), "text=#00FF00");
    row("background attribute", QStringLiteral("BGCOLOR=\"#FF0000\""), "back=#FF0000");
    row("hex", QStringLiteral("#C0C0C0"), "edited=#C0C0C0");

    // Tags as pages write them.
    row("any case, quoting, order, other attributes",
        QStringLiteral("<body alink=#abc class=\"x\" TEXT='#000080' bgColor=navy onload=\"f()\">"),
        "back=#000080 text=#000080 clicked=#AABBCC");
    row("only the attributes present", QStringLiteral("<Body Link=\"#0000ff\">"), "link=#0000FF");
    row("spaces around the equals sign", QStringLiteral("<td width=10 bgcolor = 'silver'>"),
        "table=#C0C0C0");
    row("self-closing", QStringLiteral("<hr color=red />"), "rule=#FF0000");
    row("the first of a name given twice", QStringLiteral("<BODY BGCOLOR=red BGCOLOR=blue>"),
        "back=#FF0000");
    row("an ignored value leaves the others",
        QStringLiteral("<BODY BGCOLOR=\"transparent\" TEXT=\"\" LINK=lime>"), "link=#00FF00");
    row("whitespace around the text", QStringLiteral(" \n\t<FONT SIZE=2 COLOR=red>\r\n\u3000"),
        "text=#FF0000");
    row("unquoted attribute", QStringLiteral("bgcolor=white"), "back=#FFFFFF");

    // Values in tags read as browsers read them.
    row("legacy chucknorris", QStringLiteral("BGCOLOR=\"chucknorris\""), "back=#C00000");
    row("legacy sick", QStringLiteral("BGCOLOR=\"sick\""), "back=#00C000");
    row("legacy crap", QStringLiteral("BGCOLOR=\"crap\""), "back=#C0A000");
    row("legacy ninjaturtle", QStringLiteral("BGCOLOR=\"ninjaturtle\""), "back=#00A000");
    row("legacy three digits without #", QStringLiteral("BGCOLOR=\"fff\""), "back=#0F0F0F");
    row("legacy #RGB", QStringLiteral("BGCOLOR=\"#fc0\""), "back=#FFCC00");
    row("legacy two digits", QStringLiteral("BGCOLOR=\"#ff\""), "back=#0F0F00");
    row("legacy five digits", QStringLiteral("BGCOLOR=\"#12345\""), "back=#123450");
    row("legacy eight digits", QStringLiteral("BGCOLOR=\"#ff000080\""), "back=#FF0080");
    row("legacy long parts cut to eight, then two",
        QStringLiteral("BGCOLOR=\"1234567890ABCDE1234567890ABCDE\""), "back=#34CD89");
    row("legacy leading zeros dropped while all three have one",
        QStringLiteral("BGCOLOR=\"0a120b340c56\""), "back=#A1B3C5");
    row("legacy leading zeros kept unless all three have one",
        QStringLiteral("BGCOLOR=\"0a12b0340c56\""), "back=#0AB00C");
    row("character references first",
        QStringLiteral("<BODY BGCOLOR=\"&#35;FF0000\" TEXT='&#x23;00f' LINK=&#35ff0 ALINK=&num;ABC>"),
        "back=#FF0000 text=#0000FF link=#FFFF00 clicked=#AABBCC");
    row("legacy an unknown reference as written", QStringLiteral("BGCOLOR=\"&bogus;\""),
        "back=#B00000");
    row("legacy only whitespace is black", QStringLiteral("BGCOLOR=\"   \""), "back=#000000");
    row("legacy rgb() is not understood", QStringLiteral("BGCOLOR=\"rgb(255,0,0)\""),
        "back=#002500");
    row("legacy keyword in any case", QStringLiteral("COLOR=\"LightGoldenRodYellow\""),
        "text=#FAFAD2");
    row("legacy grey spelling", QStringLiteral("COLOR=grey"), "text=#808080");
    row("legacy rebeccapurple", QStringLiteral("COLOR=RebeccaPurple"), "text=#663399");
    row("legacy character beyond the BMP counts as 00", QStringLiteral("BGCOLOR=\"a\U0001F600b\""),
        "back=#A00B00");
    row("legacy cut at 128 characters", // 127 zeros and an f: #0000F0; uncut #0000FF
        QStringLiteral("BGCOLOR=\"%1fff\"").arg(QString(127, u'0')), "back=#0000F0");
    row("legacy other characters", QStringLiteral("BGCOLOR=\"#zz\u00e9\u4e00ff\""),
        "back=#0000FF"); // zz, e-acute, a kanji -> 0000 + ff

    // The program's own style sheet, and style sheets as people write them.
    row("own style sheet",
        QStringLiteral("body { background-color: #C0C0C0; color: #FFFFFF; }\n"
                       "a:link { color: #CC00CC; }\na:visited { color: #88CC88; }\n"
                       "a:active { color: #AAAA99; }\ntd { background-color: #777777; }\n"
                       "hr { border-style: solid; border-color: #C0C0C0; "
                       "background-color: #C0C0C0; }"),
        "back=#C0C0C0 text=#FFFFFF link=#CC00CC visited=#88CC88 clicked=#AAAA99 "
        "table=#777777 rule=#C0C0C0");
    row("in a style element, with comments and other rules",
        QStringLiteral("<STYLE type=\"text/css\">\n<!--\n/* page */ p { margin: 0 }\n"
                       "BODY { font-family: serif; BACKGROUND: #fff url(\"a}.png\") no-repeat; "
                       "color: rgb(0 0 128) !important }\n-->\n</STYLE>"),
        "back=#FFFFFF text=#000080");
    row("a for every link, a:link more specific wherever it stands",
        QStringLiteral("a:link { color: blue } a { color: red }"),
        "link=#0000FF visited=#FF0000 clicked=#FF0000");
    row("selector lists, later declarations win",
        QStringLiteral("td, hr { background-color: teal; } hr { border: 2px solid olive }"),
        "table=#008080 rule=#808000");
    row("unclosed last rule", QStringLiteral("body{color:red"), "text=#FF0000");

    // A colour on its own, for the part being edited.
    row("#RGB", QStringLiteral("#f80"), "edited=#FF8800");
    row("six digits without #", QStringLiteral("ff8800"), "edited=#FF8800");
    row("keyword", QStringLiteral("FireBrick"), "edited=#B22222");
    row("rgb() with commas", QStringLiteral("rgb(255, 128, 0)"), "edited=#FF8000");
    row("rgb() with spaces", QStringLiteral("RGB( 255 128 0 )"), "edited=#FF8000");
    row("rgb() percentages round half up", QStringLiteral("rgb(100%, 50%, 0%)"), "edited=#FF8000");
    row("rgb() fractions and clamping", QStringLiteral("rgb(127.5 -5 300)"), "edited=#8000FF");
    row("rgba() opaque", QStringLiteral("rgba(255,0,0,1)"), "edited=#FF0000");
    row("hsl() with commas", QStringLiteral("hsl(120, 100%, 25%)"), "edited=#008000");
    row("hsl() with spaces", QStringLiteral("hsl(210 50% 40%)"), "edited=#336699");
    row("hsl() turn", QStringLiteral("hsl(0.5turn 100% 50%)"), "edited=#00FFFF");
    row("hsl() rounded", QStringLiteral("hsl(30 100% 50%)"), "edited=#FF8000");
    row("hsla() opaque", QStringLiteral("hsla(0deg 100% 50% / 100%)"), "edited=#FF0000");

    // Alpha: only an opaque colour is one of the program's colours.
    row("#RGBA opaque", QStringLiteral("#f00f"), "edited=#FF0000");
    row("#RRGGBBAA opaque", QStringLiteral("#FF0000FF"), "edited=#FF0000");
    row("#RRGGBBAA translucent", QStringLiteral("#FF000080"), "-");
    row("rgb() translucent", QStringLiteral("rgb(255 0 0 / 0.5)"), "-");
    row("rgba() translucent", QStringLiteral("rgba(255, 0, 0, 50%)"), "-");
    row("transparent", QStringLiteral("transparent"), "-");
    row("translucent in a style sheet is passed over",
        QStringLiteral("body { color: #0008; background-color: black }"), "back=#000000");

    // Texts that are none of the forms.
    row("empty", QString(), "-");
    row("whitespace", QStringLiteral(" \n "), "-");
    row("prose", QStringLiteral("Pick a warm red for the links"), "-");
    row("tag inside a sentence", QStringLiteral("Paste <BODY BGCOLOR=red> here"), "-");
    row("body tag inside a paragraph", QStringLiteral("<p><BODY BGCOLOR=red></p>"), "-");
    row("tag with its text", QStringLiteral("<FONT COLOR=red>hello</FONT>"), "-");
    row("unfinished tag", QStringLiteral("<BODY BGCOLOR=red"), "-");
    row("unfinished quote", QStringLiteral("<BODY BGCOLOR=\"red>"), "-");
    row("tag without colours", QStringLiteral("<BODY>"), "-");
    row("empty colour", QStringLiteral("<FONT COLOR=\"\">"), "-");
    row("another tag", QStringLiteral("<P COLOR=red>"), "-");
    row("attribute without value", QStringLiteral("COLOR"), "-");
    row("another attribute", QStringLiteral("SIZE=3"), "-");
    row("two attributes", QStringLiteral("COLOR=red SIZE=3"), "-");
    row("five hex digits", QStringLiteral("#12345"), "-");
    row("seven hex digits", QStringLiteral("1234567"), "-");
    row("not hex", QStringLiteral("#GGGGGG"), "-");
    row("full-width letters", QStringLiteral("ｒｅｄ"), "-");
    row("a declaration alone", QStringLiteral("color: red"), "-");
    row("style sheet without colours", QStringLiteral("p { margin: 0 }"), "-");
    row("code with braces", QStringLiteral("if (x) { y = 1; }"), "-");
    row("rgb() with two values", QStringLiteral("rgb(1, 2)"), "-");
    row("rgb() mixing commas and spaces", QStringLiteral("rgb(1, 2 3)"), "-");
    row("rgb() mixing numbers and percentages with commas", QStringLiteral("rgb(10%, 20, 30)"),
        "-");
    row("hsl() numbers with commas", QStringLiteral("hsl(120, 100, 50)"), "-");
    row("currentcolor", QStringLiteral("currentColor"), "-");
}

void TestPastedText::colorsNamed()
{
    QFETCH(QString, text);
    QFETCH(QString, colors);
    const std::u16string_view view(reinterpret_cast<const char16_t *>(text.utf16()),
                                   std::size_t(text.size()));
    QCOMPARE(described(pageText::ReadPastedColors(view)), colors);
}

QTEST_APPLESS_MAIN(TestPastedText)
#include "tst_pastedtext.moc"
