// The main window as a person meets it: where its controls stand, what they
// show, and how every way of choosing a colour keeps the window in step.

#include "cmap/tcmaptool.h"
#include "controls/bevelpanel.h"
#include "controls/colorbridge.h"
#include "controls/colorgrid.h"
#include "controls/namedcolorcombo.h"
#include "controls/numberfield.h"
#include "controls/opaquelabel.h"
#include "controls/radiogroup.h"
#include "controls/sliderbar.h"
#include "cspace/colortables.h"
#include "windowdriver.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QElapsedTimer>
#include <QFontInfo>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScreen>
#include <QSignalSpy>

using namespace cSpace;
using namespace WindowDriver;

namespace {

const char *const elementControls[] = {"C_Back",  "C_Text",     "C_Link", "C_Visit", "C_Click",
                                       "P_Back",  "P_Text",     "P_Link", "P_Visit", "P_Click",
                                       "P_Table", "TableColor", "P_Line"};

// The seven page parts as the window must show them, indexed by element: the
// swatch that holds the colour, the caption or sample that also selects the
// part, its name in the status line, and the previews its colour paints (a
// panel, and texts that take the colour or, on the background, its inverse).
const struct PagePart
{
    const char *swatch;
    const char *label;
    const char *status;
    const char *colouredPanel;
    const char *colouredTexts[2];
    bool textsInverse;
} pageParts[SchemeElementCount] = {
    {"P_Back", "C_Back", "背景色", "BackColor", {"C_Back"}, true},
    {"P_Text", "C_Text", "通常のテキスト文字", nullptr, {"C_Text", "TableColor"}, false},
    {"P_Link", "C_Link", "リンク文字列", nullptr, {"C_Link"}, false},
    {"P_Visit", "C_Visit", "訪問済みのリンク", nullptr, {"C_Visit"}, false},
    {"P_Click", "C_Click", "クリックしたときのリンク", nullptr, {"C_Click"}, false},
    {"P_Table", "TableColor", "テーブル", "TableColor", {}, false},
    {"P_Line", nullptr, "分割線", nullptr, {}, false},
};
const char *const barNames[] = {"BarR", "BarG", "BarB", "BarH", "BarS", "BarL"};
const char *const fieldNames[] = {"ColR", "ColG", "ColB", "ColH", "ColS", "ColL"};

// What the window should show, worked out independently of it.
struct ExpectedState
{
    std::array<TColor, SchemeElementCount> scheme = DefaultScheme;
    int element = ElementBackground;
    TColor color = DefaultScheme[ElementBackground];
    PackedHsl hsl = RgbToHsl(DefaultScheme[ElementBackground]);
    bool listFollows = false; // the list is filled after the first selection

    void take(TColor newColor)
    {
        color = newColor;
        hsl = RgbToHsl(newColor);
        scheme[std::size_t(element)] = newColor;
        listFollows = true;
    }
    void select(int newElement)
    {
        element = newElement;
        color = scheme[std::size_t(element)];
        hsl = RgbToHsl(color);
        listFollows = true;
    }
    int namedIndex() const
    {
        if (!listFollows)
            return -1;
        const auto table = NamedColors();
        for (std::size_t i = 0; i < table.size(); ++i)
            if (table[i].color == color)
                return int(i);
        return -1;
    }
};

// Where the style puts a horizontal bar's thumb at its present value.
QRect thumbRect(const QScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->value();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider,
                                        bar);
}

// The bounds of the ink in `area` of `image`: the pixels at least half as far
// from the face (the colour at the area's top right) as the farthest one.
QRect inkBounds(const QImage &image, const QRegion &area)
{
    const QRect box = area.boundingRect();
    const QRgb face = image.pixel(box.topRight());
    QMap<int, QRect> byDistance; // the bounds of the pixels at least so far
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            const int distance = std::abs(qRed(p) - qRed(face)) +
                                 std::abs(qGreen(p) - qGreen(face)) +
                                 std::abs(qBlue(p) - qBlue(face));
            if (area.contains(QPoint(x, y)))
                byDistance[distance] |= QRect(x, y, 1, 1);
        }
    QRect ink;
    for (auto it = byDistance.lowerBound((byDistance.lastKey() + 1) / 2); it != byDistance.end();
         ++it)
        ink |= it.value();
    return ink;
}

} // namespace

class TestCMapTool final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void windowFrame();
    void layout_data();
    void layout();
    void fontsTagsAndRanges();
    void tabOrder();
    void tagTypeGroupEnteredAtSelectedItem_data();
    void tagTypeGroupEnteredAtSelectedItem();
    void startUpState();
    void startUpPixels();
    void textsSitInTheirPlaces_data();
    void textsSitInTheirPlaces();
    void elementControlsSelect_data();
    void elementControlsSelect();
    void inertPlacesChangeNothing_data();
    void inertPlacesChangeNothing();
    void pressOnSwatchReleasedOutsideSelectsNothing();
    void rgbBarMovesAllHslBars();
    void hslBarLeavesOtherHslBars();
    void thumbDragFollowsLive();
    void heldClickInTroughStepsUpToPointer();
    void backgroundCaptionTakesInverse();
    void textColourAlsoColoursTableSample();
    void greysHaveNoHueOrSaturation();
    void cubeCellsSelectNamedColours_data();
    void cubeCellsSelectNamedColours();
    void cubeShiftClickPicksPreviousCell();
    void cubePressDragReleasePicksPressedCell();
    void cubeKeysPickAndStopAtEdges_data();
    void cubeKeysPickAndStopAtEdges();
    void cubeDoubleClickPicksOnce();
    void cubeShowsFocusMark();
    void listSharedValuesSelectFirstEntry_data();
    void listSharedValuesSelectFirstEntry();
    void listFindsFirstEntryByValue_data();
    void listFindsFirstEntryByValue();
    void listArrowsInDroppedListPreviewEachStep();
    void droppedListFromBlankSelection_data();
    void droppedListFromBlankSelection();
    void listItemDrawing();
    void randomUserSessionsKeepWindowInStep();
    void pasteRestoresWhatEachCopyCarries();

private:
    template <typename T = QWidget> T *find(const char *name)
    {
        return control<T>(m_window.get(), name);
    }
    QWidget *clientArea() { return find("ClientArea"); }
    void verifyShows(const ExpectedState &expected);
    QString staleControl(const QImage &shown, const QImage &painted);

    std::unique_ptr<TCMapTool> m_window;
};

void TestCMapTool::init()
{
    m_window = std::make_unique<TCMapTool>();
    QVERIFY(activate(m_window.get()));
}

void TestCMapTool::cleanup()
{
    m_window.reset();
}

