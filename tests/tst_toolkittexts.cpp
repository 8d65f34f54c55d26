// Qt's own texts inside the windows are Japanese like the program's own,
// whatever the locale the program runs in (the suite runs under C.UTF-8).

#include "cmap/tcmaptool.h"
#include "controls/sliderbar.h"
#include "shell/toolkittexts.h"
#include "windowdriver.h"

#include <QMenu>
#include <QTimer>

using namespace WindowDriver;

class TestToolkitTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sliderContextMenuIsJapanese();
};

void TestToolkitTexts::sliderContextMenuIsJapanese()
{
    QVERIFY(LoadToolkitTexts()); // as at start-up, before any widget exists
    TCMapTool window;
    QVERIFY(activate(&window));
    auto *bar = control<SliderBar>(&window, "BarR");

    // A right click on the slider, delivered through the window as the
    // platform delivers it, opens the toolkit's menu.
    QStringList texts;
    QTimer::singleShot(0, [&texts] {
        if (auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget())) {
            for (const QAction *action : menu->actions())
                if (!action->isSeparator())
                    texts << action->text();
            menu->close();
        }
    });
    const QPoint at = bar->mapTo(&window, bar->rect().center());
    QTest::mouseClick(window.windowHandle(), Qt::RightButton, {}, at);

    const QStringList expected = {
        QStringLiteral("ここにスクロール"),       QStringLiteral("左端にスクロール"),
        QStringLiteral("右端にスクロール"),       QStringLiteral("１ページ左へスクロール"),
        QStringLiteral("１ページ右へスクロール"), QStringLiteral("左へスクロール"),
        QStringLiteral("右へスクロール")};
    QCOMPARE(texts, expected);
}

QTEST_MAIN(TestToolkitTexts)
#include "tst_toolkittexts.moc"
