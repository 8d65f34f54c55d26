// The application shell: the About dialog and how the main window shows it,
// the ways to close the main window, the error display and the program icon.

#include "about/tabout.h"
#include "cmap/tcmaptool.h"
#include "controls/opaquelabel.h"
#include "controls/radiogroup.h"
#include "shell/errordisplay.h"
#include "shell/hintstyle.h"
#include "shell/programicon.h"
#include "windowdriver.h"

#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolTip>

#include <stdexcept>

using namespace WindowDriver;

namespace {

// Runs `check` on the first event-loop turn after the next modal loop starts.
template <typename Check> void whenModal(Check check)
{
    QTimer::singleShot(0, check);
}

// Closes a dialog when it goes out of scope, so that a failed check inside a
// modal loop cannot leave the test waiting forever.
struct CloseOnExit
{
    QWidget *dialog;
    ~CloseOnExit()
    {
        if (dialog->isVisible())
            dialog->close();
    }
};

} // namespace

class TestShell final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void aboutDialogLayout_data();
    void aboutDialogLayout();
    void aboutDialogShowsIconAtItsOwnSize();
    void aboutBlocksMainWindowAndEnterClosesIt();
    void aboutResults();
    void aboutCentredFirstThenWhereLeft();
    void mainWindowClosesThreeWaysButNotByEscape_data();
    void mainWindowClosesThreeWaysButNotByEscape();
    void errorText_data();
    void errorText();
    void errorInHandlerIsShownAndProgramGoesOn_data();
    void errorInHandlerIsShownAndProgramGoesOn();
    void iconPixels_data();
    void iconPixels();
    void ruleHintShowsAfterRestAndGoesAway();

private:
    std::unique_ptr<TCMapTool> m_window;
    std::unique_ptr<TAboutBox> m_about;
};

void TestShell::initTestCase()
{
    QApplication::setApplicationName(QStringLiteral("Tintwright"));
    // The program's own style, as main() installs it: it sets when hints show.
    QApplication::setStyle(new HintTimingStyle);
}

void TestShell::init()
{
    m_window = std::make_unique<TCMapTool>();
    m_about = std::make_unique<TAboutBox>(m_window.get()); // as the program makes it
    m_window->setAboutBox(m_about.get());
    QVERIFY(activate(m_window.get()));
    QVERIFY(!m_about->isVisible());
}

void TestShell::cleanup()
{
    m_about.reset();
    m_window.reset();
}

void TestShell::aboutDialogLayout_data()
{
    QTest::addColumn<QRect>("rect"); // relative to the dialog's client area
    QTest::addColumn<QString>("text");
    QTest::newRow("Panel1") << QRect(8, 4, 250, 120) << QString();
    QTest::newRow("OKButton") << QRect(99, 133, 65, 26) << QStringLiteral("OK");
    QTest::newRow("ProgramIcon") << QRect(16, 12, 41, 40) << QString();
    QTest::newRow("ProductName") << QRect(81, 15, -1, 12) << QStringLiteral("Tintwright");
    QTest::newRow("Version") << QRect(114, 36, -1, 12) << QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.1");
    QTest::newRow("RightsLine") << QRect(51, 59, -1, 12) << QString();
    QTest::newRow("Comments") << QRect(9, 81, 248, 42)
                              << QStringLiteral("簡単にHTMLﾀｸﾞのｶﾗｰｺｰﾄﾞを作成するﾂｰﾙです");
}