void TestCMapTool::windowFrame()
{
    QCOMPARE(m_window->objectName(), QStringLiteral("CMapTool"));
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Tintwright (Chromaweave)"));
    QCOMPARE(clientArea()->size(), QSize(518, 334));
    QCOMPARE(clientArea()->mapTo(m_window.get(), QPoint()).y(), m_window->menuBar()->height());
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize()); // not resizable
    QVERIFY(!(m_window->windowFlags() & Qt::WindowMaximizeButtonHint));
    // The designed place 347,127 does not fit on the 800 x 800 offscreen
    // screen: the window moves left just enough to lie wholly on it.
    QCOMPARE(m_window->screen()->availableGeometry(), QRect(0, 0, 800, 800));
    QCOMPARE(m_window->pos(), QPoint(800 - 518, 127));

    const QList<QAction *> menus = m_window->menuBar()->actions();
    QCOMPARE(menus.size(), 3);
    QCOMPARE(menus[0]->text(), QStringLiteral("ﾌｧｲﾙ(&F)"));
    QCOMPARE(menus[1]->text(), QStringLiteral("編集(&E)"));
    QCOMPARE(menus[2]->text(), QStringLiteral("ﾍﾙﾌﾟ(&H)"));
    const auto *copy = m_window->findChild<QAction *>(QStringLiteral("Copy1"));
    QVERIFY(copy);
    QCOMPARE(copy->text(), QStringLiteral("ｺﾋﾟｰ(&C)"));
    QCOMPARE(copy->shortcut().toString(QKeySequence::NativeText), QStringLiteral("Ctrl+C"));
    QCOMPARE(m_window->findChild<QAction *>(QStringLiteral("Exit2"))->text(),
             QStringLiteral("終了(&X)"));
    QCOMPARE(m_window->findChild<QAction *>(QStringLiteral("About1"))->text(),
             QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報(&A)..."));
}

void TestCMapTool::layout_data()
{
    QTest::addColumn<QRect>("rect");
    QTest::addColumn<bool>("hitAtCentre"); // false for containers covered by their children
    const struct
    {
        const char *name;
        int x, y, w, h;
        bool hit;
    } rows[] = {
        {"Panel", 0, 0, 216, 334, false},      {"Panel1", 216, 0, 302, 334, false},
        {"BackColor", 2, 2, 212, 151, false},  {"MsgPanel", 2, 153, 212, 20, true},
        {"ColorCube", 2, 173, 212, 159, true}, {"C_Back", 8, 8, 200, 20, true},
        {"C_Text", 8, 28, 200, 20, true},      {"C_Link", 8, 48, 200, 20, true},
        {"C_Visit", 8, 68, 200, 20, true},     {"C_Click", 8, 88, 200, 24, true},
        {"P_Line", 8, 112, 200, 6, true},      {"P_Back", 7, 7, 25, 20, true},
        {"P_Text", 7, 27, 25, 20, true},       {"P_Link", 7, 47, 25, 20, true},
        {"P_Visit", 7, 67, 25, 20, true},      {"P_Click", 7, 87, 25, 20, true},
        {"P_Table", 7, 124, 25, 22, true},     {"TableColor", 48, 123, 129, 25, true},
        {"GroupBox1", 222, 6, 290, 87, false}, {"GroupBox2", 222, 93, 290, 88, false},
        {"Label1", 227, 26, 28, 12, true},     {"Label2", 227, 46, 28, 12, true},
        {"Label3", 227, 66, 28, 12, true},     {"BarR", 272, 26, 160, 16, true},
        {"BarG", 272, 46, 160, 16, true},      {"BarB", 272, 66, 160, 16, true},
        {"ColR", 437, 26, 35, 18, true},       {"ColG", 437, 46, 35, 18, true},
        {"ColB", 437, 66, 35, 18, true},       {"Bevel1", 475, 20, 35, 71, false},
        {"DispR", 482, 26, 20, 20, true},      {"DispG", 482, 46, 20, 20, true},
        {"DispB", 482, 66, 20, 20, true},      {"Label7", 227, 113, 40, 12, true},
        {"Label8", 227, 133, 39, 12, true},    {"Label9", 227, 153, 38, 12, true},
        {"BarH", 272, 113, 160, 16, true},     {"BarS", 272, 133, 160, 16, true},
        {"BarL", 272, 153, 160, 16, true},     {"ColH", 437, 113, 35, 18, true},
        {"ColS", 437, 133, 35, 18, true},      {"ColL", 437, 153, 35, 18, true},
        {"HexName", 222, 181, 290, 22, false}, {"ColorList", 372, 184, 140, 19, true},
        {"MakeType", 222, 203, 290, 75, true}, {"Button3", 228, 293, 113, 25, true},
        {"BitBtn1", 380, 293, 113, 25, true},
    };
    for (const auto &row : rows)
        QTest::newRow(row.name) << QRect(row.x, row.y, row.w, row.h) << row.hit;
}

void TestCMapTool::layout()
{
    QFETCH(QRect, rect);
    QFETCH(bool, hitAtCentre);
    QWidget *widget = find(QTest::currentDataTag());
    QCOMPARE(QRect(widget->mapTo(clientArea(), QPoint()), widget->size()), rect);
    if (hitAtCentre) {
        QWidget *hit = clientArea()->childAt(rect.center());
        QVERIFY2(
            hit == widget || widget->isAncestorOf(hit),
            qPrintable(
                QStringLiteral("the centre shows %1").arg(hit ? hit->objectName() : QString())));
    }
}

void TestCMapTool::fontsTagsAndRanges()
{
    QCOMPARE(m_window->font().pixelSize(), 12);
    for (const char *caption : {"C_Back", "C_Text", "C_Link", "C_Visit", "C_Click"})
        QCOMPARE(find(caption)->font().pixelSize(), 15);
    QCOMPARE(find("HexName")->font().pixelSize(), 17);
    const QFontMetrics hex(find("HexName")->font()); // a fixed-pitch face for the readout
    QCOMPARE(hex.horizontalAdvance(u'i'), hex.horizontalAdvance(u'W'));
    QVERIFY(QFontInfo(find("HexName")->font()).family().contains(QStringLiteral("IPA")));
    QCOMPARE(find("ColorList")->font().pixelSize(), 13);
    QCOMPARE(find("MsgPanel")->font().pixelSize(), 12);

    const int barTags[] = {0, 1, 2, 4, 5, 6};
    const int barMaxima[] = {255, 255, 255, 359, 255, 255};
    for (int i = 0; i < 6; ++i) {
        auto *bar = find<SliderBar>(barNames[i]);
        QCOMPARE(bar->tag(), barTags[i]);
        QCOMPARE(bar->minimum(), 0);
        QCOMPARE(bar->maximum(), barMaxima[i]);
        QCOMPARE(bar->pageStep(), 10);
        QCOMPARE(bar->singleStep(), 1);
        QCOMPARE(find<NumberField>(fieldNames[i])->tag(), barTags[i]);
        QVERIFY(!find(fieldNames[i])->isEnabled());
    }
    for (int element = 0; element < SchemeElementCount; ++element) {
        QCOMPARE(find<BevelPanel>(pageParts[element].swatch)->tag(), element);
        if (const char *label = pageParts[element].label)
            QCOMPARE(find<ClickableControl>(label)->tag(), element);
    }

    auto *tagTypes = find<RadioGroup>("MakeType");
    QCOMPARE(tagTypes->columns(), 2);
    // Columns 140 wide from 8 and 148; rows of 14 from 14.
    QCOMPARE(tagTypes->button(0)->geometry(), QRect(8, 14, 140, 14));
    QCOMPARE(tagTypes->button(3)->geometry(), QRect(8, 56, 140, 14));
    QCOMPARE(tagTypes->button(4)->geometry(), QRect(148, 14, 140, 14));
    QCOMPARE(tagTypes->button(6)->geometry(), QRect(148, 42, 140, 14));
}

