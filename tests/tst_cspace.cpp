#include "cspace/colortables.h"
#include "cspace/contrast.h"
#include "cspace/cspace.h"

#include <QColor>
#include <QSet>
#include <QTest>

#include <array>
#include <type_traits>

using namespace cSpace;

namespace {

// The named colours as a page writes them, kept apart from the program's
// table (which stores 0x00BBGGRR) so that a byte-order slip on either side
// shows up.
const char *const namedColorOracle[] = {
    "aliceblue #F0F8FF",
    "antiquewhite #FAEBD7",
    "aqua #00FFFF",
    "aquamarine #7FFFD4",
    "azure #F0FFFF",
    "beige #F5F5DC",
    "bisque #FFE4C4",
    "black #000000",
    "blanchedalmond #FFEBCD",
    "blue #0000FF",
    "blueviolet #8A2BE2",
    "brown #A52A2A",
    "burlywood #DEB887",
    "cadetblue #5F9EA0",
    "chartreuse #7FFF00",
    "chocolate #D2691E",
    "coral #FF7F50",
    "cornflowerblue #6495ED",
    "cornsilk #FFF8DC",
    "crimson #DC143C",
    "cyan #00FFFF",
    "darkblue #00008B",
    "darkcyan #008B8B",
    "darkgoldenrod #B8860B",
    "darkgray #A9A9A9",
    "darkgreen #006400",
    "darkkhaki #BDB76B",
    "darkmagenta #8B008B",
    "darkolivegreen #556B2F",
    "darkorange #FF8C00",
    "darkorchid #9932CC",
    "darkred #8B0000",
    "darksalmon #E9967A",
    "darkseagreen #8FBC8F",
    "darkslateblue #483D8B",
    "darkslategray #2F4F4F",
    "darkturquoise #00CED1",
    "darkviolet #9400D3",
    "deeppink #FF1493",
    "deepskyblue #00BFFF",
    "dimgray #696969",
    "dodgerblue #1E90FF",
    "firebrick #B22222",
    "floralwhite #FFFAF0",
    "forestgreen #228B22",
    "fuchsia #FF00FF",
    "gainsboro #DCDCDC",
    "ghostwhite #F8F8FF",
    "gold #FFD700",
    "goldenrod #DAA520",
    "gray #808080",
    "green #008000",
    "greenyellow #ADFF2F",
    "honeydew #F0FFF0",
    "hotpink #FF69B4",
    "indianred #CD5C5C",
    "indigo #4B0082",
    "ivory #FFFFF0",
    "khaki #F0E68C",
    "lavender #E6E6FA",
    "lavenderblush #FFF0F5",
    "lawngreen #7CFC00",
    "lemonchiffon #FFFACD",
    "lightblue #ADD8E6",
    "lightcoral #F08080",
    "lightcyan #E0FFFF",
    "lightgoldenrodyellow #FAFAD2",
    "lightgreen #90EE90",
    "lightgray #D3D3D3",
    "lightpink #FFB6C1",
    "lightsalmon #FFA07A",
    "lightseagreen #20B2AA",
    "lightskyblue #87CEFA",
    "lightslategray #778899",
    "lightsteelblue #B0C4DE",
    "lightyellow #FFFFE0",
    "lime #00FF00",
    "limegreen #32CD32",
    "linen #FAF0E6",
    "magenta #FF00FF",
    "maroon #800000",
    "mediumaquamarine #66CDAA",
    "mediumblue #0000CD",
    "mediumorchid #BA55D3",
    "mediumpurple #9370DB",
    "mediumseagreen #3CB371",
    "mediumslateblue #7B68EE",
    "mediumspringgreen #00FA9A",
    "mediumturquoise #48D1CC",
    "mediumvioletred #C71585",
    "midnightblue #191970",
    "mintcream #F5FFFA",
    "mistyrose #FFE4E1",
    "moccasin #FFE4B5",
    "navajowhite #FFDEAD",
    "navy #000080",
    "oldlace #FDF5E6",
    "olive #808000",
    "olivedrab #6B8E23",
    "orange #FFA500",
    "orangered #FF4500",
    "orchid #DA70D6",
    "palegoldenrod #EEE8AA",
    "palegreen #98FB98",
    "paleturquoise #AFEEEE",
    "palevioletred #DB7093",
    "papayawhip #FFEFD5",
    "peachpuff #FFDAB9",
    "peru #CD853F",
    "pink #FFC0CB",
    "plum #DDA0DD",
    "powderblue #B0E0E6",
    "purple #800080",
    "red #FF0000",
    "rosybrown #BC8F8F",
    "royalblue #4169E1",
    "saddlebrown #8B4513",
    "salmon #FA8072",
    "sandybrown #F4A460",
    "seagreen #2E8B57",
    "seashell #FFF5EE",
    "sienna #A0522D",
    "silver #C0C0C0",
    "skyblue #87CEEB",
    "slateblue #6A5ACD",
    "slategray #708090",
    "snow #FFFAFA",
    "springgreen #00FF7F",
    "steelblue #4682B4",
    "tan #D2B48C",
    "teal #008080",
    "thistle #D8BFD8",
    "tomato #FF6347",
    "turquoise #40E0D0",
    "violet #EE82EE",
    "wheat #F5DEB3",
    "white #FFFFFF",
    "whitesmoke #F5F5F5",
    "yellow #FFFF00",
    "yellowgreen #9ACD32",
};

// The three encodings of a colour cannot be passed for one another.
static_assert(!std::is_invocable_v<decltype(&HslToRgb), TColor>);
static_assert(!std::is_invocable_v<decltype(&RgbToHsl), PackedHsl>);
static_assert(!std::is_invocable_v<decltype(&HtmlHex), HtmlColor>);
static_assert(!std::is_convertible_v<PackedHsl, TColor> &&
              !std::is_convertible_v<HtmlColor, TColor>);

TColor fromPageOrder(const QString &hash)
{
    bool ok = false;
    const uint rgb = hash.mid(1).toUInt(&ok, 16);
    Q_ASSERT(ok && hash.size() == 7 && hash.startsWith(u'#'));
    return MakeColor(int(rgb >> 16), int(rgb >> 8 & 0xFF), int(rgb & 0xFF));
}

} // namespace