void TestShell::aboutDialogLayout()
{
    QFETCH(QRect, rect);
    QFETCH(QString, text);
    m_about->show();
    QCOMPARE(m_about->windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    QCOMPARE(m_about->size(), QSize(264, 165));
    QCOMPARE(m_about->minimumSize(), m_about->maximumSize());
    QVERIFY(
        !(m_about->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QCOMPARE(m_about->font().pixelSize(), 12);

    QWidget *widget = control(m_about.get(), QTest::currentDataTag());
    const QPoint where = widget->mapTo(m_about.get(), QPoint());
    QCOMPARE(where, rect.topLeft());
    if (rect.width() < 0) { // sized to its text
        auto *label = qobject_cast<OpaqueLabel *>(widget);
        QCOMPARE(widget->width(), label->fontMetrics().horizontalAdvance(label->text()));
        QVERIFY(!label->text().isEmpty());
    } else {
        QCOMPARE(widget->size(), rect.size());
    }
    QCOMPARE(widget->height(), rect.height());
    if (!text.isEmpty()) {
        if (auto *label = qobject_cast<OpaqueLabel *>(widget))
            QCOMPARE(label->text(), text);
        else
            QCOMPARE(qobject_cast<QPushButton *>(widget)->text(), text);
    }
}

void TestShell::aboutDialogShowsIconAtItsOwnSize()
{
    m_about->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_about.get()));
    auto *icon = control<QLabel>(m_about.get(), "ProgramIcon");
    const QImage shot = onScreen(icon);
    const QImage expected = ProgramIconImage().convertToFormat(QImage::Format_RGB32);
    QCOMPARE(shot.copy(0, 0, 32, 32), expected);
    // Not stretched: beyond 32 pixels lies the panel.
    QCOMPARE(shot.pixelColor(36, 36), icon->palette().color(QPalette::Window));
}

void TestShell::aboutBlocksMainWindowAndEnterClosesIt()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("untouched"));
    bool checked = false;
    const auto whileOpen = [&] {
        const CloseOnExit guard{m_about.get()};
        QCOMPARE(QApplication::activeModalWidget(), m_about.get());
        QVERIFY(m_about->isVisible());
        QCOMPARE(m_about->focusWidget(), control(m_about.get(), "OKButton"));
        // The main window takes no input: neither Ctrl+C nor a click on the copy button.
        QTest::keyClick(m_window->windowHandle(), Qt::Key_C, Qt::ControlModifier);
        QWidget *copy = control(m_window.get(), "Button3");
        QTest::mouseClick(m_window->windowHandle(), Qt::LeftButton, {},
                          copy->mapTo(m_window.get(), copy->rect().center()));
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("untouched"));
        // Escape does not close it; Enter does.
        QTest::keyClick(m_about.get(), Qt::Key_Escape);
        QVERIFY(m_about->isVisible());
        checked = true;
        QTest::keyClick(m_about.get(), Qt::Key_Return);
    };
    // Help -> About by its menu accelerators. The command returns at once
    // and the dialog opens on the next turn of the event loop.
    QTest::keyClick(m_window.get(), Qt::Key_H, Qt::AltModifier);
    QMenu *help = m_window->findChild<QMenu *>(QStringLiteral("Help1"));
    QTRY_VERIFY(help->isVisible());
    QTest::keyClick(help, Qt::Key_A);
    QVERIFY(!m_about->isVisible());
    whenModal(whileOpen);
    QTRY_VERIFY(checked);
    QVERIFY(!m_about->isVisible());
    QCOMPARE(m_about->result(), TAboutBox::OkResult);
    // Afterwards the main window answers again.
    QVERIFY(activate(m_window.get()));
    QTest::keyClick(m_window.get(), Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QGuiApplication::clipboard()->text().startsWith(QStringLiteral("<BODY")));
}

void TestShell::aboutResults()
{
    whenModal([&] { click(control(m_about.get(), "OKButton")); });
    QCOMPARE(m_about->exec(), TAboutBox::OkResult);
    whenModal([&] { m_about->close(); }); // the close box
    QCOMPARE(m_about->exec(), TAboutBox::CloseBoxResult);
}

