#include "Benchmark.h"

#include "chameleonButton.h"
#include "chameleonButtonPainter.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QImage>
#include <QResizeEvent>

// chameleonButton paint cost: one 120 x 32 button of each ButtonType,
// hovered and not (system colours, caption "&Save"). The figure is the
// median over 51 runs of the mean of 200 paints of the button's drawing
// into its surface (what paintEvent does after a redraw); the widget
// figure adds the redraw (DrawButton with force) and Qt's own repaint.
// Target: under 0.2 ms each.

namespace {

using namespace Benchmark;

constexpr int kPaints = 200;
constexpr int kRuns = 51;

void settle(chameleonButton& button)
{
    QResizeEvent resize(button.size(), QSize());
    QCoreApplication::sendEvent(&button, &resize);
    button.setAttribute(Qt::WA_PendingResizeEvent, false);
}

double paintMs(const chameleonButtonPaintState& state)
{
    QImage surface = chameleonButtonSurface(state, 1);
    return medianMs(kRuns, [&] {
               for (int i = 0; i < kPaints; ++i)
                   chameleonButtonPaint(surface, state);
           })
        / kPaints;
}

void buttonPaint()
{
    double worst = 0;
    using ButtonTypes = chameleonButton::ButtonTypes;
    for (int type = int(ButtonTypes::TypeClassic); type <= int(ButtonTypes::TypeBanded); ++type) {
        chameleonButton button;
        button.resize(120, 32);
        button.setButtonType(ButtonTypes(type));
        button.setCaption(QStringLiteral("&Save"));
        settle(button);
        const double normal = paintMs(button.paintState());
        QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
        QCoreApplication::sendEvent(&button, &enter);
        const double hovered = paintMs(button.paintState());
        worst = std::max({worst, normal, hovered});
        report(QStringLiteral("button 120 x 32 type %1 paint: %2, hovered %3")
                   .arg(type, 2)
                   .arg(milliseconds(normal), milliseconds(hovered)));
    }
    report(QStringLiteral("button paint, slowest of all types and states: %1 (target 0.2 ms)")
               .arg(milliseconds(worst)));

    // The whole widget path for the forms' type 3: redraw and repaint.
    chameleonButton button;
    button.resize(120, 32);
    button.setButtonType(ButtonTypes::TypeGradient);
    button.setCaption(QStringLiteral("&Save"));
    settle(button);
    QImage target(120, 32, QImage::Format_RGB32);
    const double widget = medianMs(kRuns, [&] {
                              for (int i = 0; i < kPaints; ++i) {
                                  button.DrawButton(i % 2 ? chameleonButton::ButtonState::Pressed
                                                          : chameleonButton::ButtonState::Normal,
                                                    true);
                                  button.render(&target);
                              }
                          })
        / kPaints;
    report(QStringLiteral("button 120 x 32 type 3 redraw and widget repaint: %1").arg(milliseconds(widget)));
}

} // namespace

TALLYVANE_BENCHMARK("button", buttonPaint);
