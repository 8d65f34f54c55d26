// The program's output: the tag type group and the texts the copy commands
// put on the clipboard, and what the paste command takes from it, driven
// through the real window.

#include "cmap/clipboardreader.h"
#include "cmap/clipboardwriter.h"
#include "cmap/tagtext.h"
#include "cmap/tcmaptool.h"
#include "controls/bevelpanel.h"
#include "controls/colorgrid.h"
#include "controls/radiogroup.h"
#include "shell/errordisplay.h"
#include "windowdriver.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>

using namespace WindowDriver;

namespace {

// A clipboard that another program holds: every attempt to take it fails.
class BusyClipboard final : public ClipboardWriter
{
public:
    bool replaceText(const QString &) override
    {
        ++attempts;
        return false;
    }
    int attempts = 0;
};

// A clipboard that holds a given text and counts how often it is read.
class CountingClipboard final : public ClipboardReader
{
public:
    explicit CountingClipboard(QString text) : m_text(std::move(text)) {}
    void readText(Answer answer) override
    {
        ++reads;
        answer(m_text);
    }
    int reads = 0;

private:
    QString m_text;
};

// Reads what the error display shows once it is up, then presses OK.
struct ErrorBoxReader
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool seen = false;

    void armFor(int milliseconds = 0)
    {
        QTimer::singleShot(milliseconds, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box)
                return;
            seen = true;
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->button(QMessageBox::Ok)->click();
        });
    }
};

} // namespace

class TestOutput final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void tagTextsOfDefaultScheme_data();
    void tagTextsOfDefaultScheme();
    void tagTextsOfChangedScheme_data();
    void tagTextsOfChangedScheme();
    void unknownTagTypeMakesNoText();
    void shortcutCopiesLikeTheButton();
    void hexCopiesBackgroundWhileAnotherElementIsEdited();
    void copyingTwiceLeavesOnlyTheSecondText();
    void tagTypeMovesEditorAndSwitchesHint_data();
    void tagTypeMovesEditorAndSwitchesHint();
    void choosingSelectedTagTypeAgainRunsNothing();
    void busyClipboardKeepsItsTextAndShowsError_data();
    void busyClipboardKeepsItsTextAndShowsError();
    void systemClipboardReplacesWholly();
    void cssCopyOfTheScheme();
    void clipboardReadOnlyOnPaste();
    void commandsInTheContextMenu();

private:
    template <typename T = QWidget> T *find(const char *name)
    {
        return control<T>(m_window.get(), name);
    }
    void pickCell(const char *element, int column, int row);
    void chooseTagType(int item) { click(find<RadioGroup>("MakeType")->button(item)); }
    QString copyWithButton();

    std::unique_ptr<TCMapTool> m_window;
};

void TestOutput::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
}

void TestOutput::init()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("what the user had"));
    m_window = std::make_unique<TCMapTool>();
    QVERIFY(activate(m_window.get()));
}

void TestOutput::cleanup()
{
    m_window.reset();
}

void TestOutput::pickCell(const char *element, int column, int row)
{
    click(find(element));
    auto *grid = find<ColorGrid>("ColorCube");
    click(grid, grid->cellRect(column, row).center());
}

QString TestOutput::copyWithButton()
{
    click(find("Button3"));
    return QGuiApplication::clipboard()->text();
}

void TestOutput::tagTextsOfDefaultScheme_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("body") << 0
                          << QStringLiteral(
                                 "<BODY BGCOLOR=\"#C0C0C0\" TEXT=\"#FFFFFF\" LINK=\"#CC00CC\" "
                                 "VLINK=\"#88CC88\" ALINK=\"#AAAA99\">");
    QTest::newRow("font") << 1 << QStringLiteral("<FONT COLOR=\"#FFFFFF\">");
    QTest::newRow("rule") << 2 << QStringLiteral("<HR COLOR=\"#C0C0C0\">");
    QTest::newRow("table cell") << 3 << QStringLiteral("<TD BGCOLOR=\"#777777\">");
    QTest::newRow("colour attribute") << 4 << QStringLiteral("COLOR=\"#FFFFFF\"");
    QTest::newRow("background attribute") << 5 << QStringLiteral("BGCOLOR=\"#C0C0C0\"");
    QTest::newRow("hex") << 6 << QStringLiteral("#C0C0C0");
}

void TestOutput::tagTextsOfDefaultScheme()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    if (item != 0)
        chooseTagType(item);
    const QString copied = copyWithButton();
    QCOMPARE(copied, text);
    if (item == 0)
        QCOMPARE(copied.size(), 86);
    QVERIFY(!copied.endsWith(u'\n'));
    // The pure function gives the same text without a clipboard.
    QCOMPARE(TagText(item, m_window->schemeColors()), text);
}