class TestColorSpace final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void rgbToHsl_data();
    void rgbToHsl();
    void hslToRgb_data();
    void hslToRgb();
    void hueChannelBorders_data();
    void hueChannelBorders();
    void packedValues();
    void htmlOrderAndHexText_data();
    void htmlOrderAndHexText();
    void inverseColor_data();
    void inverseColor();
    void cubeCellColor_data();
    void cubeCellColor();
    void cubeRepeatsFirstCellsInLastRow();
    void roundTripOverEveryColour();
    void namedColorTable();
    void namedColorsAgreeWithQt();
    void defaultScheme();
    void contrastRepairAlwaysFindsLightness();
};

void TestColorSpace::rgbToHsl_data()
{
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("g");
    QTest::addColumn<int>("b");
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("l");
    const struct
    {
        const char *tag;
        int r, g, b, h, s, l;
    } rows[] = {
        {"black is a grey", 0, 0, 0, 0, 0, 0},
        {"white is a grey", 255, 255, 255, 0, 0, 255},
        {"mid grey", 128, 128, 128, 0, 0, 128},
        {"red: lightness truncates to 127", 255, 0, 0, 0, 255, 127},
        {"green sector", 0, 255, 0, 120, 255, 127},
        {"blue sector", 0, 0, 255, 240, 255, 127},
        {"red and green share max", 255, 255, 0, 60, 255, 127},
        {"green and blue share max", 0, 255, 255, 180, 255, 127},
        {"red and blue share max", 255, 0, 255, 300, 255, 127},
        {"-0.47 truncates to hue 0", 128, 0, 1, 0, 255, 64},
        {"max+min 255 divides by max+min", 200, 55, 55, 0, 145, 127},
        {"max+min 256 divides by 510-max-min", 200, 56, 56, 0, 144, 128},
        {"ordinary colour", 200, 100, 50, 20, 153, 125},
        {"dark blue-sector colour", 10, 20, 30, 210, 127, 20},
        {"orange", 255, 128, 0, 30, 255, 127},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.r << row.g << row.b << row.h << row.s << row.l;
}

void TestColorSpace::rgbToHsl()
{
    QFETCH(int, r);
    QFETCH(int, g);
    QFETCH(int, b);
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, l);
    const PackedHsl hsl = RgbToHsl(MakeColor(r, g, b));
    QCOMPARE(HueOf(hsl), h);
    QCOMPARE(SaturationOf(hsl), s);
    QCOMPARE(LightnessOf(hsl), l);
    QCOMPARE(hsl, MakeHsl(h, s, l));
    // The top byte of a colour is ignored.
    QCOMPARE(RgbToHsl(MakeColor(r, g, b) | 0xAB000000u), hsl);
}

