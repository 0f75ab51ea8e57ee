#include "Gallery.h"

#include "XP_ProgressBar.h"

#include <QPainter>

namespace {

QPixmap stripes()
{
    QPixmap pattern(8, 8);
    pattern.fill(QColor(255, 236, 170));
    QPainter painter(&pattern);
    painter.fillRect(0, 0, 4, 8, QColor(232, 144, 40));
    return pattern;
}

GallerySample bar(const QString& name, int look, int value, bool text, int orientation = 0)
{
    return {name, [=] {
        auto* progress = new XP_ProgressBar;
        progress->resize(orientation ? QSize(30, 120) : QSize(200, 22));
        progress->setScrolling(ProgressLook(look));
        progress->setOrientation(orientation);
        progress->setShowText(text);
        progress->setImage(stripes());
        progress->setValue(value);
        return static_cast<QWidget*>(progress);
    }};
}

QList<GallerySample> progressBars()
{
    QList<GallerySample> samples;
    for (int look = 0; look <= 9; ++look) {
        const QString name = QStringLiteral("progressbar-look%1").arg(look);
        samples << bar(name + QStringLiteral("-0"), look, 0, false)
                << bar(name + QStringLiteral("-45"), look, 45, look % 2 == 0)
                << bar(name + QStringLiteral("-100"), look, 100, true);
    }
    samples << bar(QStringLiteral("progressbar-look0-vertical"), 0, 60, false, 1)
            << bar(QStringLiteral("progressbar-look1-vertical"), 1, 60, false, 1);
    return samples;
}

} // namespace

TALLYVANE_GALLERY_SECTION("Progress bar", progressBars);