void TestOutput::tagTextsOfChangedScheme_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<QString>("text");
    QTest::newRow("body") << 0
                          << QStringLiteral(
                                 "<BODY BGCOLOR=\"#0000FF\" TEXT=\"#FF0000\" LINK=\"#00FF00\" "
                                 "VLINK=\"#FF9933\" ALINK=\"#000000\">");
    QTest::newRow("font") << 1 << QStringLiteral("<FONT COLOR=\"#FF0000\">");
    QTest::newRow("rule") << 2 << QStringLiteral("<HR COLOR=\"#FFFFCC\">");
    QTest::newRow("table cell") << 3 << QStringLiteral("<TD BGCOLOR=\"#339933\">");
    QTest::newRow("colour attribute") << 4 << QStringLiteral("COLOR=\"#FF0000\"");
    QTest::newRow("leading zeros") << 5 << QStringLiteral("BGCOLOR=\"#0000FF\"");
    QTest::newRow("hex") << 6 << QStringLiteral("#0000FF");
}

void TestOutput::tagTextsOfChangedScheme()
{
    QFETCH(int, item);
    QFETCH(QString, text);
    pickCell("P_Back", 2, 13);     // 0000FF
    pickCell("C_Text", 3, 2);      // FF0000
    pickCell("C_Link", 9, 11);     // 00FF00
    pickCell("P_Visit", 0, 1);     // FF9933
    pickCell("C_Click", 7, 13);    // 000000
    pickCell("TableColor", 0, 10); // 339933
    pickCell("P_Line", 1, 0);      // FFFFCC
    if (item != 0)
        chooseTagType(item);
    QCOMPARE(copyWithButton(), text);
}

void TestOutput::unknownTagTypeMakesNoText()
{
    const SchemeColors scheme{};
    QVERIFY(TagText(-1, scheme).isEmpty());
    QVERIFY(TagText(TagTypeCount, scheme).isEmpty());
}

void TestOutput::shortcutCopiesLikeTheButton()
{
    chooseTagType(3);
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("<TD BGCOLOR=\"#777777\">"));
}

void TestOutput::hexCopiesBackgroundWhileAnotherElementIsEdited()
{
    pickCell("P_Back", 4, 6); // 993333
    chooseTagType(6);
    click(find("P_Link"));
    QCOMPARE(m_window->currentElement(), 2);
    QCOMPARE(copyWithButton(), QStringLiteral("#993333"));
}

void TestOutput::copyingTwiceLeavesOnlyTheSecondText()
{
    copyWithButton();
    chooseTagType(1);
    QCOMPARE(copyWithButton(), QStringLiteral("<FONT COLOR=\"#FFFFFF\">"));
}

void TestOutput::tagTypeMovesEditorAndSwitchesHint_data()
{
    QTest::addColumn<int>("item");
    QTest::addColumn<int>("element"); // the element being edited afterwards
    QTest::addColumn<bool>("hint");
    QTest::newRow("body stays") << 0 << 3 << false;
    QTest::newRow("font edits text") << 1 << 1 << false;
    QTest::newRow("rule edits rule, hint on") << 2 << 6 << true;
    QTest::newRow("table cell edits table") << 3 << 5 << false;
    QTest::newRow("colour attribute edits text") << 4 << 1 << false;
    QTest::newRow("background attribute edits background") << 5 << 0 << false;
    QTest::newRow("hex stays") << 6 << 3 << false;
}

void TestOutput::tagTypeMovesEditorAndSwitchesHint()
{
    QFETCH(int, item);
    QFETCH(int, element);
    QFETCH(bool, hint);
    auto *tagTypes = find<RadioGroup>("MakeType");
    // Start from another item: the rule (hint on) unless the rule is tested.
    const int before = item == 2 ? 1 : 2;
    chooseTagType(before);
    QCOMPARE(tagTypes->toolTip().isEmpty(), before != 2);
    click(find("P_Visit"));
    chooseTagType(item);
    QCOMPARE(tagTypes->itemIndex(), item);
    QCOMPARE(m_window->currentElement(), element);
    QCOMPARE(tagTypes->toolTip().isEmpty(), !hint);
    if (hint) {
        QCOMPARE(tagTypes->toolTip(), QStringLiteral("<HR...>はIE3.0以降のみです"));
        QCOMPARE(find<BevelPanel>("MsgPanel")->caption(), QStringLiteral("分割線"));
    }
}

void TestOutput::choosingSelectedTagTypeAgainRunsNothing()
{
    auto *tagTypes = find<RadioGroup>("MakeType");
    QSignalSpy choices(tagTypes, &RadioGroup::clicked);
    chooseTagType(3);
    QCOMPARE(choices.count(), 1);
    click(find("P_Back"));
    chooseTagType(3); // already selected: no handler, the editor stays on the background
    QCOMPARE(choices.count(), 1);
    QCOMPARE(m_window->currentElement(), 0);
    // Arrow keys move the selection like clicks do.
    QTest::keyClick(tagTypes->button(3), Qt::Key_Up);
    QCOMPARE(tagTypes->itemIndex(), 2);
    QCOMPARE(choices.count(), 2);
    QCOMPARE(m_window->currentElement(), 6);
}

