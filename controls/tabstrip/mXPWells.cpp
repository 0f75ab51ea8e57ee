#include "mXPWells.h"

#include "OleColor.h"
#include "WinPaint.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPixmap>

namespace mXPWells {

namespace {

int clampChannel(int value)
{
    return qBound(0, value, 255);
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

void DrawRect(QPainter& painter, const QRect& rect, quint32 colour, int amount, bool frame)
{
    const QColor adjusted = toQColor(AdjustColor(colour, amount));
    if (frame)
        WinPaint::frame(painter, rect, adjusted);
    else
        WinPaint::fill(painter, rect, adjusted);
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

} // namespace mXPWells
