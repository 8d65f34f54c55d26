#pragma once

// The main window, the whole working surface of Tintwright.
//
// The form (tcmaptool.ui) holds every control with its name, geometry, Tag
// and caption; this class holds the behaviour. Each user action runs one
// handler (bound in bindEvents(), the window's table of bindings). Every way
// of choosing a colour ends in the same sequence: set the RGB bars, set the
// HSL bars, then rebuild the current colour from the RGB bars and publish it
// to the channel squares, the hex readout, the current element's previews
// and the named list. Bars and lists set from code are silenced, so no
// handler ever re-enters another. The seven scheme colours live only in the
// swatch panels; the window's own state is the current colour and element.
//
// Which controls stand for each page part, and which previews follow its
// colour, is said once, in the table of page parts made by the constructor;
// every handler that works per part reads that table. The slider rows have
// their tables too. The grid and the named list paint, name and report
// their cells and items themselves: the window gives them their colours and
// takes their picks.

#include "cmap/tagtext.h"
#include "controls/namedcolorcombo.h"
#include "cspace/colortables.h"
#include "cspace/cspace.h"

#include <QMainWindow>

#include <array>
#include <memory>
#include <optional>
#include <vector>

class BevelPanel;
class ClickableControl;
class ClipboardReader;
class ClipboardWriter;
class CommandMenu;
class ContrastCheckWindow;
class NumberField;
class OpaqueLabel;
class SliderBar;
class QAction;
class QDialog;
class ScreenColorPick;

namespace Ui {
class TCMapTool;
}

class TCMapTool final : public QMainWindow
{
    Q_OBJECT

public:
    explicit TCMapTool(QWidget *parent = nullptr);
    ~TCMapTool() override;

    // The dialog Help -> About shows; it is created after this window.
    void setAboutBox(QDialog *aboutBox) { m_aboutBox = aboutBox; }
    void setClipboard(std::unique_ptr<ClipboardWriter> clipboard);
    void setClipboardReader(std::unique_ptr<ClipboardReader> clipboard);

    cSpace::TColor currentColor() const { return m_currentColor; }
    int currentElement() const { return m_currentElement; }
    // The seven scheme colours as the swatches hold them.
    SchemeColors schemeColors() const;
    // A part's name as the status line shows it while the part is edited.
    QString elementName(int element) const { return m_parts[std::size_t(element)].statusName; }
    // The hue, saturation and lightness the HSL bars hold.
    cSpace::PackedHsl hslBars() const;

    // The ways in for the commands beyond the menu bar. Each ends in the
    // sequences the window's own controls use.
    // Selects a part as a click on its swatch does.
    void selectElement(int element);
    // Makes a colour the current part's, as a pick in the grid does.
    void takeColor(cSpace::TColor color);
    // Paints the colours given as start-up paints the scheme; the part being
    // edited stays, shown as a click on its swatch shows it.
    void setSchemeColors(const PartialScheme &colors);
    // Moves the lightness bar as a person does: the current part's colour
    // follows, of the hue and saturation the bars hold.
    void takeLightness(int lightness);

Q_SIGNALS:
    // A scheme colour was painted: any colour choice, from any control.
    void colorsChanged();

private:
    // Event handlers.
    void FormCreate();
    void ItemSelect(QObject *sender);
    void RGBChange(SliderBar *sender);
    void HSLChange(SliderBar *sender);
    static cSpace::TColor ColorCubeDrawCell(int column, int row, int columnCount);
    void ColorCubeClick(cSpace::TColor picked);
    static NamedColorCombo::Item ColorListDrawItem(const cSpace::NamedColor &entry);
    void ColorListChange(cSpace::TColor picked);
    void Copy1Click();
    void MakeTypeClick();
    void About1Click();
    void Exit2Click();
    // The commands beyond the menu bar.
    void pasteColors();
    void takePastedText(const QString &text);
    void copySchemeAsCss();

    // The synchronisation steps the handlers share.
    void applyElementColor();
    void setRgbBars(cSpace::TColor color);
    void setHslBars(cSpace::PackedHsl hsl);
    void updateFromRgbBars();
    void selectNamedColor(cSpace::TColor color);

    // One page part as the window shows it.
    struct PagePart
    {
        BevelPanel *swatch = nullptr;   // holds the part's colour: the scheme lives here
        OpaqueLabel *caption = nullptr; // its caption in the preview, if it has one
        BevelPanel *sample = nullptr;   // its sample in the preview, if it has one
        QString statusName;             // the status line while the part is edited
        // What painting the part's colour does besides filling its swatch: a
        // preview panel takes the colour, and texts take it (or its inverse,
        // for text that stands on the part itself).
        BevelPanel *colouredPanel = nullptr;
        std::vector<ClickableControl *> colouredTexts = {};
        bool textsInverse = false;

        std::vector<ClickableControl *> controls() const;
    };
    using PageParts = std::array<PagePart, cSpace::SchemeElementCount>;
    PageParts makePageParts() const;

    // One slider row: the label naming its channel, the bar, the number field
    // showing the bar's position and, for the RGB channels, the square that
    // shows the channel alone.
    struct SliderRow
    {
        OpaqueLabel *label = nullptr;
        SliderBar *bar = nullptr;
        NumberField *field = nullptr;
        OpaqueLabel *square = nullptr;
    };
    using SliderGroup = std::array<SliderRow, 3>;
    // The red, green and blue rows, and the hue, saturation and lightness rows.
    SliderGroup makeRgbRows() const;
    SliderGroup makeHslRows() const;
    // The sender's position in the number field of its row; a Tag of no row
    // of the group shows nothing.
    static void showPosition(const SliderGroup &group, const SliderBar *sender);
    static void setBarsSilently(const SliderGroup &group, const std::array<int, 3> &values);

    // The seven swatch panels that hold the scheme, indexed by element.
    std::array<BevelPanel *, cSpace::SchemeElementCount> swatches() const;

    void bindEvents();
    void bindElementKeys();
    void bindCommands();
    void toggleContrastCheck(QAction *command);

    // A pick from the screen shows the colour under the pointer as the
    // edited colour; what the controls showed before is kept to be put back
    // exactly (the HSL bars as the user left them, the named list's entry).
    struct ShownColor
    {
        cSpace::TColor color;
        cSpace::PackedHsl hslBars;
        int namedEntry;
    };
    void startScreenPick();
    void previewPickedColor(cSpace::TColor color);
    void endPickPreview();
    void takePickedColor(cSpace::TColor color);
    void nameControlsForScreenReaders();
    void applyFonts();
    void raiseWindowedControls();

    std::unique_ptr<Ui::TCMapTool> ui;
    PageParts m_parts;
    SliderGroup m_rgbRows;
    SliderGroup m_hslRows;
    std::unique_ptr<ClipboardWriter> m_clipboard;
    std::unique_ptr<ClipboardReader> m_clipboardReader;
    CommandMenu *m_commands = nullptr;
    ContrastCheckWindow *m_contrastCheck = nullptr; // made on first use, not at start-up
    ScreenColorPick *m_screenPick = nullptr;
    std::optional<ShownColor> m_shownBeforePick;
    int m_pickedElement = 0; // the part being edited when the pick started
    QDialog *m_aboutBox = nullptr;
    cSpace::TColor m_currentColor = 0;
    int m_currentElement = 0;
};