void TestCMapTool::tabOrder()
{
    QCOMPARE(QApplication::focusWidget(), find("BarR"));
    const QStringList expected = {
        QStringLiteral("BarG"),       QStringLiteral("BarB"),    QStringLiteral("BarH"),
        QStringLiteral("BarS"),       QStringLiteral("BarL"),    QStringLiteral("Button3"),
        QStringLiteral("<BODY ...>"), QStringLiteral("BitBtn1"), QStringLiteral("ColorList"),
        QStringLiteral("ColorCube"),  QStringLiteral("BarR")};
    for (const QString &next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *focus = QApplication::focusWidget();
        const auto *radio = qobject_cast<QAbstractButton *>(focus);
        QCOMPARE(radio && radio->parent() == find("MakeType") ? radio->text() : focus->objectName(),
                 next);
    }
}

void TestCMapTool::tagTypeGroupEnteredAtSelectedItem_data()
{
    QTest::addColumn<int>("selected");
    QTest::addColumn<bool>("backwards");
    QTest::newRow("first item, Tab") << 0 << false;
    QTest::newRow("first item, Shift+Tab") << 0 << true;
    QTest::newRow("fourth item, Tab") << 3 << false;
    QTest::newRow("fourth item, Shift+Tab") << 3 << true;
}

void TestCMapTool::tagTypeGroupEnteredAtSelectedItem()
{
    QFETCH(int, selected);
    QFETCH(bool, backwards);
    auto *tagTypes = find<RadioGroup>("MakeType");
    if (selected != 0)
        click(tagTypes->button(selected));
    // From the red slider: seven stops forward (six bars, the copy button)
    // or four back (grid, list, close button).
    find("BarR")->setFocus();
    for (int stop = 0; stop < (backwards ? 4 : 7); ++stop)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab,
                        backwards ? Qt::ShiftModifier : Qt::NoModifier);
    QCOMPARE(QApplication::focusWidget(), tagTypes->button(selected));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(tagTypes->itemIndex(), selected);
}

void TestCMapTool::startUpState()
{
    verifyShows(ExpectedState{});
    QCOMPARE(find<OpaqueLabel>("HexName")->text(), QStringLiteral("COLOR = #C0C0C0"));
    QCOMPARE(find<QComboBox>("ColorList")->count(), 140);
    QCOMPARE(find<QComboBox>("ColorList")->itemText(67), QStringLiteral("lightgreen"));
    QCOMPARE(find<QComboBox>("ColorList")->itemText(68), QStringLiteral("lightgray"));
    QCOMPARE(find<RadioGroup>("MakeType")->itemIndex(), 0);
    QVERIFY(find("MakeType")->toolTip().isEmpty());
    QCOMPARE(find<ColorGrid>("ColorCube")->currentColumn(), 0);
    QCOMPARE(find<ColorGrid>("ColorCube")->currentRow(), 0);
}

void TestCMapTool::startUpPixels()
{
    const QImage shot = onScreen(clientArea());
    // Swatch centres: P_Back at (7,7,25,20) etc.
    const QPoint swatchCentres[] = {{19, 17}, {19, 37}, {19, 57}, {19, 77}, {19, 97}, {19, 135}};
    for (int element = 0; element < 6; ++element)
        QCOMPARE(html(pixel(shot, swatchCentres[element])),
                 html(DefaultScheme[std::size_t(element)]));
    QCOMPARE(html(pixel(shot, {108, 115})), html(DefaultScheme[ElementRule]));
    // The rule keeps its lowered bevel: dark above, light below.
    const QPalette &colours = find("P_Line")->palette();
    QCOMPARE(html(pixel(shot, {108, 112})), html(FromQColor(colours.color(QPalette::Dark))));
    QCOMPARE(html(pixel(shot, {108, 117})), html(FromQColor(colours.color(QPalette::Light))));
    QCOMPARE(html(pixel(shot, {192, 140})), html(DefaultScheme[ElementBackground]));
    QCOMPARE(html(pixel(shot, {54, 129})), html(DefaultScheme[ElementTable]));
    QCOMPARE(html(pixel(shot, {492, 36})), QStringLiteral("C00000"));
    QCOMPARE(html(pixel(shot, {492, 56})), QStringLiteral("00C000"));
    QCOMPARE(html(pixel(shot, {492, 76})), QStringLiteral("0000C0"));

    // Every grid cell shows its own colour edge to edge, lines between them.
    auto *grid = find<ColorGrid>("ColorCube");
    const QPoint origin = grid->mapTo(clientArea(), QPoint());
    for (int row = 0; row < 14; ++row) {
        for (int column = 0; column < 16; ++column) {
            const QRect cell = grid->cellRect(column, row).translated(origin);
            const QString expected = html(CubeCellColor(column, row, 16));
            QCOMPARE(html(pixel(shot, cell.center())), expected);
            QCOMPARE(html(pixel(shot, cell.topLeft())), expected);
            QCOMPARE(html(pixel(shot, cell.bottomRight())), expected);
            QCOMPARE(html(pixel(shot, cell.bottomRight() + QPoint(1, 1))),
                     QStringLiteral("C0C0C0"));
        }
    }
}

void TestCMapTool::textsSitInTheirPlaces_data()
{
    QTest::addColumn<QRect>("box"); // where the text is placed, in the control
    QTest::addColumn<int>("alignment");
    QTest::newRow("MsgPanel") << QRect(2, 2, 208, 16) << int(Qt::AlignCenter);
    QTest::newRow("TableColor") << QRect(4, 4, 121, 17) << int(Qt::AlignCenter);
    QTest::newRow("ColG") << QRect(2, 1, 31, 16) << int(Qt::AlignLeft | Qt::AlignVCenter);
    QTest::newRow("C_Back") << QRect(0, 0, 200, 20) << int(Qt::AlignHCenter | Qt::AlignTop);
    QTest::newRow("C_Link") << QRect(0, 0, 200, 20) << int(Qt::AlignHCenter | Qt::AlignTop);
}

