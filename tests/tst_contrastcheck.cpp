// The contrast check's table as the real main window opens it with F7: each
// pair's names, ratio and verdict against ratios worked out apart from the
// program. The window itself, live, on the screen and through a screen
// reader, is checked end to end (tests/e2e/contrast_check.*).

#include "cmap/tcmaptool.h"
#include "controls/colorbridge.h"
#include "cspace/contrast.h"
#include "windowdriver.h"

#include <QDialog>
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

private:
    QDialog *check() { return m_window->findChild<QDialog *>(QStringLiteral("ContrastCheck")); }

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
    QVERIFY2(!check(), "start-up makes no check window");
    QTest::keyClick(m_window->focusWidget(), Qt::Key_F7);
    QTRY_VERIFY(check() && check()->isVisible());
    const QAbstractItemModel *rows = control<QTableView>(check(), "ContrastTable")->model();
    const auto cell = [&](int column, int role = Qt::DisplayRole) {
        return rows->index(row - 1, column).data(role);
    };
    QCOMPARE(rows->headerData(row - 1, Qt::Vertical).toString(), QString::number(row));
    QTEST(cell(0).toString(), "foreground");
    QTEST(cell(1).toString(), "background");
    QTEST(cell(2).toString(), "ratio");
    QTEST(cell(3).toString(), "verdict");

    // A row short of its first threshold stands out without colour: bold
    // throughout, and a mark beside its verdict.
    const double first = PassingRatio(SchemeContrastPairs[std::size_t(row - 1)].rule);
    const bool fails = cell(2).toString().section(QLatin1Char(':'), 0, 0).toDouble() < first;
    for (int column = 0; column < 4; ++column)
        QCOMPARE(cell(column, Qt::FontRole).value<QFont>().bold(), fails);
    QCOMPARE(!cell(3, Qt::DecorationRole).value<QIcon>().isNull(), fails);
}

QTEST_MAIN(TestContrastCheck)

#include "tst_contrastcheck.moc"