void TestOutput::busyClipboardKeepsItsTextAndShowsError_data()
{
    QTest::addColumn<bool>("css"); // Ctrl+Shift+C rather than the copy button
    QTest::newRow("copy button") << false;
    QTest::newRow("CSS copy") << true;
}

void TestOutput::busyClipboardKeepsItsTextAndShowsError()
{
    QFETCH(bool, css);
    // What the user had: rich text, as a browser leaves it.
    auto *had = new QMimeData;
    had->setHtml(QStringLiteral("<b>what the user had</b>"));
    had->setText(QStringLiteral("what the user had"));
    QGuiApplication::clipboard()->setMimeData(had);
    auto busy = std::make_unique<BusyClipboard>();
    BusyClipboard *clipboard = busy.get();
    m_window->setClipboard(std::move(busy));
    ErrorBoxReader reader;
    reader.armFor();
    if (css)
        QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    else
        click(find("Button3"));
    QVERIFY(reader.seen);
    QCOMPARE(clipboard->attempts, 1);
    QCOMPARE(reader.title, QStringLiteral("Tintwright"));
    QCOMPARE(reader.icon, QMessageBox::Critical);
    QCOMPARE(reader.text, QStringLiteral("クリップボードを開くことができません."));
    // The window reaches the desktop's clipboard only through its writer: had
    // it cleared or filled the clipboard itself before the writer failed, the
    // user's rich text would be lost.
    const QMimeData *kept = QGuiApplication::clipboard()->mimeData();
    QVERIFY(kept);
    QCOMPARE(kept->text(), QStringLiteral("what the user had"));
    QCOMPARE(kept->html(), QStringLiteral("<b>what the user had</b>"));
    // After OK the program goes on.
    m_window->setClipboard(std::make_unique<SystemClipboard>());
    chooseTagType(6);
    QCOMPARE(copyWithButton(), QStringLiteral("#C0C0C0"));
}

void TestOutput::systemClipboardReplacesWholly()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    auto *rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>old</b>"));
    rich->setText(QStringLiteral("old"));
    clipboard->setMimeData(rich);
    SystemClipboard writer;
    QVERIFY(writer.replaceText(QStringLiteral("#ABCDEF")));
    QCOMPARE(clipboard->text(), QStringLiteral("#ABCDEF"));
    QVERIFY(!clipboard->mimeData()->hasHtml()); // only the new text
}

void TestOutput::cssCopyOfTheScheme()
{
    pickCell("P_Visit", 0, 1); // FF9933
    chooseTagType(3);          // the tag type plays no part
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(),
             QStringLiteral("body { background-color: #C0C0C0; color: #FFFFFF; }\n"
                            "a:link { color: #CC00CC; }\n"
                            "a:visited { color: #FF9933; }\n"
                            "a:active { color: #AAAA99; }\n"
                            "td { background-color: #777777; }\n"
                            "hr { border-style: solid; border-color: #C0C0C0; "
                            "background-color: #C0C0C0; }"));
}

void TestOutput::clipboardReadOnlyOnPaste()
{
    // On X11 reading the clipboard asks another program, which may answer
    // slowly: the window asks only when the person pastes, once a paste.
    auto counting = std::make_unique<CountingClipboard>(QStringLiteral("#00FF00"));
    CountingClipboard *clipboard = counting.get();
    m_window->setClipboardReader(std::move(counting));
    m_window->hide();
    QVERIFY(activate(m_window.get()));
    click(find("P_Link"));
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->reads, 0);
    QTest::keyClick(m_window.get(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(clipboard->reads, 1);
    QCOMPARE(m_window->schemeColors()[2], cSpace::MakeColor(0, 0xFF, 0));
}

void TestOutput::commandsInTheContextMenu()
{
    QVERIFY(find("Button3")->accessibleDescription().contains(
        QStringLiteral("ﾍﾟｰｽﾄ Ctrl+V、CSSでｺﾋﾟｰ Ctrl+Shift+C")));
    QWidget *swatch = find("P_Table");
    QTest::keyClick(swatch, Qt::Key_F10, Qt::ShiftModifier);
    auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
    QVERIFY(menu);
    QStringList entries;
    for (const QAction *action : menu->actions())
        entries << action->text() + u' ' + action->shortcut().toString();
    QVERIFY(
        entries.join(u';').contains(QStringLiteral("ﾍﾟｰｽﾄ(&P) Ctrl+V;CSSでｺﾋﾟｰ(&S) Ctrl+Shift+C")));
    // The accelerator chooses the entry: the table takes the pasted tag.
    QGuiApplication::clipboard()->setText(QStringLiteral("<td bgcolor=#123456>"));
    QTest::keyClick(menu, Qt::Key_P);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QCOMPARE(m_window->schemeColors()[5], cSpace::MakeColor(0x12, 0x34, 0x56));
}

QTEST_MAIN(TestOutput)
#include "tst_output.moc"