void TestColorSpace::hslToRgb_data()
{
    QTest::addColumn<int>("h");
    QTest::addColumn<int>("s");
    QTest::addColumn<int>("l");
    QTest::addColumn<QString>("html");
    const struct
    {
        const char *tag;
        int h, s, l;
        const char *html;
    } rows[] = {
        {"black", 0, 0, 0, "000000"},
        {"white", 0, 0, 255, "FFFFFF"},
        {"grey whatever the hue", 200, 0, 77, "4D4D4D"},
        {"red at L 127", 0, 255, 127, "FE0000"},
        {"red at L 128", 0, 255, 128, "FF0101"},
        {"green at L 128", 120, 255, 128, "01FF01"},
        {"blue at L 128", 240, 255, 128, "0101FF"},
        {"hue 359", 359, 255, 128, "FF0105"},
        {"light yellow", 60, 128, 200, "E4E4AC"},
        {"ordinary colour", 20, 153, 125, "C86432"},
        {"dark colour", 210, 127, 20, "0B141D"},
        {"orange", 30, 255, 128, "FF8001"},
        {"hue 40", 40, 255, 128, "FFAA01"},
        {"hue 400 acts as 40", 400, 255, 128, "FFAA01"},
        {"magenta at L 127", 300, 255, 127, "FE00FE"},
    };
    for (const auto &row : rows)
        QTest::newRow(row.tag) << row.h << row.s << row.l << QString::fromLatin1(row.html);
}

void TestColorSpace::hslToRgb()
{
    QFETCH(int, h);
    QFETCH(int, s);
    QFETCH(int, l);
    QFETCH(QString, html);
    const TColor color = HslToRgb(MakeHsl(h, s, l));
    QCOMPARE(QString::fromStdString(HtmlHex(color)), html);
    QCOMPARE(color & 0xFF000000u, 0u);
    // Bits 25..31 of the packed value are ignored.
    QCOMPARE(HslToRgb(PackedHsl{std::uint32_t(MakeHsl(h, s, l)) | 0xFE000000u}), color);
}

void TestColorSpace::hueChannelBorders_data()
{
    QTest::addColumn<int>("hue");
    QTest::addColumn<int>("channel");
    QTest::newRow("rising ramp end") << 59 << 250;
    QTest::newRow("plateau start") << 60 << 255;
    QTest::newRow("plateau end") << 179 << 255;
    QTest::newRow("falling ramp start") << 180 << 255;
    QTest::newRow("falling ramp end") << 239 << 5;
    QTest::newRow("floor start") << 240 << 1;
    QTest::newRow("floor end") << 359 << 1;
    QTest::newRow("zero") << 0 << 1;
    QTest::newRow("negative wraps") << -120 << 1;
    QTest::newRow("above 360 wraps") << 420 << 255;
    QTest::newRow("largest hue passed") << 631 << 1;
}

void TestColorSpace::hueChannelBorders()
{
    QFETCH(int, hue);
    QFETCH(int, channel);
    QCOMPARE(HueChannel(1, 255, hue), channel);
}

void TestColorSpace::packedValues()
{
    QCOMPARE(MakeColor(255, 0, 0), 0x000000FFu);
    QCOMPARE(MakeColor(0, 255, 0), 0x0000FF00u);
    QCOMPARE(MakeColor(0, 0, 255), 0x00FF0000u);
    QCOMPARE(RgbToHsl(MakeColor(255, 0, 0)), PackedHsl{0x0000FF7Fu});
    QCOMPARE(RgbToHsl(MakeColor(255, 0, 255)), PackedHsl{0x012CFF7Fu}); // hue 300 needs bit 24
    QCOMPARE(CubeCellColor(1, 0, 16), 0x00CCFFFFu);
}

void TestColorSpace::htmlOrderAndHexText_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<uint>("html");
    QTest::addColumn<QString>("text");
    QTest::newRow("top byte dropped") << 0x12345678u << 0x00785634u << QStringLiteral("785634");
    QTest::newRow("red and blue swap") << 0x00CC9966u << 0x006699CCu << QStringLiteral("6699CC");
    QTest::newRow("pure blue keeps zeros")
        << 0x00FF0000u << 0x000000FFu << QStringLiteral("0000FF");
    QTest::newRow("pure red") << 0x000000FFu << 0x00FF0000u << QStringLiteral("FF0000");
    QTest::newRow("black") << 0u << 0u << QStringLiteral("000000");
    QTest::newRow("small green") << 0x00000100u << 0x00000100u << QStringLiteral("000100");
    QTest::newRow("white") << 0x00FFFFFFu << 0x00FFFFFFu << QStringLiteral("FFFFFF");
}