// Where a text's line stands on the screen, found from its ink against the
// ink of the same text drawn at a known place: its margins in its box must be
// those its alignment gives.
void TestCMapTool::textsSitInTheirPlaces()
{
    QFETCH(QRect, box);
    QFETCH(int, alignment);
    QWidget *control = find(QTest::currentDataTag());
    const bool panel = qobject_cast<BevelPanel *>(control);
    const QString text = control->property(panel ? "caption" : "text").toString();
    const QFontMetrics metrics(control->font());
    QImage alone(metrics.horizontalAdvance(text) + 8, metrics.height() + 8, QImage::Format_RGB32);
    alone.fill(Qt::white);
    QPainter painter(&alone);
    painter.setFont(control->font());
    painter.drawText(QPoint(0, metrics.ascent()), text);
    painter.end();
    // Where a swatch covers the left end of a caption label, it is not the text.
    const QRect shown = inkBounds(onScreen(control), control->visibleRegion() & box);
    const QPoint line = shown.topLeft() - inkBounds(alone, alone.rect()).topLeft();
    const QMargins margins(line.x() - box.left(), line.y() - box.top(),
                           box.right() + 1 - line.x() - metrics.horizontalAdvance(text),
                           box.bottom() + 1 - line.y() - metrics.height());
    // Top or left: no margin; centred: the same margin either side, give or
    // take a pixel.
    const int vertical =
        alignment & Qt::AlignTop ? margins.top() : margins.top() - margins.bottom();
    const int across =
        alignment & Qt::AlignLeft ? margins.left() : margins.left() - margins.right();
    QVERIFY2(std::abs(vertical) <= 1 && std::abs(across) <= 1,
             qPrintable(QDebug::toString(margins)));
}

void TestCMapTool::elementControlsSelect_data()
{
    QTest::addColumn<int>("element");
    QTest::addColumn<QString>("status");
    const int elements[] = {0, 1, 2, 3, 4, 0, 1, 2, 3, 4, 5, 5, 6};
    for (std::size_t i = 0; i < std::size(elementControls); ++i)
        QTest::newRow(elementControls[i])
            << elements[i] << QString::fromUtf8(pageParts[elements[i]].status);
}

void TestCMapTool::elementControlsSelect()
{
    QFETCH(int, element);
    QFETCH(QString, status);
    click(find(QTest::currentDataTag()));
    ExpectedState expected;
    expected.select(element);
    verifyShows(expected);
    QCOMPARE(find<BevelPanel>("MsgPanel")->caption(), status);
}

void TestCMapTool::inertPlacesChangeNothing_data()
{
    QTest::addColumn<QPoint>("where"); // in the client area
    QTest::newRow("preview below the rule") << QPoint(192, 140);
    QTest::newRow("status line") << QPoint(100, 163);
    QTest::newRow("hex readout") << QPoint(300, 192);
    QTest::newRow("channel square") << QPoint(492, 36);
    QTest::newRow("number field") << QPoint(454, 35);
    QTest::newRow("group caption") << QPoint(240, 10);
}

void TestCMapTool::inertPlacesChangeNothing()
{
    QFETCH(QPoint, where);
    click(find("P_Text"));
    QWidget *target = clientArea()->childAt(where);
    QVERIFY(target);
    click(target, target->mapFrom(clientArea(), where));
    ExpectedState expected;
    expected.select(ElementText);
    verifyShows(expected);
}

void TestCMapTool::pressOnSwatchReleasedOutsideSelectsNothing()
{
    auto *swatch = find("P_Link");
    QTest::mousePress(swatch, Qt::LeftButton, {}, swatch->rect().center());
    QTest::mouseRelease(swatch, Qt::LeftButton, {}, swatch->rect().bottomRight() + QPoint(30, 30));
    verifyShows(ExpectedState{});
}

void TestCMapTool::rgbBarMovesAllHslBars()
{
    click(find("P_Link")); // #CC00CC
    auto *red = find<SliderBar>("BarR");
    red->setFocus();
    QTest::keyClick(red, Qt::Key_Left); // Left lowers
    ExpectedState expected;
    expected.select(ElementLink);
    expected.take(MakeColor(0xCB, 0x00, 0xCC));
    verifyShows(expected);
    QCOMPARE(find<NumberField>("ColR")->text(), QStringLiteral("203"));
    QCOMPARE(find<SliderBar>("BarH")->value(), 299); // was 300: the HSL bars follow
}

void TestCMapTool::hslBarLeavesOtherHslBars()
{
    click(find("P_Visit")); // #88CC88: hue 120, saturation 102, lightness 170
    auto *hue = find<SliderBar>("BarH");
    hue->setFocus();
    QTest::keyClick(hue, Qt::Key_End);
    ExpectedState expected;
    expected.select(ElementVisitedLink);
    const PackedHsl userSet = MakeHsl(359, SaturationOf(expected.hsl), LightnessOf(expected.hsl));
    expected.take(HslToRgb(userSet));
    expected.hsl = userSet; // the HSL bars keep what the user set
    verifyShows(expected);
    QCOMPARE(find<SliderBar>("BarS")->value(), SaturationOf(userSet));
    QCOMPARE(find<SliderBar>("BarL")->value(), LightnessOf(userSet));
}

void TestCMapTool::thumbDragFollowsLive()
{
    auto *green = find<SliderBar>("BarG");
    const QRect thumb = thumbRect(green);
    QSignalSpy moves(green, &QScrollBar::valueChanged);
    QTest::mousePress(green, Qt::LeftButton, {}, thumb.center());
    QStringList seen;
    for (int dx = -10; dx >= -40; dx -= 10) {
        QTest::mouseMove(green, thumb.center() + QPoint(dx, 0));
        seen << find<OpaqueLabel>("HexName")->text();
        QCOMPARE(pixel(onScreen(find("P_Back")), {12, 10}), m_window->currentColor());
    }
    const int changes = int(moves.count());
    QTest::mouseRelease(green, Qt::LeftButton, {}, thumb.center() + QPoint(-40, 0));
    QCOMPARE(moves.count(), changes); // the release changes nothing more
    QCOMPARE(changes, 4);
    seen.removeDuplicates();
    QCOMPARE(seen.size(), 4); // the readout followed every step of the drag
    QVERIFY(green->value() < 192);
}

