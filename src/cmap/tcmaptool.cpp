#include "cmap/tcmaptool.h"

#include "cmap/clipboardreader.h"
#include "cmap/clipboardwriter.h"
#include "cmap/commandmenu.h"
#include "cmap/contrastcheck.h"
#include "controls/accessibility.h"
#include "controls/colorbridge.h"
#include "controls/textannouncement.h"
#include "cspace/colortables.h"
#include "pagetext/pastedcolors.h"
#include "pagetext/stylesheet.h"
#include "screenpick/screencolorpick.h"
#include "shell/errordisplay.h"
#include "shell/fixedsize.h"
#include "shell/screenplace.h"
#include "shell/uifonts.h"
#include "ui_tcmaptool.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QIcon>
#include <QPushButton>
#include <QShortcut>

#include <stdexcept>
#include <utility>

using namespace cSpace;

namespace {

// The status text while the rule is edited; it has no caption of its own.
const QString ruleElementName = QStringLiteral("分割線");

// Raised when the copy command cannot take over the clipboard.
const char clipboardError[] = "クリップボードを開くことができません";

QString decimal(int value)
{
    return QString::number(value);
}

// The toolkit's close picture. The style would first search the desktop's
// icon theme for it, which costs several milliseconds of start-up on X11;
// Qt's own picture, the one the style falls back to, is taken directly.
QIcon closePicture(const QStyle *style)
{
    const QString builtIn =
        QStringLiteral(":/qt-project.org/styles/commonstyle/images/standardbutton-close-16.png");
    return QFile::exists(builtIn) ? QIcon(builtIn)
                                  : style->standardIcon(QStyle::SP_DialogCloseButton);
}

} // namespace

TCMapTool::TCMapTool(QWidget *parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TCMapTool>()),
      m_clipboard(std::make_unique<SystemClipboard>()),
      m_clipboardReader(std::make_unique<SystemClipboardReader>())
{
    InstallAccessibility(); // before the controls exist
    ui->setupUi(this);
    m_parts = makePageParts();
    m_rgbRows = makeRgbRows();
    m_hslRows = makeHslRows();
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    applyFonts();
    raiseWindowedControls();
    ui->BitBtn1->setIcon(closePicture(style()));
    ui->BitBtn1->setIconSize(QSize(18, 18));

    // The tag type group takes its place in the focus chain between the two
    // buttons, at its selected item.
    QWidget::setTabOrder(ui->Button3, ui->MakeType->button(0));
    for (int item = 1; item < TagTypeCount; ++item)
        QWidget::setTabOrder(ui->MakeType->button(item - 1), ui->MakeType->button(item));
    QWidget::setTabOrder(ui->MakeType->button(TagTypeCount - 1), ui->BitBtn1);

    // The client area keeps its designed size below the menu bar.
    ui->ClientArea->setFixedSize(518, 334);
    setFixedSize(518, 334 + menuBar()->sizeHint().height());
    KeepFixedSize(this);
    PlaceOnScreen(this, QPoint(347, 127));

    FormCreate();
    bindEvents();
    bindElementKeys();
    bindCommands();
    nameControlsForScreenReaders();
    ui->BarR->setFocus();
}

TCMapTool::~TCMapTool() = default;

void TCMapTool::setClipboard(std::unique_ptr<ClipboardWriter> clipboard)
{
    m_clipboard = std::move(clipboard);
}

void TCMapTool::setClipboardReader(std::unique_ptr<ClipboardReader> clipboard)
{
    m_clipboardReader = std::move(clipboard);
}

SchemeColors TCMapTool::schemeColors() const
{
    SchemeColors colors{};
    const auto panels = swatches();
    for (std::size_t element = 0; element < panels.size(); ++element)
        colors[element] = panels[element]->color();
    return colors;
}

