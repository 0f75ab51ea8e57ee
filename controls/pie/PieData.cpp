#include "PieData.h"

#include "NumberText.h"
#include "OleColor.h"

#include <QStringList>

#include <cmath>
#include <optional>

namespace {

struct ColorPair
{
    quint32 face;
    quint32 shadow;
};

constexpr ColorPair kDefaultPairs[] = {
    {OleColor::rgb(168, 223, 11), OleColor::rgb(156, 198, 82)},
    {OleColor::rgb(0, 155, 225), OleColor::rgb(0, 115, 165)},
    {OleColor::rgb(1, 169, 44), OleColor::rgb(1, 122, 32)},
    {OleColor::rgb(210, 44, 2), OleColor::rgb(155, 33, 2)},
    {OleColor::rgb(250, 206, 1), OleColor::rgb(205, 169, 1)},
    {OleColor::rgb(193, 2, 170), OleColor::rgb(135, 1, 122)},
};

// Binary fractions must not turn values that add up to 100 for the
// operator (33.3, 33.3, 33.4) into an overflow.
constexpr double kTolerance = 1e-9;

// The chart paints the side wall of the rest of a total below 100 only for
// totals strictly between these two; otherwise that wall stays blank.
constexpr double kRestWallAbove = 13;
constexpr double kRestWallBelow = 63;
// The rest's wall takes the last colour pair's shadow below this total
// and its face colour from it on.
constexpr double kRestWallFaceFrom = 59;

// The wall of the rest, in the colour pair the colour assignment ended on.
std::optional<QRgb> restWallColor(double total, const PieColors& colors, int lastPair)
{
    if (total <= kRestWallAbove || total >= kRestWallBelow)
        return std::nullopt;
    const QVariant color = total < kRestWallFaceFrom ? colors.shadow(lastPair) : colors.face(lastPair);
    return PieColors::rgb(color);
}

bool isEmptyEntry(const QVariant& value)
{
    return !value.isValid() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

std::optional<double> numberOf(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString)
        return tryNumberFromText(value.toString());
    bool ok = false;
    const double number = value.toDouble(&ok);
    return ok && std::isfinite(number) ? std::optional<double>(number) : std::nullopt;
}

} // namespace

bool PieSlice::operator==(const PieSlice& other) const
{
    return StartPercent == other.StartPercent && EndPercent == other.EndPercent
        && FaceColor == other.FaceColor && ShadowColor == other.ShadowColor;
}

PieColors::PieColors()
{
    loadDefaults();
}

void PieColors::NewColor(const QVariant& FaceColor, const QVariant& ShadowColor)
{
    if (m_defaults) {
        m_defaults = false;
        m_faces.clear();
        m_shadows.clear();
    }
    m_faces.append(FaceColor);
    m_shadows.append(ShadowColor);
}

void PieColors::ClearColors()
{
    loadDefaults();
}

void PieColors::restoreDefaultsIfUnset()
{
    if (isEmptyEntry(face(0)))
        loadDefaults();
}

quint32 PieColors::colorValue(const QVariant& color)
{
    const std::optional<double> number = numberOf(color);
    // Colour numbers wrap like 32-bit values, so -2147483633 is a system colour.
    return number ? quint32(qint64(*number)) : 0u;
}

QRgb PieColors::rgb(const QVariant& color)
{
    return OleColor::toColor(colorValue(color)).rgb();
}

void PieColors::loadDefaults()
{
    m_faces.clear();
    m_shadows.clear();
    for (const ColorPair& pair : kDefaultPairs) {
        m_faces.append(pair.face);
        m_shadows.append(pair.shadow);
    }
    m_defaults = true;
}

PieValues PieValues::read(const QVariantList& values)
{
    PieValues read;
    double end = 0;
    for (const QVariant& entry : values) {
        if (isEmptyEntry(entry))
            break;
        const std::optional<double> number = numberOf(entry);
        read.m_numeric = read.m_numeric && number.has_value();
        read.m_values.append(number.value_or(0));
        ++read.m_count;
        if (!number || *number <= 0 || read.m_overflow)
            continue;
        const double start = end;
        end = start + *number;
        if (end > 100 + kTolerance) {
            read.m_overflow = true;
            continue;
        }
        if (end > 100 - kTolerance)
            end = 100;
        read.m_spans.append({read.m_count - 1, start, end});
    }
    return read;
}

Result PieValues::check() const
{
    if (m_numeric && m_overflow)
        return Result::failure(QStringLiteral("Please Select A Customer Which At Least Bought Product"));
    return Result::success();
}

namespace PieChart {

int colorIndex(int valueIndex, const PieColors& colors)
{
    return colors.count() > 0 ? valueIndex % colors.count() : 0;
}

QList<PieSlice> records(const PieValues& values, const PieColors& colors)
{
    QList<PieSlice> records(values.count());
    for (const PieSpan& span : values.spans()) {
        const int color = colorIndex(span.index, colors);
        PieSlice& record = records[span.index];
        record.StartPercent = int(roundHalfToEven(span.start));
        record.EndPercent = int(roundHalfToEven(span.end));
        record.FaceColor = QString::number(PieColors::colorValue(colors.face(color)));
        record.ShadowColor = QString::number(PieColors::colorValue(colors.shadow(color)));
    }
    return records;
}

PieChartPlan plan(const PieValues& values, const PieColors& colors)
{
    PieChartPlan plan;
    for (const PieSpan& span : values.spans()) {
        const int color = colorIndex(span.index, colors);
        plan.slices.append({span.index, span.start, span.end, PieColors::rgb(colors.face(color)),
                            PieColors::rgb(colors.shadow(color)), qRgb(0, 0, 0)});
    }
    plan.total = values.total();
    plan.remainderFace = PieColors::rgb(colors.shadow(0));
    plan.remainderSide = restWallColor(plan.total, colors, colorIndex(values.count() - 1, colors));
    return plan;
}

PieChartPlan hitMapPlan()
{
    PieChartPlan plan;
    for (int wedge = 0; wedge < 100; ++wedge) {
        const QRgb grey = qRgb(wedge, wedge, wedge);
        plan.slices.append({wedge, double(wedge), double(wedge + 1), grey, grey, grey});
    }
    plan.total = 100;
    return plan;
}

int sliceAt(const QList<PieSlice>& records, int wedge)
{
    for (int i = 0; i < records.size(); ++i) {
        if (records[i].StartPercent <= wedge && wedge < records[i].EndPercent)
            return i;
    }
    return -1;
}

QString describe(const PieValues& values)
{
    QStringList parts;
    for (const PieSpan& span : values.spans()) {
        parts.append(QStringLiteral("%1 %2: %3 %")
                         .arg(parts.isEmpty() ? QStringLiteral("Slice") : QStringLiteral("slice"))
                         .arg(span.index + 1)
                         .arg(generalNumberText(values.values().at(span.index))));
    }
    if (values.total() < 100)
        parts.append(QStringLiteral("rest: %1 %").arg(generalNumberText(100 - values.total())));
    return parts.join(QStringLiteral(", "));
}

} // namespace PieChart