// A held click in the trough steps by 10 towards the pointer: at once, again
// after 500 ms, then every 50 ms, until the thumb is under the pointer. A
// busy machine makes timers late, never more than 5 % early: no step may come
// before its time, and in one of three tries they must come on time.
void TestCMapTool::heldClickInTroughStepsUpToPointer()
{
    auto *bar = find<SliderBar>("BarR");
    const QPoint pointer(bar->width() / 2, bar->height() / 2); // about 101
    QElapsedTimer clock;
    QList<qint64> times; // of the steps, in ms after the press
    connect(bar, &QScrollBar::valueChanged, bar, [&] { times.append(clock.elapsed()); });
    bool onTime = false;
    for (int attempt = 0; attempt < 3 && !onTime; ++attempt) {
        bar->setFocus();
        QTest::keyClick(bar, Qt::Key_Home);
        QSignalSpy values(bar, &QScrollBar::valueChanged);
        times.clear();
        clock.start();
        QTest::mousePress(bar, Qt::LeftButton, {}, pointer);
        QCOMPARE(values.count(), 1);
        QTRY_VERIFY_WITH_TIMEOUT(thumbRect(bar).contains(pointer), 5000);
        QTest::qWait(300); // held on: nothing moves once the thumb is under the pointer
        QTest::mouseRelease(bar, Qt::LeftButton, {}, pointer);
        QVERIFY(values.count() > 4);
        for (int step = 0; step < values.count(); ++step) {
            QCOMPARE(values[step][0].toInt(), 10 * (step + 1));
            QVERIFY2(step == 0 || times[step] >= (500 + 50 * (step - 1)) * 95 / 100,
                     qPrintable(QStringLiteral("step %1 after %2 ms").arg(step).arg(times[step])));
        }
        onTime = times[1] < 700 && times.last() - times[1] < 75 * (times.size() - 2);
    }
    QVERIFY2(onTime, "the steps came late in every try");
}

void TestCMapTool::backgroundCaptionTakesInverse()
{
    auto *caption = find<OpaqueLabel>("C_Back");
    QCOMPARE(html(caption->fontColor()), QStringLiteral("3F3F3F"));
    click(find("ColorCube"), find<ColorGrid>("ColorCube")->cellRect(7, 13).center()); // black
    QCOMPARE(html(caption->fontColor()), QStringLiteral("FFFFFF"));
    QCOMPARE(html(find<BevelPanel>("BackColor")->color()), QStringLiteral("000000"));
    click(find("ColorCube"), find<ColorGrid>("ColorCube")->cellRect(0, 0).center()); // white
    QCOMPARE(html(caption->fontColor()), QStringLiteral("000000"));
    // The caption labels show the preview's colour behind their text.
    QCOMPARE(pixel(onScreen(caption), {198, 2}), MakeColor(255, 255, 255));
}

void TestCMapTool::textColourAlsoColoursTableSample()
{
    click(find("C_Text"));
    click(find("ColorCube"), find<ColorGrid>("ColorCube")->cellRect(3, 2).center()); // red
    QCOMPARE(html(find<OpaqueLabel>("C_Text")->fontColor()), QStringLiteral("FF0000"));
    QCOMPARE(html(find<BevelPanel>("TableColor")->fontColor()), QStringLiteral("FF0000"));
    QCOMPARE(html(find<BevelPanel>("TableColor")->color()), QStringLiteral("777777"));
}

void TestCMapTool::greysHaveNoHueOrSaturation()
{
    click(find("P_Link"));
    auto *hue = find<SliderBar>("BarH");
    hue->setFocus();
    QTest::keyClick(hue, Qt::Key_PageDown); // hue 310
    click(find("P_Table"));                 // #777777
    QCOMPARE(find<SliderBar>("BarH")->value(), 0);
    QCOMPARE(find<SliderBar>("BarS")->value(), 0);
    QCOMPARE(find<SliderBar>("BarL")->value(), 0x77);
}

void TestCMapTool::cubeCellsSelectNamedColours_data()
{
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("name"); // empty: the list is blank
    QTest::newRow("white") << 0 << 0 << QStringLiteral("white");
    QTest::newRow("white again") << 8 << 13 << QStringLiteral("white");
    QTest::newRow("unnamed FFFFCC") << 1 << 0 << QString();
    QTest::newRow("yellow") << 5 << 0 << QStringLiteral("yellow");
    QTest::newRow("yellow again") << 13 << 13 << QStringLiteral("yellow");
    QTest::newRow("fuchsia") << 14 << 1 << QStringLiteral("fuchsia");
    QTest::newRow("red") << 3 << 2 << QStringLiteral("red");
    QTest::newRow("aqua") << 4 << 11 << QStringLiteral("aqua");
    QTest::newRow("lime") << 9 << 11 << QStringLiteral("lime");
    QTest::newRow("blue") << 2 << 13 << QStringLiteral("blue");
    QTest::newRow("black") << 7 << 13 << QStringLiteral("black");
    QTest::newRow("unnamed 336699") << 0 << 10 << QString();
}

void TestCMapTool::cubeCellsSelectNamedColours()
{
    QFETCH(int, column);
    QFETCH(int, row);
    QFETCH(QString, name);
    auto *grid = find<ColorGrid>("ColorCube");
    click(grid, grid->cellRect(column, row).center());
    QCOMPARE(m_window->currentColor(), CubeCellColor(column, row, 16));
    auto *list = find<QComboBox>("ColorList");
    QCOMPARE(list->currentIndex() < 0 ? QString() : list->currentText(), name);
}

void TestCMapTool::cubeShiftClickPicksPreviousCell()
{
    auto *grid = find<ColorGrid>("ColorCube");
    click(grid, grid->cellRect(3, 2).center());
    click(grid, grid->cellRect(10, 5).center(), Qt::ShiftModifier);
    QCOMPARE(grid->currentColumn(), 3);
    QCOMPARE(grid->currentRow(), 2);
    QCOMPARE(m_window->currentColor(), CubeCellColor(3, 2, 16));
}

void TestCMapTool::cubePressDragReleasePicksPressedCell()
{
    auto *grid = find<ColorGrid>("ColorCube");
    QTest::mousePress(grid, Qt::LeftButton, {}, grid->cellRect(2, 3).center());
    QCOMPARE(m_window->currentColor(), DefaultScheme[0]); // the press alone picks nothing
    QTest::mouseMove(grid, grid->cellRect(9, 9).center());
    QTest::mouseRelease(grid, Qt::LeftButton, {}, grid->cellRect(9, 9).center());
    QCOMPARE(m_window->currentColor(), CubeCellColor(2, 3, 16));
    // Nothing shows the dragged range: the cells in between keep their colours.
    const QImage shot = onScreen(grid);
    QCOMPARE(pixel(shot, grid->cellRect(5, 6).center()), CubeCellColor(5, 6, 16));
}

void TestCMapTool::cubeKeysPickAndStopAtEdges_data()
{
    QTest::addColumn<int>("keypad");
    QTest::newRow("main keys") << int(Qt::NoModifier);
    QTest::newRow("keypad") << int(Qt::KeypadModifier);
}

