// Cost of one step of an RGB slider: the whole change handler alone, and the
// handler with the repaint it causes. Offscreen, with the background as the
// element being edited (its colour repaints the whole preview). Both again
// with the contrast check open (F7), which follows every step: five of its
// rows change with the background.

#include "cmap/tcmaptool.h"
#include "controls/sliderbar.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTest>

class BenchSliderStep final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void handlerAlone();
    void handlerAndRepaint();
    void handlerWithCheckOpen();
    void handlerAndRepaintWithCheckOpen();

private:
    void openCheck();

    // Runs `steps` slider steps through `step` and reports the best of five
    // rounds in microseconds per step.
    template <typename Step> void measure(const char *what, Step step);

    std::unique_ptr<TCMapTool> m_window;
    SliderBar *m_red = nullptr;
};

void BenchSliderStep::initTestCase()
{
    m_window = std::make_unique<TCMapTool>();
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    m_red = m_window->findChild<SliderBar *>(QStringLiteral("BarR"));
    QVERIFY(m_red);
    if (qEnvironmentVariableIsSet("BENCH_LINK"))
        QTest::mouseClick(m_window->findChild<QWidget *>(QStringLiteral("P_Link")), Qt::LeftButton);
}

template <typename Step> void BenchSliderStep::measure(const char *what, Step step)
{
    const int steps = qEnvironmentVariableIntValue("BENCH_STEPS") > 0
                          ? qEnvironmentVariableIntValue("BENCH_STEPS")
                          : 2560;
    qint64 best = std::numeric_limits<qint64>::max();
    QBENCHMARK_ONCE
    {
        for (int round = 0; round < 5; ++round) {
            QElapsedTimer timer;
            timer.start();
            for (int i = 1; i <= steps; ++i)
                step(i % 256); // every step changes the value, so the handler runs
            best = std::min(best, timer.nsecsElapsed());
        }
    }
    qInfo("%s: %.2f us per step (best of 5 rounds of %d steps)", what,
          double(best) / steps / 1000.0, steps);
}

void BenchSliderStep::handlerAlone()
{
    measure("RGBChange handler", [this](int value) { m_red->setValue(value); });
}

void BenchSliderStep::handlerAndRepaint()
{
    measure("RGBChange handler + repaint", [this](int value) {
        m_red->setValue(value);
        QApplication::processEvents();
    });
}

void BenchSliderStep::openCheck()
{
    auto *check = m_window->findChild<QWidget *>(QStringLiteral("ContrastCheck"));
    if (check && check->isVisible())
        return;
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window.get()));
    QTest::keyClick(m_red, Qt::Key_F7);
    check = m_window->findChild<QWidget *>(QStringLiteral("ContrastCheck"));
    QVERIFY(check && QTest::qWaitForWindowExposed(check));
}

void BenchSliderStep::handlerWithCheckOpen()
{
    openCheck();
    handlerAlone();
}

void BenchSliderStep::handlerAndRepaintWithCheckOpen()
{
    openCheck();
    handlerAndRepaint();
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    BenchSliderStep bench;
    return QTest::qExec(&bench, argc, argv);
}

#include "bench_slider.moc"
