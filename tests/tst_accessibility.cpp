// What a screen reader finds in the main window: every control a person can
// operate, named by the caption or label a sighted user reads beside it.

#include "cmap/tcmaptool.h"
#include "controls/sliderbar.h"
#include "windowdriver.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QAccessibleValueInterface>

using namespace WindowDriver;

class TestAccessibility final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void namesAndRoles_data();
    void namesAndRoles();
    void slidersExposeTheirValues();
    void numberFieldsExposeTheirValues();
    void gridCellsAreNamedByColour();
    void listItemsAreNamedByName();
    void swatchesCanBePressed();

private:
    QAccessibleInterface *accessible(const char *name)
    {
        return QAccessible::queryAccessibleInterface(control(m_window.get(), name));
    }

    std::unique_ptr<TCMapTool> m_window;
};

void TestAccessibility::init()
{
    m_window = std::make_unique<TCMapTool>();
    QVERIFY(activate(m_window.get()));
}

void TestAccessibility::cleanup()
{
    m_window.reset();
}

void TestAccessibility::namesAndRoles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    const int button = QAccessible::Button, slider = QAccessible::ScrollBar;
    const struct
    {
        const char *control;
        const char *name;
        int role;
    } rows[] = {
        {"BarR", "赤(R)", slider},
        {"BarG", "緑(G)", slider},
        {"BarB", "青(B)", slider},
        {"BarH", "色相(H)", slider},
        {"BarS", "彩度(S)", slider},
        {"BarL", "明度(L)", slider},
        {"P_Back", "背景色", button},
        {"C_Back", "背景色", button},
        {"P_Text", "通常のテキスト文字", button},
        {"C_Text", "通常のテキスト文字", button},
        {"P_Link", "リンク文字列", button},
        {"C_Link", "リンク文字列", button},
        {"P_Visit", "訪問済みのリンク", button},
        {"C_Visit", "訪問済みのリンク", button},
        {"P_Click", "クリックしたときのリンク", button},
        {"C_Click", "クリックしたときのリンク", button},
        {"P_Table", "テーブル", button},
        {"TableColor", "テーブル", button},
        {"P_Line", "分割線", button},
        {"Button3", "ｸﾘｯﾌﾟﾎﾞｰﾄﾞへCOPY", button},
        {"BitBtn1", "閉じる(C)", button},
        {"ColorCube", "ウェブセーフカラー", QAccessible::List},
        {"ColorList", "カラー名", QAccessible::ComboBox},
        {"MsgPanel", "背景色", QAccessible::StaticText},
        {"HexName", "COLOR = #C0C0C0", QAccessible::StaticText},
    };
    for (const auto &row : rows)
        QTest::newRow(row.control) << QString::fromUtf8(row.name) << row.role;
}

void TestAccessibility::namesAndRoles()
{
    QFETCH(QString, name);
    QFETCH(int, role);
    QAccessibleInterface *interface = accessible(QTest::currentDataTag());
    QVERIFY(interface);
    QCOMPARE(interface->text(QAccessible::Name), name);
    QCOMPARE(int(interface->role()), role);
}

void TestAccessibility::slidersExposeTheirValues()
{
    auto *red = control<SliderBar>(m_window.get(), "BarR");
    QAccessibleValueInterface *value = accessible("BarR")->valueInterface();
    QVERIFY(value);
    QCOMPARE(value->currentValue().toInt(), 192);
    red->setFocus();
    QTest::keyClick(red, Qt::Key_End);
    QCOMPARE(value->currentValue().toInt(), 255);
    QCOMPARE(value->maximumValue().toInt(), 255);
    QCOMPARE(accessible("BarH")->valueInterface()->maximumValue().toInt(), 359);
}

void TestAccessibility::numberFieldsExposeTheirValues()
{
    QAccessibleInterface *field = accessible("ColL");
    QCOMPARE(field->text(QAccessible::Name), QStringLiteral("明度(L)"));
    QCOMPARE(field->text(QAccessible::Value), QStringLiteral("192"));
}

void TestAccessibility::gridCellsAreNamedByColour()
{
    QAccessibleInterface *grid = accessible("ColorCube");
    QCOMPARE(grid->childCount(), 224);
    QCOMPARE(grid->child(0)->text(QAccessible::Name), QStringLiteral("#FFFFFF"));
    QCOMPARE(grid->child(35)->text(QAccessible::Name), QStringLiteral("#FF0000"));
    QCOMPARE(grid->child(215)->text(QAccessible::Name), QStringLiteral("#000000"));
    QCOMPARE(grid->indexOfChild(grid->child(17)), 17);
    QVERIFY(grid->child(0)->state().selected); // the current cell
    const QRect cell = grid->child(17)->rect();
    QCOMPARE(grid->childAt(cell.center().x(), cell.center().y()), grid->child(17));
}

void TestAccessibility::listItemsAreNamedByName()
{
    QAbstractItemModel *items = control<QComboBox>(m_window.get(), "ColorList")->model();
    QCOMPARE(items->index(0, 0).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("aliceblue"));
    QCOMPARE(items->index(66, 0).data(Qt::AccessibleTextRole).toString(),
             QStringLiteral("lightgoldenrodyellow"));
}

void TestAccessibility::swatchesCanBePressed()
{
    QAccessibleActionInterface *actions = accessible("P_Link")->actionInterface();
    QVERIFY(actions);
    QCOMPARE(actions->actionNames(), QStringList{QAccessibleActionInterface::pressAction()});
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(m_window->currentElement(), 2);
    // Controls nothing answers are not buttons.
    QVERIFY(!accessible("MsgPanel")->actionInterface() ||
            accessible("MsgPanel")->actionInterface()->actionNames().isEmpty());
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