// The seven page parts, indexed by element. What the window calls a part is
// its caption or sample in the preview; the rule has neither, and a fixed name.
TCMapTool::PageParts TCMapTool::makePageParts() const
{
    PageParts parts;
    parts[ElementBackground] = {.swatch = ui->P_Back,
                                .caption = ui->C_Back,
                                .statusName = ui->C_Back->text(),
                                .colouredPanel = ui->BackColor,
                                .colouredTexts = {ui->C_Back},
                                .textsInverse = true}; // readable on the background
    parts[ElementText] = {.swatch = ui->P_Text,
                          .caption = ui->C_Text,
                          .statusName = ui->C_Text->text(),
                          .colouredTexts = {ui->C_Text, ui->TableColor}};
    parts[ElementLink] = {.swatch = ui->P_Link,
                          .caption = ui->C_Link,
                          .statusName = ui->C_Link->text(),
                          .colouredTexts = {ui->C_Link}};
    parts[ElementVisitedLink] = {.swatch = ui->P_Visit,
                                 .caption = ui->C_Visit,
                                 .statusName = ui->C_Visit->text(),
                                 .colouredTexts = {ui->C_Visit}};
    parts[ElementClickedLink] = {.swatch = ui->P_Click,
                                 .caption = ui->C_Click,
                                 .statusName = ui->C_Click->text(),
                                 .colouredTexts = {ui->C_Click}};
    parts[ElementTable] = {.swatch = ui->P_Table,
                           .sample = ui->TableColor,
                           .statusName = ui->TableColor->caption(),
                           .colouredPanel = ui->TableColor};
    parts[ElementRule] = {.swatch = ui->P_Line, .statusName = ruleElementName};
    return parts;
}

// The controls a person clicks to select the part: its caption or sample,
// and its swatch.
std::vector<ClickableControl *> TCMapTool::PagePart::controls() const
{
    std::vector<ClickableControl *> clickable;
    for (ClickableControl *control :
         {static_cast<ClickableControl *>(caption), static_cast<ClickableControl *>(sample),
          static_cast<ClickableControl *>(swatch)})
        if (control)
            clickable.push_back(control);
    return clickable;
}

TCMapTool::SliderGroup TCMapTool::makeRgbRows() const
{
    return {{{ui->Label1, ui->BarR, ui->ColR, ui->DispR},
             {ui->Label2, ui->BarG, ui->ColG, ui->DispG},
             {ui->Label3, ui->BarB, ui->ColB, ui->DispB}}};
}

TCMapTool::SliderGroup TCMapTool::makeHslRows() const
{
    return {{{ui->Label7, ui->BarH, ui->ColH},
             {ui->Label8, ui->BarS, ui->ColS},
             {ui->Label9, ui->BarL, ui->ColL}}};
}

std::array<BevelPanel *, SchemeElementCount> TCMapTool::swatches() const
{
    std::array<BevelPanel *, SchemeElementCount> panels{};
    for (std::size_t element = 0; element < panels.size(); ++element)
        panels[element] = m_parts[element].swatch;
    return panels;
}

void TCMapTool::bindEvents()
{
    for (const PagePart &part : m_parts)
        for (ClickableControl *control : part.controls())
            connect(control, &ClickableControl::clicked, this,
                    Guarded([this, control] { ItemSelect(control); }));
    for (const SliderRow &row : m_rgbRows)
        connect(row.bar, &SliderBar::valueChanged, this,
                Guarded([this, bar = row.bar] { RGBChange(bar); }));
    for (const SliderRow &row : m_hslRows)
        connect(row.bar, &SliderBar::valueChanged, this,
                Guarded([this, bar = row.bar] { HSLChange(bar); }));

    connect(ui->ColorCube, &ColorGrid::picked, this,
            Guarded([this](TColor picked) { ColorCubeClick(picked); }));
    connect(ui->ColorList, &NamedColorCombo::picked, this,
            Guarded([this](TColor picked) { ColorListChange(picked); }));
    connect(ui->MakeType, &RadioGroup::clicked, this, Guarded([this] { MakeTypeClick(); }));
    connect(ui->Button3, &QPushButton::clicked, this, Guarded([this] { Copy1Click(); }));
    connect(ui->Copy1, &QAction::triggered, this, Guarded([this] { Copy1Click(); }));
    connect(ui->Exit2, &QAction::triggered, this, Guarded([this] { Exit2Click(); }));
    connect(ui->About1, &QAction::triggered, this, Guarded([this] { About1Click(); }));
    // The close button acts by its kind alone: it closes the window.
    connect(ui->BitBtn1, &QPushButton::clicked, this, &QWidget::close);
}

