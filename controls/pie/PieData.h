#pragma once

#include "Result.h"

#include <QList>
#include <QRgb>
#include <QString>
#include <QVariant>

#include <optional>

// What the chart keeps of each value index: where the slice begins and
// ends in whole percent, and its colours as decimal colour numbers. An
// index whose value is not above 0 keeps a record of zeros.
struct PieSlice
{
    int StartPercent = 0;
    int EndPercent = 0;
    QString FaceColor;
    QString ShadowColor;

    bool operator==(const PieSlice& other) const;
};

// The face and shadow colour lists, one pair per index. They start as the
// six built-in pairs; the first NewColor after that replaces them.
class PieColors
{
public:
    PieColors();

    void NewColor(const QVariant& FaceColor, const QVariant& ShadowColor);
    void ClearColors();
    // A host may have stored an empty text as the first face colour.
    void restoreDefaultsIfUnset();

    bool holdsDefaults() const { return m_defaults; }
    int count() const { return int(m_faces.size()); }
    QVariant face(int index) const { return m_faces.value(index); }
    QVariant shadow(int index) const { return m_shadows.value(index); }

    static quint32 colorValue(const QVariant& color);
    static QRgb rgb(const QVariant& color);

private:
    void loadDefaults();

    QVariantList m_faces;
    QVariantList m_shadows;
    bool m_defaults = true;
};

// One value that becomes a slice, in percent of the whole circle.
struct PieSpan
{
    int index;
    double start;
    double end;
};

// A value list as the chart reads it: it ends before its first empty
// entry; entries above 0 are slices, one after the other from 0 %.
class PieValues
{
public:
    static PieValues read(const QVariantList& values);

    int count() const { return m_count; }
    const QList<double>& values() const { return m_values; }
    const QList<PieSpan>& spans() const { return m_spans; }
    double total() const { return m_spans.isEmpty() ? 0 : m_spans.last().end; }
    // Nothing to draw: no slices, or an entry that is not a number.
    bool isBlank() const { return m_spans.isEmpty() || !m_numeric; }
    // The running total may not pass 100 %.
    Result check() const;

private:
    QList<double> m_values;
    QList<PieSpan> m_spans;
    int m_count = 0;
    bool m_numeric = true;
    bool m_overflow = false;
};

// Everything the drawing needs to know about one slice.
struct PieChartSlice
{
    int index;
    double start;
    double end;
    QRgb face;
    QRgb shadow;
    QRgb line;
};

// The slices to draw, and for a total below 100 the colours of the rest:
// its face always, its side wall only when the chart paints it.
struct PieChartPlan
{
    QList<PieChartSlice> slices;
    double total = 0;
    QRgb remainderFace = 0;
    std::optional<QRgb> remainderSide;

    bool hasRemainder() const { return total < 100; }
};

namespace PieChart {

// Colour index of each value index: the pairs in turn, wrapping round.
int colorIndex(int valueIndex, const PieColors& colors);
QList<PieSlice> records(const PieValues& values, const PieColors& colors);
PieChartPlan plan(const PieValues& values, const PieColors& colors);
// The hit map: 100 wedges of 1 %, wedge k in grey RGB(k, k, k).
PieChartPlan hitMapPlan();
// The slice whose record holds wedge k, or -1.
int sliceAt(const QList<PieSlice>& records, int wedge);
// "Slice 1: 25 %, slice 2: 75 %", for assistive technology.
QString describe(const PieValues& values);

} // namespace PieChart