void TestColorSpace::htmlOrderAndHexText()
{
    QFETCH(uint, color);
    QFETCH(uint, html);
    QFETCH(QString, text);
    QCOMPARE(ColorToHtml(color), HtmlColor{html});
    QCOMPARE(QString::fromStdString(HtmlHex(color)), text);
}

void TestColorSpace::inverseColor_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<uint>("inverse");
    QTest::newRow("black on white") << 0x00FFFFFFu << 0x00000000u;
    QTest::newRow("white on black") << 0x00000000u << 0x00FFFFFFu;
    QTest::newRow("silver") << 0x00C0C0C0u << 0x003F3F3Fu;
    QTest::newRow("channels stay apart") << 0x00123456u << 0x00EDCBA9u;
    QTest::newRow("top byte cleared") << 0xFF000000u << 0x00FFFFFFu;
}

void TestColorSpace::inverseColor()
{
    QFETCH(uint, color);
    QFETCH(uint, inverse);
    QCOMPARE(InverseColor(color), inverse);
}

void TestColorSpace::cubeCellColor_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("html");
    QTest::newRow("cell 0") << 0 << 0 << QStringLiteral("FFFFFF");
    QTest::newRow("cell 1") << 1 << 0 << QStringLiteral("FFFFCC");
    QTest::newRow("cell 5") << 5 << 0 << QStringLiteral("FFFF00");
    QTest::newRow("cell 6") << 6 << 0 << QStringLiteral("FFCCFF");
    QTest::newRow("cell 15") << 15 << 0 << QStringLiteral("FF9966");
    QTest::newRow("cell 16") << 0 << 1 << QStringLiteral("FF9933");
    QTest::newRow("cell 35") << 3 << 2 << QStringLiteral("FF0000");
    QTest::newRow("cell 36") << 4 << 2 << QStringLiteral("CCFFFF");
    QTest::newRow("cell 215") << 7 << 13 << QStringLiteral("000000");
    QTest::newRow("cell 216") << 8 << 13 << QStringLiteral("FFFFFF");
    QTest::newRow("cell 223") << 15 << 13 << QStringLiteral("FFCCCC");
}

void TestColorSpace::cubeCellColor()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, html);
    QCOMPARE(QString::fromStdString(HtmlHex(CubeCellColor(column, row, 16))), html);
}

void TestColorSpace::cubeRepeatsFirstCellsInLastRow()
{
    // The 216 web-safe colours fill cells 0..215 once each; 216..223 wrap.
    QSet<TColor> distinct;
    for (int cell = 0; cell < 216; ++cell)
        distinct.insert(CubeCellColor(cell % 16, cell / 16, 16));
    QCOMPARE(distinct.size(), 216);
    for (int column = 8; column < 16; ++column)
        QCOMPARE(CubeCellColor(column, 13, 16), CubeCellColor(column - 8, 0, 16));
}