// Ctrl+1 ... Ctrl+7 select the page parts in element order, as a click on
// their swatches does: the focus order reaches no element control, and a
// person without a mouse reaches the link colours only so. Screen readers
// say the key with every swatch and caption of the part.
void TCMapTool::bindElementKeys()
{
    for (int element = 0; element < SchemeElementCount; ++element) {
        const PagePart &part = m_parts[std::size_t(element)];
        const QKeySequence key(Qt::ControlModifier | static_cast<Qt::Key>(Qt::Key_1 + element));
        connect(new QShortcut(key, this), &QShortcut::activated, this,
                Guarded([this, swatch = part.swatch] { ItemSelect(swatch); }));
        for (ClickableControl *control : part.controls())
            SetAccessibleShortcut(control, key);
    }
}

// The commands beyond the menu bar: each with its key, in the shared context
// menu of the controls whose right button has no role of their own, and named
// with its key to a screen reader on the copy button.
void TCMapTool::bindCommands()
{
    m_commands = new CommandMenu(this);
    for (const PagePart &part : m_parts)
        for (ClickableControl *control : part.controls())
            m_commands->attachTo(control);
    for (QWidget *control :
         std::initializer_list<QWidget *>{ui->Button3, ui->ColorList, ui->ColorCube})
        m_commands->attachTo(control);

    QAction *contrastCheck =
        m_commands->addCommand(QStringLiteral("配色ﾁｪｯｸ(&K)..."), QKeySequence(Qt::Key_F7));
    connect(contrastCheck, &QAction::triggered, this,
            Guarded([this, contrastCheck] { toggleContrastCheck(contrastCheck); }));
    connect(m_commands->addCommand(QStringLiteral("ﾍﾟｰｽﾄ(&P)"), Qt::CTRL | Qt::Key_V),
            &QAction::triggered, this, Guarded([this] { pasteColors(); }));
    connect(
        m_commands->addCommand(QStringLiteral("CSSでｺﾋﾟｰ(&S)"), Qt::CTRL | Qt::SHIFT | Qt::Key_C),
        &QAction::triggered, this, Guarded([this] { copySchemeAsCss(); }));
    connect(m_commands->addCommand(QStringLiteral("ｽﾎﾟｲﾄ(&I)"),
                                   QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P)),
            &QAction::triggered, this, Guarded([this] { startScreenPick(); }));

    ui->Button3->setAccessibleDescription(m_commands->keyList());
}

// The check window is made the first time it is asked for: start-up makes
// none of it.
void TCMapTool::toggleContrastCheck(QAction *command)
{
    if (!m_contrastCheck)
        m_contrastCheck = new ContrastCheckWindow(this, command);
    m_contrastCheck->setVisible(!m_contrastCheck->isVisible());
}

// A colour from anywhere on the screen, for the part being edited.
void TCMapTool::startScreenPick()
{
    if (!m_screenPick) { // made on first use: start-up builds nothing for it
        m_screenPick = new ScreenColorPick(this);
        connect(m_screenPick, &ScreenColorPick::previewed, this, &TCMapTool::previewPickedColor);
        connect(m_screenPick, &ScreenColorPick::previewEnded, this, &TCMapTool::endPickPreview);
        connect(m_screenPick, &ScreenColorPick::picked, this, &TCMapTool::takePickedColor);
    }
    m_pickedElement = m_currentElement;
    m_screenPick->start();
}