void TestCMapTool::cubeKeysPickAndStopAtEdges()
{
    QFETCH(int, keypad);
    auto *grid = find<ColorGrid>("ColorCube");
    grid->setFocus();
    QSignalSpy picks(grid, &ColorGrid::picked);
    const struct
    {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int column, row;
        bool picks;
    } steps[] = {
        {Qt::Key_Left, {}, 0, 0, false},
        {Qt::Key_Up, {}, 0, 0, false},
        {Qt::Key_Right, {}, 1, 0, true},
        {Qt::Key_Down, {}, 1, 1, true},
        {Qt::Key_End, {}, 15, 1, true},
        {Qt::Key_Right, {}, 15, 1, false},
        {Qt::Key_PageDown, {}, 15, 13, true},
        {Qt::Key_Down, {}, 15, 13, false},
        {Qt::Key_Home, {}, 0, 13, true},
        {Qt::Key_PageUp, {}, 0, 0, true},
        {Qt::Key_End, Qt::ControlModifier, 15, 13, true},
        {Qt::Key_Home, Qt::ControlModifier, 0, 0, true},
        {Qt::Key_Right, Qt::ShiftModifier, 1, 0, true},
    };
    TColor expected = DefaultScheme[0];
    for (const auto &step : steps) {
        const qsizetype before = picks.count();
        QTest::keyClick(grid, step.key, step.modifiers | Qt::KeyboardModifier(keypad));
        QCOMPARE(grid->currentColumn(), step.column);
        QCOMPARE(grid->currentRow(), step.row);
        QCOMPARE(picks.count(), before + (step.picks ? 1 : 0));
        if (step.picks)
            expected = CubeCellColor(step.column, step.row, 16);
        QCOMPARE(m_window->currentColor(), expected);
    }
}

void TestCMapTool::cubeDoubleClickPicksOnce()
{
    auto *grid = find<ColorGrid>("ColorCube");
    QSignalSpy picks(grid, &ColorGrid::picked);
    doubleClick(grid, grid->cellRect(4, 4).center());
    QCOMPARE(picks.count(), 1);
    QCOMPARE(m_window->currentColor(), CubeCellColor(4, 4, 16));
}

void TestCMapTool::cubeShowsFocusMark()
{
    auto *grid = find<ColorGrid>("ColorCube");
    const QRect cell = grid->cellRect(0, 0);
    QCOMPARE(pixel(onScreen(grid), cell.topLeft()), MakeColor(255, 255, 255));
    QTest::keyClick(find("BarR"), Qt::Key_Backtab); // focus by the keyboard
    QCOMPARE(QApplication::focusWidget(), grid);
    const QImage shot = onScreen(grid);
    QCOMPARE(pixel(shot, cell.topLeft()), MakeColor(0, 0, 0)); // inverted white
    QCOMPARE(pixel(shot, cell.center()), MakeColor(255, 255, 255));
    QCOMPARE(m_window->currentColor(), DefaultScheme[0]); // focus alone picks nothing
}

void TestCMapTool::listSharedValuesSelectFirstEntry_data()
{
    QTest::addColumn<int>("chosen");
    QTest::addColumn<int>("selected");
    QTest::newRow("cyan leaves aqua") << 20 << 2;
    QTest::newRow("magenta leaves fuchsia") << 79 << 45;
    QTest::newRow("silver") << 122 << 122;
    QTest::newRow("last entry") << 139 << 139;
    QTest::newRow("longest name") << 66 << 66;
}

void TestCMapTool::listSharedValuesSelectFirstEntry()
{
    QFETCH(int, chosen);
    QFETCH(int, selected);
    auto *list = find<NamedColorCombo>("ColorList");
    QSignalSpy changes(list, &NamedColorCombo::picked);
    chooseFromDroppedList(list, chosen);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(m_window->currentColor(), NamedColors()[std::size_t(chosen)].color);
    QCOMPARE(list->currentIndex(), selected);
    // Choosing the selected entry again changes nothing.
    chooseFromDroppedList(list, selected);
    QCOMPARE(changes.count(), 1);
}

void TestCMapTool::listFindsFirstEntryByValue_data()
{
    QTest::addColumn<uint>("color");
    QTest::addColumn<int>("index");
    QTest::newRow("aqua, never cyan") << MakeColor(0x00, 0xFF, 0xFF) << 2;
    QTest::newRow("fuchsia, never magenta") << MakeColor(0xFF, 0x00, 0xFF) << 45;
    QTest::newRow("silver") << MakeColor(0xC0, 0xC0, 0xC0) << 122;
    QTest::newRow("white") << MakeColor(0xFF, 0xFF, 0xFF) << 136;
    QTest::newRow("unnamed") << MakeColor(0xCC, 0x00, 0xCC) << -1;
    QTest::newRow("top byte counts") << (MakeColor(0xC0, 0xC0, 0xC0) | 0x01000000u) << -1;
}

// The lookup the window selects named colours with, on the list as the
// window filled it.
void TestCMapTool::listFindsFirstEntryByValue()
{
    QFETCH(uint, color);
    QFETCH(int, index);
    QCOMPARE(find<NamedColorCombo>("ColorList")->findColor(color), index);
}

void TestCMapTool::listArrowsInDroppedListPreviewEachStep()
{
    auto *list = find<NamedColorCombo>("ColorList");
    chooseFromDroppedList(list, 10);
    QSignalSpy changes(list, &NamedColorCombo::picked);
    list->showPopup();
    QAbstractItemView *view = list->view();
    for (const int expected : {11, 12, 13}) {
        QTest::keyClick(view, Qt::Key_Down);
        QCOMPARE(list->currentIndex(), expected);
        QCOMPARE(m_window->currentColor(), NamedColors()[std::size_t(expected)].color);
    }
    QTest::keyClick(view, Qt::Key_Up);
    QCOMPARE(m_window->currentColor(), NamedColors()[12].color);
    QCOMPARE(changes.count(), 4);
    // Hovering over another entry previews nothing.
    QTest::mouseMove(view->viewport(), view->visualRect(list->model()->index(15, 0)).center());
    QCOMPARE(m_window->currentColor(), NamedColors()[12].color);
    QTest::keyClick(view, Qt::Key_Escape);
    QCOMPARE(changes.count(), 4);

    // In the closed field each step is a choice too.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(m_window->currentColor(), NamedColors()[13].color);
    QCOMPARE(changes.count(), 5);
}

void TestCMapTool::droppedListFromBlankSelection_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("entry");
    QTest::newRow("Home") << int(Qt::Key_Home) << 0;
    QTest::newRow("Down") << int(Qt::Key_Down) << 0;
    QTest::newRow("End") << int(Qt::Key_End) << 139;
}

void TestCMapTool::droppedListFromBlankSelection()
{
    QFETCH(int, key);
    QFETCH(int, entry);
    auto *list = find<NamedColorCombo>("ColorList");
    QCOMPARE(list->currentIndex(), -1); // nothing is selected at start-up
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down, Qt::AltModifier); // drops the list
    QTRY_VERIFY(list->view()->isVisible());
    QTest::keyClick(list->view(), Qt::Key(key));
    QCOMPARE(list->currentIndex(), entry);
    QCOMPARE(html(m_window->currentColor()), html(NamedColors()[std::size_t(entry)].color));
    if (entry == 0) { // and the next step the next entry
        QTest::keyClick(list->view(), Qt::Key_Down);
        QCOMPARE(html(m_window->currentColor()), html(NamedColors()[1].color));
    }
}

