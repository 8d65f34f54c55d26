// The contrast check as a person meets it: opened and closed by its key from
// the real main window, each pair's ratio and verdict as the table shows
// them, following the sliders, and the button that makes a failing pair pass.

#include "cmap/tcmaptool.h"
#include "controls/colorbridge.h"
#include "cspace/contrast.h"
#include "windowdriver.h"

#include <QDialog>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableView>

using namespace cSpace;
using namespace WindowDriver;

namespace {

const QString names[SchemeElementCount] = {QStringLiteral("背景色"),
                                           QStringLiteral("通常のテキスト文字"),
                                           QStringLiteral("リンク文字列"),
                                           QStringLiteral("訪問済みのリンク"),
                                           QStringLiteral("クリックしたときのリンク"),
                                           QStringLiteral("テーブル"),
                                           QStringLiteral("分割線")};

// A scheme given as #RRGGBB texts by element, empty where the default stays.
using SchemeTexts = std::array<const char *, SchemeElementCount>;

PartialScheme partialScheme(const SchemeTexts &texts)
{
    PartialScheme scheme;
    for (std::size_t element = 0; element < texts.size(); ++element)
        if (texts[element])
            scheme[element] = FromQColor(QColor(QString::fromLatin1(texts[element])));
    return scheme;
}

} // namespace

Q_DECLARE_METATYPE(SchemeTexts)

class TestContrastCheck final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void rowsShowRatioAndVerdict_data();
    void rowsShowRatioAndVerdict();
    void keyOpensAndClosesBesideTheWindow();
    void followsTheSchemeWhileShown();
    void passButtonMakesFailingRowPass_data();
    void passButtonMakesFailingRowPass();

private:
    QDialog *openCheck();
    QTableView *table() { return control<QTableView>(check(), "ContrastTable"); }
    QDialog *check() { return m_window->findChild<QDialog *>(QStringLiteral("ContrastCheck")); }
    QVariant cell(int row, int column, int role = Qt::DisplayRole)
    {
        return table()->model()->index(row, column).data(role);
    }
    void pressF7(QWidget *to) { QTest::keyClick(to, Qt::Key_F7); }

    std::unique_ptr<TCMapTool> m_window;
};

void TestContrastCheck::init()
{
    m_window = std::make_unique<TCMapTool>();
    QVERIFY(activate(m_window.get()));
}

void TestContrastCheck::cleanup()
{
    m_window.reset();
}

QDialog *TestContrastCheck::openCheck()
{
    pressF7(m_window->focusWidget());
    [&] {
        QTRY_VERIFY(check() && check()->isVisible());
    }();
    return check();
}

// Ratios worked out apart from the program (WCAG 2.x, in double precision).
void TestContrastCheck::rowsShowRatioAndVerdict_data()
{
    QTest::addColumn<SchemeTexts>("scheme");
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("foreground");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("ratio");
    QTest::addColumn<QString>("verdict");

    const auto add = [](const char *tag, SchemeTexts scheme, int row, const char *ratio,
                        const char *verdict) {
        const ContrastPair pair = SchemeContrastPairs[std::size_t(row - 1)];
        QTest::newRow(tag) << scheme << row << names[pair.foreground] << names[pair.background]
                           << QString::fromLatin1(ratio) << QString::fromUtf8(verdict);
    };
    const SchemeTexts defaults{};
    // black/white and equal colours: the two ends of the scale
    add("black text on white", {"#FFFFFF", "#000000"}, 1, "21.00:1", "AAA適合");
    add("white text on black", {"#000000", "#FFFFFF"}, 1, "21.00:1", "AAA適合");
    add("equal colours", {"#123456", "#123456"}, 1, "1.00:1", "不適合");
    // 4.478 is short of 4.5 and reads so; one step darker reaches it
    add("#777777 on white", {"#FFFFFF", "#777777"}, 1, "4.47:1", "大きな文字のみ適合");
    add("#767676 on white", {"#FFFFFF", "#767676"}, 1, "4.54:1", "AA適合");
    // a link against the text: 3:1 or not, whatever the page
    add("link 3.03 against text", {nullptr, "#FFFFFF", "#949494"}, 9, "3.03:1", "適合");
    add("link 2.99 against text", {nullptr, "#FFFFFF", "#959595"}, 9, "2.99:1", "不適合");
    // the default scheme, row by row; 2.5999 reads 2.59, never 2.60
    const char *const ratios[] = {"1.81:1", "2.59:1", "1.04:1", "1.29:1", "4.47:1", "1.05:1",
                                  "2.35:1", "1.90:1", "4.73:1", "1.90:1", "2.35:1", "1.00:1"};
    for (int row = 1; row <= 12; ++row) {
        const char *verdict = row == 5 ? "大きな文字のみ適合" : row == 9 ? "適合" : "不適合";
        add(QByteArray("default row " + QByteArray::number(row)).constData(), defaults, row,
            ratios[row - 1], verdict);
    }
}

void TestContrastCheck::rowsShowRatioAndVerdict()
{
    QFETCH(SchemeTexts, scheme);
    QFETCH(int, row);
    m_window->setSchemeColors(partialScheme(scheme));
    openCheck();
    const int index = row - 1;
    QCOMPARE(table()->model()->headerData(index, Qt::Vertical).toString(), QString::number(row));
    QTEST(cell(index, 0).toString(), "foreground");
    QTEST(cell(index, 1).toString(), "background");
    QTEST(cell(index, 2).toString(), "ratio");
    QTEST(cell(index, 3).toString(), "verdict");

    // A row short of its first threshold stands out without colour: bold
    // throughout, and a mark beside its verdict.
    const double first = PassingRatio(SchemeContrastPairs[std::size_t(index)].rule);
    const bool fails = cell(index, 2).toString().section(QLatin1Char(':'), 0, 0).toDouble() < first;
    for (int column = 0; column < 4; ++column)
        QCOMPARE(cell(index, column, Qt::FontRole).value<QFont>().bold(), fails);
    QCOMPARE(!cell(index, 3, Qt::DecorationRole).value<QIcon>().isNull(), fails);
}