void TCMapTool::previewPickedColor(TColor color)
{
    if (!m_shownBeforePick)
        m_shownBeforePick =
            ShownColor{m_currentColor, hslBars(), ui->ColorList->currentIndex()};
    takeColor(color);
}

void TCMapTool::endPickPreview()
{
    if (!m_shownBeforePick)
        return;
    const ShownColor shown = *std::exchange(m_shownBeforePick, std::nullopt);
    m_currentColor = shown.color;
    setRgbBars(shown.color);
    setHslBars(shown.hslBars);
    updateFromRgbBars();
    ui->ColorList->selectSilently(shown.namedEntry);
}

// The colour goes to the part the pick was started for, which a portal's
// picker may leave time to change: the part then being edited stays.
void TCMapTool::takePickedColor(TColor color)
{
    if (m_currentElement == m_pickedElement) {
        takeColor(color);
        return;
    }
    PartialScheme colors;
    colors[std::size_t(m_pickedElement)] = color;
    setSchemeColors(colors);
}

// Screen readers name each control by what a sighted user reads beside it.
void TCMapTool::nameControlsForScreenReaders()
{
    for (const SliderGroup &group : {m_rgbRows, m_hslRows}) {
        for (const SliderRow &row : group) {
            row.bar->setAccessibleName(row.label->text());
            row.field->setAccessibleName(row.label->text());
        }
    }
    for (const PagePart &part : m_parts)
        part.swatch->setAccessibleName(part.statusName);
    ui->ColorCube->setAccessibleName(QStringLiteral("ウェブセーフカラー"));
    ui->ColorList->setAccessibleName(QStringLiteral("カラー名"));
    // The part being edited changes by Ctrl+1 to Ctrl+7 with the focus elsewhere.
    SetAnnouncedOnChange(ui->MsgPanel);
}

void TCMapTool::applyFonts()
{
    setFont(ProportionalFont(WindowFontPixels));
    for (const PagePart &part : m_parts)
        if (part.caption)
            part.caption->setFont(ProportionalFont(15));
    ui->HexName->setFont(FixedPitchFont(17));
    ui->ColorList->setFont(ProportionalFont(13));
}

void TCMapTool::raiseWindowedControls()
{
    // Labels and the bevel frame are drawn on their parent; every other
    // control lies above them where they overlap (each swatch over the left
    // end of its caption, the named list over the right of the hex readout).
    for (QWidget *control : ui->ClientArea->findChildren<QWidget *>()) {
        if (!qobject_cast<OpaqueLabel *>(control) && control != ui->Bevel1)
            control->raise();
    }
}

// Start-up: the grid shows the web-safe colours; paint the default scheme
// into every element's previews, select the background, then fill the named
// list. The list is filled last, so it starts with nothing selected even
// though the background is a named colour.
void TCMapTool::FormCreate()
{
    ui->ColorCube->setCellColors(&TCMapTool::ColorCubeDrawCell);
    for (int element = 0; element < SchemeElementCount; ++element) {
        m_currentColor = DefaultScheme[std::size_t(element)];
        m_currentElement = element;
        applyElementColor();
    }
    ItemSelect(ui->P_Back);
    QList<NamedColorCombo::Item> items;
    for (const NamedColor &entry : NamedColors())
        items.append(ColorListDrawItem(entry));
    ui->ColorList->addColorItems(items);
}

void TCMapTool::selectElement(int element)
{
    if (element >= 0 && element < SchemeElementCount)
        ItemSelect(m_parts[std::size_t(element)].swatch);
}

void TCMapTool::takeLightness(int lightness)
{
    // The handler runs even where the bar already stands there: the bars
    // may hold a lightness whose colour the part does not have yet.
    {
        const QSignalBlocker silence(ui->BarL);
        ui->BarL->setValue(lightness);
    }
    HSLChange(ui->BarL);
}

void TCMapTool::setSchemeColors(const PartialScheme &colors)
{
    const int edited = m_currentElement;
    for (int element = 0; element < SchemeElementCount; ++element) {
        if (const auto color = colors[std::size_t(element)]) {
            m_currentColor = *color;
            m_currentElement = element;
            applyElementColor();
        }
    }
    selectElement(edited);
}