void TestShell::aboutCentredFirstThenWhereLeft()
{
    const QRect screen = m_about->screen()->geometry();
    QPoint first;
    whenModal([&] {
        first = m_about->frameGeometry().topLeft();
        m_about->move(40, 30); // the user moves it
        m_about->close();
    });
    m_about->exec();
    const QSize outer = m_about->frameGeometry().size();
    QCOMPARE(first,
             QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
    QPoint second;
    whenModal([&] {
        second = m_about->pos();
        m_about->close();
    });
    m_about->exec();
    QCOMPARE(second, QPoint(40, 30));
}

void TestShell::mainWindowClosesThreeWaysButNotByEscape_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("closes");
    QTest::newRow("close button") << QStringLiteral("button") << true;
    QTest::newRow("File > Exit") << QStringLiteral("menu") << true;
    QTest::newRow("close box") << QStringLiteral("box") << true;
    QTest::newRow("Escape") << QStringLiteral("escape") << false;
    QTest::newRow("Enter on a slider") << QStringLiteral("enter") << false;
    QTest::newRow("Enter on the close button") << QStringLiteral("enter on close") << true;
}

void TestShell::mainWindowClosesThreeWaysButNotByEscape()
{
    QFETCH(QString, way);
    QFETCH(bool, closes);
    if (way == u"button") {
        click(control(m_window.get(), "BitBtn1"));
    } else if (way == u"menu") {
        QTest::keyClick(m_window.get(), Qt::Key_F, Qt::AltModifier);
        QMenu *file = m_window->findChild<QMenu *>(QStringLiteral("File2"));
        QTRY_VERIFY(file->isVisible());
        QTest::keyClick(file, Qt::Key_X);
    } else if (way == u"box") {
        m_window->close();
    } else if (way == u"enter on close") {
        QWidget *closeButton = control(m_window.get(), "BitBtn1");
        closeButton->setFocus();
        QTest::keyClick(closeButton, Qt::Key_Return);
    } else if (way == u"escape") {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    } else {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    }
    QCOMPARE(m_window->isVisible(), !closes);
}

void TestShell::errorText_data()
{
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("shown");
    QTest::newRow("letter gets a period") << QStringLiteral("abc") << QStringLiteral("abc.");
    QTest::newRow("period kept single") << QStringLiteral("abc.") << QStringLiteral("abc.");
    QTest::newRow("exclamation sorts before") << QStringLiteral("abc!") << QStringLiteral("abc!");
    QTest::newRow("hyphen sorts before") << QStringLiteral("abc-") << QStringLiteral("abc-");
    QTest::newRow("slash sorts after") << QStringLiteral("abc/") << QStringLiteral("abc/.");
    QTest::newRow("Japanese") << QStringLiteral("開くことができません")
                              << QStringLiteral("開くことができません.");
    QTest::newRow("empty") << QString() << QString();
}

void TestShell::errorText()
{
    QFETCH(QString, message);
    QFETCH(QString, shown);
    QCOMPARE(ErrorText(message), shown);
}

void TestShell::errorInHandlerIsShownAndProgramGoesOn_data()
{
    QTest::addColumn<bool>("standardError");
    QTest::addColumn<QString>("shown");
    QTest::newRow("standard error") << true << QStringLiteral("壊れました.");
    QTest::newRow("anything else thrown") << false << QStringLiteral("Unexpected error.");
}

void TestShell::errorInHandlerIsShownAndProgramGoesOn()
{
    QFETCH(bool, standardError);
    QFETCH(QString, shown);
    QString shownTitle;
    QString shownText;
    whenModal([&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        QVERIFY(box);
        const CloseOnExit guard{box};
        shownTitle = box->windowTitle();
        shownText = box->text();
        QCOMPARE(box->icon(), QMessageBox::Critical);
        box->button(QMessageBox::Ok)->click();
    });
    // A handler bound as the window binds its own, run by a click.
    auto *swatch = control<ClickableControl>(m_window.get(), "P_Link");
    const auto connection =
        connect(swatch, &ClickableControl::clicked, this, Guarded([standardError] {
                    if (standardError)
                        throw std::runtime_error("壊れました");
                    throw 42;
                }));
    click(swatch);
    disconnect(connection);
    QCOMPARE(shownTitle, QStringLiteral("Tintwright"));
    QCOMPARE(shownText, shown);
    // The program goes on: the box is gone and the window answers the next click.
    QVERIFY(!QApplication::activeModalWidget());
    click(control(m_window.get(), "P_Table"));
    QCOMPARE(m_window->currentElement(), 5);
}

