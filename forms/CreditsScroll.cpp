#include "CreditsScroll.h"

#include "NumberText.h"

#include <QtGlobal>

namespace {

int rounded(double value)
{
    return int(roundHalfToEven(value));
}

int rampComponent(int background, int text, int index)
{
    return qMax(0, rounded(background + double(text - background) / CreditsScroll::RampTop * index));
}

// A fade of no span would divide by nothing; its lines show as background.
double fadeFactor(int span)
{
    return span == 0 ? 0.0 : double(CreditsScroll::RampTop) / span;
}

} // namespace

CreditsMeasures CreditsMeasures::forArea(int areaHeight, double letterHeight)
{
    CreditsMeasures measures;
    measures.lineHeight = rounded(letterHeight);
    measures.linesVisible = rounded(areaHeight / letterHeight + 1);
    measures.topFadeSpan = rounded(areaHeight / 100.0 * 20 - measures.lineHeight);
    measures.bottomFadeStart =
        rounded(areaHeight - measures.topFadeSpan - 2.0 * measures.lineHeight);
    measures.bottomFadeSpan =
        rounded(areaHeight - (measures.lineHeight - 10.0) - measures.bottomFadeStart);
    return measures;
}

CreditsScroll::CreditsScroll(QSize area, double letterHeight, QRgb background, QRgb text)
    : m_area(area),
      m_measures(CreditsMeasures::forArea(area.height(), letterHeight)),
      m_bottomFactor(fadeFactor(m_measures.bottomFadeSpan)),
      m_topFactor(fadeFactor(m_measures.topFadeSpan)),
      m_text(text),
      m_ramp(colourRamp(background, text))
{
    for (int i = 0; i < m_measures.linesVisible; ++i) {
        m_entries.append(QString());
        m_offsets.append(centreOffset(0));
    }
}

QList<QRgb> CreditsScroll::colourRamp(QRgb background, QRgb text)
{
    QList<QRgb> ramp;
    ramp.reserve(RampTop + 1);
    for (int i = 0; i <= RampTop; ++i)
        ramp.append(qRgb(rampComponent(qRed(background), qRed(text), i),
                         rampComponent(qGreen(background), qGreen(text), i),
                         rampComponent(qBlue(background), qBlue(text), i)));
    return ramp;
}

void CreditsScroll::appendLines(const QStringList& lines, const TextWidth& textWidth)
{
    for (const QString& line : lines) {
        m_entries.append(line);
        m_offsets.append(centreOffset(textWidth(line)));
    }
}

int CreditsScroll::centreOffset(int textWidth) const
{
    return rounded((m_area.width() - textWidth) / 2.0);
}

void CreditsScroll::tick()
{
    m_y -= Step;
    if (m_y < -m_measures.lineHeight) {
        ++m_topLine;
        m_y = 0;
        if (m_topLine > count() - 1)
            m_topLine = 0;
    }
}

QList<CreditsLine> CreditsScroll::visibleLines() const
{
    QList<CreditsLine> lines;
    lines.reserve(m_measures.linesVisible);
    for (int i = 1; i <= m_measures.linesVisible; ++i) {
        const int y = m_y + (i - 1) * m_measures.lineHeight;
        const int entry = (m_topLine + i) % count();
        lines.append({m_entries.at(entry), m_offsets.at(entry), y, colourAt(y)});
    }
    return lines;
}

int CreditsScroll::rampIndex(double position) const
{
    return qBound(0, rounded(position), RampTop);
}

QRgb CreditsScroll::colourAt(int y) const
{
    const int start = m_measures.bottomFadeStart;
    if (y > start && y < m_area.height())
        return m_ramp.at(rampIndex((m_measures.bottomFadeSpan - (y - start)) * m_bottomFactor));
    if (y < m_measures.topFadeSpan)
        return m_ramp.at(rampIndex(y * m_topFactor));
    return m_text;
}