void TCMapTool::ItemSelect(QObject *sender)
{
    // The lowered bevel marks the element being edited; the rule is never marked.
    const auto panels = swatches();
    for (int element = 0; element < ElementRule; ++element)
        panels[std::size_t(element)]->setBevelInner(BevelStyle::None);

    const auto *control = qobject_cast<const ClickableControl *>(sender);
    m_currentElement = control ? control->tag() : ElementBackground;
    if (m_currentElement >= 0 && m_currentElement < SchemeElementCount) {
        m_currentColor = panels[std::size_t(m_currentElement)]->color();
        ui->MsgPanel->setCaption(elementName(m_currentElement));
        if (m_currentElement != ElementRule)
            panels[std::size_t(m_currentElement)]->setBevelInner(BevelStyle::Lowered);
    }
    takeColor(m_currentColor);
}

void TCMapTool::RGBChange(SliderBar *sender)
{
    showPosition(m_rgbRows, sender);
    const auto &[red, green, blue] = m_rgbRows;
    setHslBars(RgbToHsl(MakeColor(red.bar->value(), green.bar->value(), blue.bar->value())));
    updateFromRgbBars();
}

void TCMapTool::HSLChange(SliderBar *sender)
{
    showPosition(m_hslRows, sender);
    // The HSL bars keep exactly what the user set, even where converting the
    // resulting colour back would give other values.
    setRgbBars(HslToRgb(hslBars()));
    updateFromRgbBars();
}

// The row is found by the sender's Tag, its channel.
PackedHsl TCMapTool::hslBars() const
{
    const auto &[hue, saturation, lightness] = m_hslRows;
    return MakeHsl(hue.bar->value(), saturation.bar->value(), lightness.bar->value());
}

void TCMapTool::showPosition(const SliderGroup &group, const SliderBar *sender)
{
    for (const SliderRow &row : group)
        if (row.bar->tag() == sender->tag())
            row.field->setText(decimal(sender->value()));
}

// What the grid shows in a cell, and names it by: the web-safe colour of its
// place. The grid paints the cell itself.
TColor TCMapTool::ColorCubeDrawCell(int column, int row, int columnCount)
{
    return CubeCellColor(column, row, columnCount);
}

// What a list entry shows, and is named by: a named colour's name beside a
// swatch of its colour. The list keeps its entries and paints them itself.
NamedColorCombo::Item TCMapTool::ColorListDrawItem(const NamedColor &entry)
{
    return {QString::fromLatin1(entry.name.data(), qsizetype(entry.name.size())), entry.color};
}

// A pick in the grid or the list: the colour of the chosen cell or entry.
void TCMapTool::ColorCubeClick(TColor picked)
{
    takeColor(picked);
}

void TCMapTool::ColorListChange(TColor picked)
{
    takeColor(picked);
}

void TCMapTool::Copy1Click()
{
    // The text is complete before the clipboard is touched, and the clipboard
    // is replaced in one step, so a failed copy never costs the user what the
    // clipboard held.
    const QString text = TagText(ui->MakeType->itemIndex(), schemeColors());
    if (text.isEmpty())
        return;
    if (!m_clipboard->replaceText(text))
        throw std::runtime_error(clipboardError);
}

// Ctrl+V: the clipboard's text is read when the key is pressed, and only
// then. A page's tag, a copied text or a style sheet paints the colours it
// names as start-up paints the scheme; a colour on its own is taken by the
// part being edited as a pick in the grid is. Any other text changes nothing
// and the program beeps.
void TCMapTool::pasteColors()
{
    m_clipboardReader->readText(
        [this](const std::optional<QString> &text) { takePastedText(text.value_or(QString())); });
}

