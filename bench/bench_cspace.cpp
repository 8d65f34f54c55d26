// Cost of one RGB -> HSL -> RGB round trip, averaged over all 2^24 colours.

#include "cspace/cspace.h"

#include <QElapsedTimer>
#include <QTest>

using namespace cSpace;

class BenchColorSpace final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void roundTrip();
};

void BenchColorSpace::roundTrip()
{
    constexpr TColor colourCount = 0x1000000;
    // Volatile ends keep the compiler from folding or dropping the loop.
    volatile TColor firstColour = 0;
    [[maybe_unused]] volatile TColor sink = 0;
    qint64 bestNanoseconds = std::numeric_limits<qint64>::max();
    QBENCHMARK_ONCE
    {
        for (int pass = 0; pass < 5; ++pass) {
            QElapsedTimer timer;
            timer.start();
            TColor sum = 0;
            for (TColor color = firstColour; color < colourCount; ++color)
                sum += HslToRgb(RgbToHsl(color));
            sink = sum;
            bestNanoseconds = std::min(bestNanoseconds, timer.nsecsElapsed());
        }
    }
    qInfo("RgbToHsl + HslToRgb round trip: %.2f ns per colour (best of 5 passes over %u colours)",
          double(bestNanoseconds) / colourCount, colourCount);
}

QTEST_APPLESS_MAIN(BenchColorSpace)
#include "bench_cspace.moc"