// F7 opens the check beside the main window, which keeps the focus; F7 again
// (from either window), Escape or the close box in the check close it, and
// the focus is back in the main window.
void TestContrastCheck::keyOpensAndClosesBesideTheWindow()
{
    QVERIFY2(!check(), "the check is made on first use, not at start-up");
    QWidget *slider = m_window->focusWidget();
    QCOMPARE(slider->objectName(), QStringLiteral("BarR"));

    QDialog *window = openCheck();
    QCOMPARE(window->windowTitle(), QStringLiteral("配色ﾁｪｯｸ"));
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), m_window.get()); // owned: it stays above it
    QVERIFY(!window->isModal());
    QCOMPARE(QApplication::focusWidget(), slider);
    pressF7(slider);
    QTRY_VERIFY(!window->isVisible());

    const auto closeInCheck = [&](const auto &close) {
        openCheck();
        window->activateWindow();
        QTRY_COMPARE(QApplication::activeWindow(), window);
        close();
        QTRY_VERIFY(!window->isVisible());
        QTRY_COMPARE(QApplication::activeWindow(), m_window.get());
        QCOMPARE(QApplication::focusWidget(), slider);
    };
    closeInCheck([&] { QTest::keyClick(table(), Qt::Key_Escape); });
    closeInCheck([&] { pressF7(table()); });
    closeInCheck([&] { window->close(); });
}

// While shown, every colour change shows at once; what changed while hidden
// shows when it opens again.
void TestContrastCheck::followsTheSchemeWhileShown()
{
    auto *red = control<QWidget>(m_window.get(), "BarR"); // the background is edited
    openCheck();
    QCOMPARE(cell(0, 2).toString(), QStringLiteral("1.81:1"));
    QTest::keyClick(red, Qt::Key_Home); // #00C0C0
    QCOMPARE(cell(0, 2).toString(), QStringLiteral("2.25:1"));
    QCOMPARE(cell(1, 3).toString(), QStringLiteral("不適合"));

    pressF7(red);
    QTRY_VERIFY(!check()->isVisible());
    QTest::keyClick(red, Qt::Key_End); // #FFC0C0
    openCheck();
    QCOMPARE(cell(0, 2).toString(), QStringLiteral("1.54:1"));
    QCOMPARE(cell(1, 2).toString(), QStringLiteral("3.05:1"));
    QCOMPARE(cell(1, 3).toString(), QStringLiteral("大きな文字のみ適合"));
}

// The colours the nearest passing lightness gives, worked out apart from the
// program with the colour model's integer HSL rules.
void TestContrastCheck::passButtonMakesFailingRowPass_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("passing"); // the foreground's new colour, #RRGGBB
    QTest::addColumn<QString>("verdict");

    QTest::newRow("white text on the #777777 table goes near black")
        << 5 << "060606" << QStringLiteral("AA適合");
    QTest::newRow("link on the page") << 2 << "8E008E" << QStringLiteral("AA適合");
    // #4F4F43 read back gives saturation 20, not 23: the bars keep 23
    QTest::newRow("clicked link on the page") << 4 << "4F4F43" << QStringLiteral("AA適合");
    QTest::newRow("visited link against the text") << 10 << "48A848" << QStringLiteral("適合");
    QTest::newRow("rule on the page") << 12 << "696969" << QStringLiteral("適合");
}

void TestContrastCheck::passButtonMakesFailingRowPass()
{
    QFETCH(int, row);
    const int index = row - 1;
    const ContrastPair pair = SchemeContrastPairs[std::size_t(index)];
    const PackedHsl before = RgbToHsl(DefaultScheme[std::size_t(pair.foreground)]);
    openCheck();
    auto *button = control<QPushButton>(check(), "PassButton");
    const auto chooseRow = [&](int chosen) {
        const QRect cellRect = table()->visualRect(table()->model()->index(chosen, 0));
        click(table()->viewport(), cellRect.center());
    };
    chooseRow(8); // row 9 passes: nothing to do
    QVERIFY(!button->isEnabled());
    chooseRow(index);
    QVERIFY(button->isEnabled());

    click(button);
    QCOMPARE(m_window->currentElement(), int(pair.foreground));
    QTEST(html(m_window->currentColor()), "passing");
    QTEST(cell(index, 3).toString(), "verdict");
    // Only the lightness moved: the HSL bars keep hue and saturation.
    const PackedHsl after = m_window->hslBars();
    QCOMPARE(HueOf(after), HueOf(before));
    QCOMPARE(SaturationOf(after), SaturationOf(before));
    QCOMPARE(HslToRgb(after), m_window->currentColor());
    QVERIFY(!button->isEnabled());
    QCOMPARE(control<QLabel>(check(), "ContrastMessage")->text(),
             QStringLiteral("%1の明度を%2から%3にしました。")
                 .arg(names[pair.foreground])
                 .arg(LightnessOf(before))
                 .arg(LightnessOf(after)));
}

QTEST_MAIN(TestContrastCheck)

#include "tst_contrastcheck.moc"