void TestShell::iconPixels_data()
{
    QTest::addColumn<QPoint>("where");
    QTest::addColumn<QColor>("colour");
    const QColor silver(0xC0, 0xC0, 0xC0), black(Qt::black), red(0xFF, 0, 0), blue(0, 0, 0xFF),
        yellow(0xFF, 0xFF, 0), green(0, 0xFF, 0);
    QTest::newRow("band left") << QPoint(0, 0) << silver;
    QTest::newRow("band right") << QPoint(31, 2) << silver;
    QTest::newRow("top line") << QPoint(12, 3) << black;
    QTest::newRow("bottom line") << QPoint(12, 31) << black;
    QTest::newRow("left line") << QPoint(0, 12) << black;
    QTest::newRow("right line") << QPoint(31, 12) << black;
    QTest::newRow("inner column line") << QPoint(15, 20) << black;
    QTest::newRow("inner row line") << QPoint(20, 17) << black;
    // Squares: rows of (red, blue, yellow, green), (blue, yellow, green, red),
    // (yellow, green, red, blue), (green, yellow, blue, red).
    const QColor squares[4][4] = {{red, blue, yellow, green},
                                  {blue, yellow, green, red},
                                  {yellow, green, red, blue},
                                  {green, yellow, blue, red}};
    const int firstRows[] = {4, 11, 18, 25};
    const int firstColumns[] = {1, 8, 16, 24};
    const int lastColumns[] = {6, 14, 22, 30};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 4; ++column) {
            const QByteArray tag =
                "square " + QByteArray::number(row) + "," + QByteArray::number(column);
            QTest::newRow(tag + " first")
                << QPoint(firstColumns[column], firstRows[row]) << squares[row][column];
            QTest::newRow(tag + " last")
                << QPoint(lastColumns[column], firstRows[row] + 5) << squares[row][column];
        }
    }
}

void TestShell::iconPixels()
{
    QFETCH(QPoint, where);
    QFETCH(QColor, colour);
    const QImage icon = ProgramIconImage();
    QCOMPARE(icon.size(), QSize(32, 32));
    QCOMPARE(icon.colorCount(), 16);
    QVERIFY(!icon.hasAlphaChannel());
    QCOMPARE(icon.pixelColor(where), colour);
    // The window and the task bar show the same picture.
    QVERIFY(!ProgramIcon().isNull());
}

void TestShell::ruleHintShowsAfterRestAndGoesAway()
{
    // The program's hint timing, with its own style: nothing before the
    // pointer has rested, the hint after half a second, and gone again some
    // 2.5 s later. The bounds are generous: they check the order of events
    // and tell half a second from several, not speed. No earlier test shows
    // a hint, so the first one takes the full delay.
    auto *tagTypes = control<RadioGroup>(m_window.get(), "MakeType");
    QTest::mouseClick(tagTypes->button(2), Qt::LeftButton); // the rule: hint on
    QVERIFY(tagTypes->showHint());
    QWidget *over = tagTypes->button(5); // a button without a hint of its own
    QElapsedTimer rested;
    QTest::mouseMove(over, over->rect().center());
    rested.start();
    QTest::qWait(250);
    QVERIFY(!QToolTip::isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 2000);
    const qint64 shownAfter = rested.elapsed();
    QVERIFY2(shownAfter >= 450, qPrintable(QString::number(shownAfter)));
    QCOMPARE(QToolTip::text(), QStringLiteral("<HR...>はIE3.0以降のみです"));
    QElapsedTimer shown;
    shown.start();
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 6000);
    QVERIFY2(shown.elapsed() >= 2000, qPrintable(QString::number(shown.elapsed())));

    // Another tag type turns the hint off: resting past the delay shows
    // nothing. (The quick re-show after a hint lasts 2 s from its showing,
    // so it is over by now.)
    QTest::mouseClick(tagTypes->button(0), Qt::LeftButton);
    QTest::mouseMove(over, over->rect().center() + QPoint(1, 0));
    QTest::qWait(900);
    QVERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
