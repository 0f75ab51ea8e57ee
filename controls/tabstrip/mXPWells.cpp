#include "mXPWells.h"

#include "OleColor.h"
#include "WinPaint.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

#include <cmath>

namespace mXPWells {

namespace {

int clampChannel(int value)
{
    return qBound(0, value, 255);
}

int blend(int from, int to, int step, int steps)
{
    return steps <= 1 ? from : from + (to - from) * step / (steps - 1);
}

} // namespace

quint32 AdjustColor(quint32 colour, int amount, const QPalette& palette)
{
    const QColor resolved = OleColor::toColor(colour, palette);
    return OleColor::rgb(clampChannel(resolved.red() + amount), clampChannel(resolved.green() + amount),
                         clampChannel(resolved.blue() + amount));
}

quint32 AdjustColor(quint32 colour, int amount)
{
    return AdjustColor(colour, amount, QGuiApplication::palette());
}

QColor toQColor(quint32 colour)
{
    return OleColor::toColor(colour);
}

void GradientFill(QPainter& painter, const QColor& from, const QColor& to, const QRect& rect,
                  bool vertical)
{
    const int steps = vertical ? rect.height() : rect.width();
    for (int step = 0; step < steps; ++step) {
        const QColor band(blend(from.red(), to.red(), step, steps),
                          blend(from.green(), to.green(), step, steps),
                          blend(from.blue(), to.blue(), step, steps));
        const QRect bandRect = vertical ? QRect(rect.left(), rect.top() + step, rect.width(), 1)
                                        : QRect(rect.left() + step, rect.top(), 1, rect.height());
        WinPaint::fill(painter, bandRect, band);
    }
}

void DrawRect(QPainter& painter, const QRect& rect, quint32 colour, int amount, bool frame)
{
    const QColor adjusted = toQColor(AdjustColor(colour, amount));
    if (frame)
        WinPaint::frame(painter, rect, adjusted);
    else
        WinPaint::fill(painter, rect, adjusted);
}

void DrawLine(QPainter& painter, int x1, int y1, int x2, int y2, const QColor& colour)
{
    WinPaint::line(painter, x1, y1, x2, y2, colour);
}

void DrawPixel(QPainter& painter, int x, int y, const QColor& colour)
{
    WinPaint::pixel(painter, x, y, colour);
}

QSize MeasureText(const QFontMetrics& metrics, const QString& caption)
{
    if (caption.isEmpty())
        return QSize(0, metrics.height());
    return metrics.size(Qt::TextShowMnemonic, caption);
}

QString PlainText(const QString& caption)
{
    QString plain;
    plain.reserve(caption.size());
    for (int i = 0; i < caption.size(); ++i) {
        // "&x" shows x and "&&" shows one ampersand; a trailing "&" stays.
        if (caption.at(i) == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        plain += caption.at(i);
    }
    return plain;
}

QSize GetPictureSize(const QPixmap& picture)
{
    return picture.isNull() ? QSize(0, 0) : picture.size();
}

int roundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace mXPWells
