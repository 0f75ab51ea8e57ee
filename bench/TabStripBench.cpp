#include "Benchmark.h"

#include "xpWellsTab.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>

// The cost of painting the tab strip: five tabs at rest, with a hot tab,
// with icons, and a scroll step of a long row (layout and paint).
namespace {

std::unique_ptr<xpWellsTab> strip(int tabs, QSize size)
{
    auto result = std::make_unique<xpWellsTab>();
    result->resize(size);
    const QStringList captions{"&General", "&Address", "&Purchase", "P&ayment", "&Totals"};
    result->setTabCaption(1, captions.first());
    for (int i = 2; i <= tabs; ++i)
        result->AddTab(60, captions.value(i - 1, QStringLiteral("Page %1").arg(i)));
    return result;
}

double paintMs(xpWellsTab& tabs, QImage& target)
{
    return Benchmark::medianMs(1001, [&] { tabs.render(&target); });
}

void tabStripPaint()
{
    using namespace Benchmark;
    auto tabs = strip(5, QSize(360, 90));
    QImage target(tabs->size(), QImage::Format_RGB32);
    report(QStringLiteral("tab strip 5 tabs 360 x 90 paint: %1").arg(milliseconds(paintMs(*tabs, target))));

    const QPoint over = tabs->tabRect(3).center();
    QMouseEvent move(QEvent::MouseMove, over, tabs->mapToGlobal(over), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(tabs.get(), &move);
    report(QStringLiteral("tab strip 5 tabs, one hot, paint: %1").arg(milliseconds(paintMs(*tabs, target))));

    QPixmap icon(16, 16);
    icon.fill(QColor(255, 0, 255));
    for (int i = 1; i <= 5; ++i)
        tabs->setTabPicture(i, icon);
    report(QStringLiteral("tab strip 5 tabs with icons paint: %1").arg(milliseconds(paintMs(*tabs, target))));

    auto longRow = strip(30, QSize(360, 90));
    QImage longTarget(longRow->size(), QImage::Format_RGB32);
    bool forward = true;
    const double step = medianMs(1001, [&] {
        const int key = forward ? Qt::Key_PageDown : Qt::Key_PageUp;
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
        QCoreApplication::sendEvent(longRow.get(), &press);
        QCoreApplication::sendEvent(longRow.get(), &release);
        if (longRow->rowLayout().atEnd || longRow->firstVisibleTab() == 1)
            forward = !forward;
        longRow->render(&longTarget);
    });
    report(QStringLiteral("tab strip 30 tabs, one scroll step with paint: %1").arg(milliseconds(step)));
}

} // namespace

TALLYVANE_BENCHMARK("tabstrip", tabStripPaint);