void TCMapTool::takePastedText(const QString &text)
{
    const auto pasted = pageText::ReadPastedColors(std::u16string_view(
        reinterpret_cast<const char16_t *>(text.utf16()), std::size_t(text.size())));
    if (!pasted)
        QApplication::beep();
    else if (pasted->editedPart)
        takeColor(*pasted->editedPart);
    else
        setSchemeColors(pasted->parts);
}

// Ctrl+Shift+C: the whole scheme as CSS, by the copy command's own way to the
// clipboard.
void TCMapTool::copySchemeAsCss()
{
    if (!m_clipboard->replaceText(QString::fromLatin1(pageText::SchemeStyleSheet(schemeColors()))))
        throw std::runtime_error(clipboardError);
}

void TCMapTool::MakeTypeClick()
{
    const int type = ui->MakeType->itemIndex();
    ui->MakeType->setShowHint(false);
    if (type < 0 || type >= TagTypeCount)
        return;
    const TagTypeForm &form = TagTypeForms[std::size_t(type)];
    if (form.editsPart)
        selectElement(*form.part);
    // The rule's colour attribute is understood by newer browsers only.
    ui->MakeType->setShowHint(TagType(type) == TagType::Rule);
}

void TCMapTool::About1Click()
{
    // The dialog's modal loop starts once the command has returned, so that
    // a screen reader choosing the command waits for nothing.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_aboutBox && !m_aboutBox->isVisible())
                m_aboutBox->exec();
        },
        Qt::QueuedConnection);
}

void TCMapTool::Exit2Click()
{
    close();
}

// Paints the current colour into the current part's previews, its swatch
// last. A Tag that names no part has no previews.
void TCMapTool::applyElementColor()
{
    if (m_currentElement < 0 || m_currentElement >= SchemeElementCount)
        return;
    const PagePart &part = m_parts[std::size_t(m_currentElement)];
    const TColor color = m_currentColor;
    if (part.colouredPanel)
        part.colouredPanel->setColor(color);
    for (ClickableControl *text : part.colouredTexts)
        text->setFontColor(part.textsInverse ? InverseColor(color) : color);
    part.swatch->setColor(color);
    Q_EMIT colorsChanged();
}

void TCMapTool::setRgbBars(TColor color)
{
    setBarsSilently(m_rgbRows, {RedOf(color), GreenOf(color), BlueOf(color)});
}

void TCMapTool::setHslBars(PackedHsl hsl)
{
    setBarsSilently(m_hslRows, {HueOf(hsl), SaturationOf(hsl), LightnessOf(hsl)});
}

// Moves a group of three bars without running their change handler (so the
// two groups never re-enter each other), then shows the positions the bars
// took, clamped to their ranges, in their number fields.
void TCMapTool::setBarsSilently(const SliderGroup &group, const std::array<int, 3> &values)
{
    for (std::size_t i = 0; i < group.size(); ++i) {
        const QSignalBlocker silence(group[i].bar);
        group[i].bar->setValue(values[i]);
    }
    for (const SliderRow &row : group)
        row.field->setText(decimal(row.bar->value()));
}

// Each channel square shows its channel alone; together they make the colour.
void TCMapTool::updateFromRgbBars()
{
    const auto &[red, green, blue] = m_rgbRows;
    red.square->setColor(MakeColor(red.bar->value(), 0, 0));
    green.square->setColor(MakeColor(0, green.bar->value(), 0));
    blue.square->setColor(MakeColor(0, 0, blue.bar->value()));
    m_currentColor = red.square->color() | green.square->color() | blue.square->color();
    ui->HexName->setText(QStringLiteral("COLOR = ") + PageColorText(m_currentColor));
    applyElementColor();
    selectNamedColor(m_currentColor);
}

void TCMapTool::selectNamedColor(TColor color)
{
    ui->ColorList->selectSilently(ui->ColorList->findColor(color));
}

// Makes a colour picked from the grid, the list or an element the current
// colour, and shows it everywhere.
void TCMapTool::takeColor(TColor color)
{
    m_currentColor = color;
    setRgbBars(color);
    setHslBars(RgbToHsl(color));
    updateFromRgbBars();
}