void TestCMapTool::listItemDrawing()
{
    auto *list = find<NamedColorCombo>("ColorList");
    chooseFromDroppedList(list, 113); // red
    list->setFocus();
    const QImage field = onScreen(list);
    const QStyleOptionComboBox option = [list] {
        QStyleOptionComboBox o;
        o.initFrom(list);
        return o;
    }();
    const QRect edit = list->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                     QStyle::SC_ComboBoxEditField, list);
    // The swatch keeps the entry's colour; the highlight lies behind the name only.
    QCOMPARE(html(pixel(field, edit.topLeft() + QPoint(5, edit.height() / 2))),
             QStringLiteral("FF0000"));
    const QColor highlight = list->palette().color(QPalette::Highlight);
    QCOMPARE(field.pixelColor(edit.topRight() + QPoint(-2, 1)), highlight);
    // The closed field draws its item at the items' height: a swatch of 12 x 13.
    QRect swatch;
    for (int y = 0; y < field.height(); ++y)
        for (int x = 0; x < field.width(); ++x)
            if (field.pixel(x, y) == qRgb(255, 0, 0))
                swatch |= QRect(x, y, 1, 1);
    QCOMPARE(swatch.size(), QSize(12, 13));

    list->showPopup();
    QAbstractItemView *view = list->view();
    QCOMPARE(view->visualRect(list->model()->index(0, 0)).height(), 13);
    QCOMPARE(view->viewport()->height(), 8 * 13);
    list->hidePopup();
}

void TestCMapTool::randomUserSessionsKeepWindowInStep()
{
    // Long random sequences of real user actions, each checked against a
    // model of what the window must show. Any lost update, or any handler
    // running because code set a control, shows up as a mismatch or as an
    // extra change signal.
    QRandomGenerator random(20261208);
    ExpectedState expected;
    auto *grid = find<ColorGrid>("ColorCube");
    auto *list = find<NamedColorCombo>("ColorList");
    auto *tagTypes = find<RadioGroup>("MakeType");
    QList<QSignalSpy *> barSpies;
    for (const char *name : barNames)
        barSpies << new QSignalSpy(find<SliderBar>(name), &QScrollBar::valueChanged);
    QSignalSpy listChanges(list, &NamedColorCombo::picked);
    // The arrow, Home, End and Page keys come from either key block.
    const auto keypad = [&random] {
        return random.bounded(2) ? Qt::KeypadModifier : Qt::NoModifier;
    };
    const auto barChanges = [&] {
        qsizetype total = 0;
        for (QSignalSpy *spy : barSpies) {
            total += spy->count();
            spy->clear();
        }
        return total;
    };

    for (int step = 0; step < 400; ++step) {
        int expectedBarChanges = 0;
        int expectedListChanges = 0;
        const int action = random.bounded(7);
        if (action == 0) { // a page part, by a click on one of its controls or by its key
            const char *name = elementControls[random.bounded(int(std::size(elementControls)))];
            const int element = find<ClickableControl>(name)->tag();
            if (random.bounded(2))
                click(find(name));
            else
                QTest::keyClick(m_window.get(), Qt::Key(Qt::Key_1 + element),
                                Qt::ControlModifier | keypad());
            expected.select(element);
        } else if (action == 1) {
            const int column = random.bounded(16), row = random.bounded(14);
            click(grid, grid->cellRect(column, row).center());
            expected.take(CubeCellColor(column, row, 16));
        } else if (action == 2) {
            grid->setFocus();
            const Qt::Key keys[] = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up, Qt::Key_Down};
            const int column = grid->currentColumn(), row = grid->currentRow();
            const Qt::Key key = keys[random.bounded(4)];
            QTest::keyClick(grid, key, keypad());
            const int newColumn =
                std::clamp(column + (key == Qt::Key_Right) - (key == Qt::Key_Left), 0, 15);
            const int newRow = std::clamp(row + (key == Qt::Key_Down) - (key == Qt::Key_Up), 0, 13);
            if (newColumn != column || newRow != row)
                expected.take(CubeCellColor(newColumn, newRow, 16));
        } else if (action == 3) {
            const int index = random.bounded(140);
            const bool changes = index != list->currentIndex();
            chooseFromDroppedList(list, index);
            if (changes) {
                expected.take(NamedColors()[std::size_t(index)].color);
                expectedListChanges = 1;
            }
        } else if (action == 4) {
            list->setFocus();
            const bool down = random.bounded(2) == 0;
            const int index = list->currentIndex() + (down ? 1 : -1);
            QTest::keyClick(list, down ? Qt::Key_Down : Qt::Key_Up, keypad());
            if (index >= 0 && index < 140) {
                expected.take(NamedColors()[std::size_t(index)].color);
                expectedListChanges = 1;
            }
        } else if (action == 5) {
            const int bar = random.bounded(6);
            auto *slider = find<SliderBar>(barNames[bar]);
            slider->setFocus();
            const struct
            {
                Qt::Key key;
                int delta;
            } keys[] = {{Qt::Key_Left, -1},     {Qt::Key_Right, 1},    {Qt::Key_PageUp, -10},
                        {Qt::Key_PageDown, 10}, {Qt::Key_Home, -1000}, {Qt::Key_End, 1000}};
            const auto &key = keys[random.bounded(6)];
            const int value = std::clamp(slider->value() + key.delta, 0, slider->maximum());
            const bool changes = value != slider->value();
            QTest::keyClick(slider, key.key, keypad());
            if (changes) {
                expectedBarChanges = 1;
                if (bar < 3) {
                    TColor color = expected.color;
                    const int shift = 8 * bar;
                    color = (color & ~(0xFFu << shift)) | TColor(value) << shift;
                    expected.take(color);
                } else {
                    int hsl[3] = {HueOf(expected.hsl), SaturationOf(expected.hsl),
                                  LightnessOf(expected.hsl)};
                    hsl[bar - 3] = value;
                    const PackedHsl userSet = MakeHsl(hsl[0], hsl[1], hsl[2]);
                    expected.take(HslToRgb(userSet));
                    expected.hsl = userSet;
                }
            }
        } else {
            const int item = random.bounded(TagTypeCount);
            const bool changes = item != tagTypes->itemIndex();
            click(tagTypes->button(item));
            const int moves[] = {-1,          ElementText,       ElementRule, ElementTable,
                                 ElementText, ElementBackground, -1};
            if (changes && moves[item] >= 0)
                expected.select(moves[item]);
            QCOMPARE(tagTypes->toolTip().isEmpty(), item != 2);
        }
        QCOMPARE(barChanges(), qsizetype(expectedBarChanges));
        QCOMPARE(listChanges.count(), qsizetype(expectedListChanges));
        listChanges.clear();
        verifyShows(expected);
        if (QTest::currentTestFailed()) {
            qWarning("diverged at step %d (action %d)", step, action);
            break;
        }
    }
    qDeleteAll(barSpies);
}

