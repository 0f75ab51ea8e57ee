#include "FrmSplash.h"

#include "Artwork.h"
#include "WindowPlacement.h"

#include <QPainter>

namespace {

constexpr int kClientWidth = 6015 / 15;
constexpr int kClientHeight = 2775 / 15;
constexpr QColor kOutline(0x0B, 0x5A, 0x64);

} // namespace

FrmSplash::FrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint),
      Image1(Artwork::icon(QStringLiteral("splash.svg")))
{
    setObjectName(QStringLiteral("FrmSplash"));
    setWindowTitle(QStringLiteral("Tallyvane"));
    setAccessibleName(QStringLiteral("Tallyvane"));
    setFixedSize(kClientWidth, kClientHeight);
    Tmr.setSingleShot(true);
    Tmr.setInterval(ShowMilliseconds);
    connect(&Tmr, &QTimer::timeout, this, &FrmSplash::timeUp);
}

void FrmSplash::showEvent(QShowEvent* event)
{
    centreOnPointerScreen(this);
    if (!m_timeUp && !Tmr.isActive())
        Tmr.start();
    QWidget::showEvent(event);
}

void FrmSplash::timeUp()
{
    if (m_timeUp)
        return;
    m_timeUp = true;
    Tmr.stop();
    close();
    emit logonRequested();
}

void FrmSplash::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Image1.paint(&painter, rect());
    // ShpBox: a one-pixel outline round the whole client area.
    painter.setPen(kOutline);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
}
