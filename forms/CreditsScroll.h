#pragma once

#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>

// The measures of the credits, fixed when they load. Every length of the
// credits is in twips, the drawing area's units (15 to the pixel).
struct CreditsMeasures
{
    int lineHeight = 0;
    int linesVisible = 0;
    int topFadeSpan = 0;     // lines above it fade out towards the top
    int bottomFadeStart = 0; // lines below it fade in from the bottom
    int bottomFadeSpan = 0;

    // From the area's height and the height of the text "A".
    static CreditsMeasures forArea(int areaHeight, double letterHeight);
};

// One line as it is drawn: its text, its top-left place and its colour.
struct CreditsLine
{
    QString text;
    int x = 0;
    int y = 0;
    QRgb colour = 0;
};

// The credits' scrolling without a window: the line list (a screenful of
// empty entries, then the file's lines), the colour ramp from the
// background to the text colour, and the scroll position. Each tick moves
// the text up one step; the list is shown cyclically without end.
class CreditsScroll
{
public:
    static constexpr int Step = 15;
    static constexpr int RampTop = 100;
    // The width of a text in twips.
    using TextWidth = std::function<int(const QString&)>;

    // A screenful of empty entries, each centred in the area.
    CreditsScroll(QSize area, double letterHeight, QRgb background, QRgb text);

    // Appends the file's lines, each centred by its width.
    void appendLines(const QStringList& lines, const TextWidth& textWidth);

    void tick();
    QList<CreditsLine> visibleLines() const;
    // The colour of a line whose top is at `y`: paler the deeper it is in
    // either faded edge.
    QRgb colourAt(int y) const;

    const CreditsMeasures& measures() const { return m_measures; }
    const QList<QRgb>& ramp() const { return m_ramp; }
    int offset() const { return m_y; }
    int topLine() const { return m_topLine; }
    int count() const { return int(m_entries.size()); }

    // RampTop + 1 colours from `background` (index 0) to `text`.
    static QList<QRgb> colourRamp(QRgb background, QRgb text);

private:
    int centreOffset(int textWidth) const;
    int rampIndex(double position) const;

    QSize m_area;
    CreditsMeasures m_measures;
    double m_bottomFactor = 0;
    double m_topFactor = 0;
    QRgb m_text;
    QList<QRgb> m_ramp;
    QStringList m_entries;
    QList<int> m_offsets;
    int m_y = 0;
    int m_topLine = 0;
};