void TestCMapTool::pasteRestoresWhatEachCopyCarries()
{
    // For random schemes and every text the copy commands make: copy it,
    // paint another random scheme, edit a random part, paste (all by keys).
    // The colours the text carries come back exactly (the hex text's one to
    // the part being edited), the other parts keep theirs, and the part being
    // edited stays, shown as a click on its swatch shows it. A fault in
    // writing any of the texts, or in reading one back, shows up here; so
    // does a paste that changes anything when the text is no colour.
    QRandomGenerator random(20261209);
    const auto randomScheme = [&random] {
        std::array<TColor, SchemeElementCount> scheme{};
        for (TColor &color : scheme)
            color = random.bounded(0x1000000u);
        return scheme;
    };
    const auto paint = [this](const auto &scheme) {
        PartialScheme parts;
        std::copy(scheme.begin(), scheme.end(), parts.begin());
        m_window->setSchemeColors(parts);
    };
    // The parts each text carries: the seven tag types, then the style sheet.
    const std::vector<int> carried[] = {
        {ElementBackground, ElementText, ElementLink, ElementVisitedLink, ElementClickedLink},
        {ElementText},
        {ElementRule},
        {ElementTable},
        {ElementText},
        {ElementBackground},
        {}, // the hex text
        {0, 1, 2, 3, 4, 5, 6}};
    const int styleSheet = TagTypeCount;
    const int moves[] = {-1,          ElementText,       ElementRule, ElementTable,
                         ElementText, ElementBackground, -1};
    auto *tagTypes = find<RadioGroup>("MakeType");
    ExpectedState expected;
    for (int round = 0; round < 24; ++round) {
        for (int text = 0; text <= styleSheet; ++text) {
            const auto copied = randomScheme();
            paint(copied);
            expected.scheme = copied;
            expected.select(expected.element);
            if (text == styleSheet) {
                QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
            } else {
                const bool changes = text != tagTypes->itemIndex();
                click(tagTypes->button(text));
                if (changes && moves[text] >= 0)
                    expected.select(moves[text]);
                QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);
            }
            const QString copiedText = QGuiApplication::clipboard()->text();

            const auto other = randomScheme();
            paint(other);
            expected.scheme = other;
            const char *name = elementControls[random.bounded(int(std::size(elementControls)))];
            click(find(name));
            expected.select(find<ClickableControl>(name)->tag());

            QTest::keyClick(m_window.get(), Qt::Key_V, Qt::ControlModifier);
            for (const int part : carried[text])
                expected.scheme[std::size_t(part)] = copied[std::size_t(part)];
            expected.select(expected.element);
            if (text == int(TagType::Hex))
                expected.take(copied[ElementBackground]);
            verifyShows(expected);
            if (QTest::currentTestFailed()) {
                qWarning("round %d, text %d: %s", round, text, qPrintable(copiedText));
                return;
            }

            QGuiApplication::clipboard()->setText(QStringLiteral("no colour at all"));
            QTest::keyClick(m_window.get(), Qt::Key_V, Qt::ControlModifier);
            verifyShows(expected);
            if (QTest::currentTestFailed())
                return;
        }
    }
}

// Checks the whole visible state of the window against `expected`.
void TestCMapTool::verifyShows(const ExpectedState &expected)
{
    QCOMPARE(m_window->currentElement(), expected.element);
    QCOMPARE(html(m_window->currentColor()), html(expected.color));

    const int rgb[3] = {RedOf(expected.color), GreenOf(expected.color), BlueOf(expected.color)};
    const int hsl[3] = {HueOf(expected.hsl), SaturationOf(expected.hsl), LightnessOf(expected.hsl)};
    for (int i = 0; i < 6; ++i) {
        const int value = i < 3 ? rgb[i] : hsl[i - 3];
        QCOMPARE(find<SliderBar>(barNames[i])->value(), value);
        QCOMPARE(find<NumberField>(fieldNames[i])->text(), QString::number(value));
    }
    QCOMPARE(find<ClickableControl>("DispR")->color(), MakeColor(rgb[0], 0, 0));
    QCOMPARE(find<ClickableControl>("DispG")->color(), MakeColor(0, rgb[1], 0));
    QCOMPARE(find<ClickableControl>("DispB")->color(), MakeColor(0, 0, rgb[2]));
    QCOMPARE(find<OpaqueLabel>("HexName")->text(),
             QStringLiteral("COLOR = #") + html(expected.color));

    const auto &scheme = expected.scheme;
    for (int element = 0; element < SchemeElementCount; ++element) {
        const PagePart &part = pageParts[element];
        const TColor colour = scheme[std::size_t(element)];
        auto *swatch = find<BevelPanel>(part.swatch);
        QCOMPARE(html(swatch->color()), html(colour));
        if (part.colouredPanel)
            QCOMPARE(html(find<BevelPanel>(part.colouredPanel)->color()), html(colour));
        for (const char *text : part.colouredTexts)
            if (text)
                QCOMPARE(html(find<ClickableControl>(text)->fontColor()),
                         html(part.textsInverse ? InverseColor(colour) : colour));
        // The lowered bevel marks the part being edited; the rule keeps its own.
        QCOMPARE(swatch->bevelInner() == BevelStyle::Lowered,
                 element == expected.element || element == ElementRule);
    }
    for (const char *caption : {"C_Back", "C_Text", "C_Link", "C_Visit", "C_Click"})
        QCOMPARE(html(find<OpaqueLabel>(caption)->color()), html(scheme[0]));
    QCOMPARE(find<BevelPanel>("MsgPanel")->caption(),
             QString::fromUtf8(pageParts[expected.element].status));
    QCOMPARE(find<QComboBox>("ColorList")->currentIndex(), expected.namedIndex());

    // And the screen shows it: no control still shows what it showed before.
    const QImage shown = onScreen(clientArea());
    const QImage painted = clientArea()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(staleControl(shown, painted), QString());
}

// The control, and where, that the screen shows otherwise than it paints
// itself now; empty when there is none.
QString TestCMapTool::staleControl(const QImage &shown, const QImage &painted)
{
    for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x)
            if (shown.pixel(x, y) != painted.pixel(x, y))
                return QStringLiteral("%1 at %2,%3")
                    .arg(clientArea()->childAt(x, y)->objectName())
                    .arg(x)
                    .arg(y);
    return {};
}

QTEST_MAIN(TestCMapTool)
#include "tst_cmaptool.moc"