void TestColorSpace::roundTripOverEveryColour()
{
    // The largest change of any one channel after RGB -> HSL -> RGB, counted
    // over all 2^24 colours, is a fingerprint of the exact integer arithmetic.
    std::array<qint64, 256> histogram{};
    for (TColor color = 0; color < 0x1000000u; ++color) {
        const TColor back = HslToRgb(RgbToHsl(color));
        const int change = std::max({std::abs(RedOf(back) - RedOf(color)),
                                     std::abs(GreenOf(back) - GreenOf(color)),
                                     std::abs(BlueOf(back) - BlueOf(color))});
        ++histogram[static_cast<std::size_t>(change)];
    }
    const std::array<qint64, 7> expected = {455'164, 6'965'934, 6'030'228, 2'469'666,
                                            743'112, 107'244,   5'868};
    for (std::size_t change = 0; change < histogram.size(); ++change)
        QCOMPARE(histogram[change], change < expected.size() ? expected[change] : 0);

    for (int level = 0; level < 256; ++level) {
        const TColor grey = MakeColor(level, level, level);
        QCOMPARE(RgbToHsl(grey), MakeHsl(0, 0, level));
        QCOMPARE(HslToRgb(RgbToHsl(grey)), grey);
    }
    QCOMPARE(HslToRgb(RgbToHsl(MakeColor(1, 178, 248))), MakeColor(2, 172, 246));

    int changedCells = 0;
    for (int cell = 0; cell < 216; ++cell) {
        const TColor color = CubeCellColor(cell % 16, cell / 16, 16);
        changedCells += HslToRgb(RgbToHsl(color)) != color;
    }
    QCOMPARE(changedCells, 126);
}

void TestColorSpace::namedColorTable()
{
    const auto table = NamedColors();
    QCOMPARE(table.size(), std::size(namedColorOracle));
    QCOMPARE(table.size(), std::size_t(140));
    for (std::size_t i = 0; i < table.size(); ++i) {
        const QStringList oracle = QString::fromLatin1(namedColorOracle[i]).split(u' ');
        const QString name =
            QString::fromLatin1(table[i].name.data(), qsizetype(table[i].name.size()));
        QCOMPARE(name, oracle[0]);
        QCOMPARE(table[i].color, fromPageOrder(oracle[1]));
        QVERIFY2(name.size() >= 3 && name.size() <= 20, qPrintable(name));
        for (const QChar c : name)
            QVERIFY2(c >= u'a' && c <= u'z', qPrintable(name));
    }
    QCOMPARE(table[67].name, "lightgreen");
    QCOMPARE(table[68].name, "lightgray");
    QCOMPARE(table[66].name, "lightgoldenrodyellow");
    QCOMPARE(table[113].name, "red");
    QCOMPARE(table[129].name, "tan");

    // Exactly two pairs share a value: aqua/cyan and fuchsia/magenta.
    QList<std::pair<std::size_t, std::size_t>> shared;
    for (std::size_t i = 0; i < table.size(); ++i)
        for (std::size_t j = i + 1; j < table.size(); ++j)
            if (table[i].color == table[j].color)
                shared.append({i, j});
    const QList<std::pair<std::size_t, std::size_t>> expected = {{2, 20}, {45, 79}};
    QCOMPARE(shared, expected);
}

void TestColorSpace::namedColorsAgreeWithQt()
{
    // A second, independent source of the standard values.
    for (const NamedColor &entry : NamedColors()) {
        const QString name = QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size()));
        const QColor qt = QColor::fromString(name);
        QVERIFY2(qt.isValid(), qPrintable(name));
        QCOMPARE(MakeColor(qt.red(), qt.green(), qt.blue()), entry.color);
    }
}

void TestColorSpace::defaultScheme()
{
    const char *const pageOrder[] = {"#C0C0C0", "#FFFFFF", "#CC00CC", "#88CC88",
                                     "#AAAA99", "#777777", "#C0C0C0"};
    QCOMPARE(DefaultScheme.size(), std::size(pageOrder));
    for (std::size_t element = 0; element < DefaultScheme.size(); ++element) {
        QCOMPARE(DefaultScheme[element], fromPageOrder(QString::fromLatin1(pageOrder[element])));
        QCOMPARE(u'#' + QString::fromStdString(HtmlHex(DefaultScheme[element])),
                 QString::fromLatin1(pageOrder[element]));
    }
    QCOMPARE(DefaultScheme[ElementClickedLink], 0x0099AAAAu);
}

// The contrast check's repair aims at 4.5 (text) or 3. The better of black
// and white reaches at least 4.58 against any colour, so for every hue and
// saturation some lightness passes, however far; beyond what black or white
// reach, none does.
void TestColorSpace::contrastRepairAlwaysFindsLightness()
{
    for (int level = 0; level < 256; ++level) {
        const TColor background = MakeColor(level, level, level);
        for (const PackedHsl from :
             {MakeHsl(0, 0, 255), MakeHsl(300, 255, 102), MakeHsl(0, 0, 0)}) {
            const auto lightness = NearestPassingLightness(from, background, 4.5);
            QVERIFY2(lightness, qPrintable(QString::number(level)));
            const TColor passing = HslToRgb(MakeHsl(HueOf(from), SaturationOf(from), *lightness));
            QVERIFY(ContrastRatio(passing, background) >= 4.5);
        }
    }
    QVERIFY(!NearestPassingLightness(MakeHsl(0, 0, 255), 0x777777, 7));
}

QTEST_APPLESS_MAIN(TestColorSpace)
#include "tst_cspace.moc"
