#include "Benchmark.h"

#include "XP_ProgressBar.h"

#include <QImage>
#include <QPainter>

// The cost of one progress bar paint, per look.
namespace {

void progressBarPaint()
{
    using namespace Benchmark;
    ProgressBarLook look;
    look.size = QSize(200, 22);
    look.color = QColor(0, 84, 227);
    look.percent = 64;
    look.showText = true;
    QImage target(look.size, QImage::Format_RGB32);
    for (int scrolling = 0; scrolling <= 9; ++scrolling) {
        look.look = ProgressLook(scrolling);
        const double ms = medianMs(501, [&] {
            QPainter painter(&target);
            paintProgressBar(painter, look);
        });
        report(QStringLiteral("progress bar 200 x 22 look %1 paint: %2").arg(scrolling).arg(milliseconds(ms)));
    }
}

} // namespace

TALLYVANE_BENCHMARK("progressbar", progressBarPaint);
