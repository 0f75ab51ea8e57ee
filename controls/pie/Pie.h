#pragma once

#include "PieData.h"
#include "PieHitMap.h"
#include "Result.h"

#include <QImage>
#include <QList>
#include <QVariantList>
#include <QWidget>

class Dialogs;
class QLabel;

// The three-dimensional pie chart: an elliptical top face cut into slices
// with the side wall of its front half below, drawn from a list of
// percentages by CreatePie. The chart is drawn once per CreatePie and kept
// as a picture that painting only copies. The mouse events name the slice
// under the pointer through a hit map drawn with the chart.
//
// Dialogs: a value list whose running total passes 100 % is refused with a
// message through the service given to setDialogs(), or else through the
// program's shared one; the chart never opens a dialog of its own. It does
// not own the service, which must outlive it.
//
// The picture is drawn at the device pixel ratio of the screen the chart
// is on; the hit map and the mouse events stay in the widget's own pixels.
class Pie : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(quint32 Backcolor READ backcolor WRITE setBackcolor)
    Q_PROPERTY(int PieChartWidth READ pieChartWidth)
    Q_PROPERTY(int PieChartHeight READ pieChartHeight)
    Q_PROPERTY(int PieChartLength READ pieChartLength)

public:
    static constexpr int MinimumWidth = 200;
    static constexpr int MinimumHeight = 100;
    static constexpr int MinimumLength = 15;
    // The sizes are 16-bit numbers.
    static constexpr int MaximumSize = 32767;

    explicit Pie(QWidget* parent = nullptr);
    ~Pie() override;

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }

    // Draws the chart of `values` (percentages; the list ends before its
    // first empty entry) at width W, height H and side-wall length L, each
    // raised to its minimum. A list that is empty, holds no value above 0
    // or holds an entry that is not a number leaves the blank background.
    // False when the list is refused; the chart has told the operator why.
    bool CreatePie(const QVariantList& values, int width, int height, int length);
    void NewColor(const QVariant& FaceColor, const QVariant& ShadowColor);
    void ClearColors();

    quint32 backcolor() const { return m_backcolor; }
    void setBackcolor(quint32 color);
    int pieChartWidth() const { return m_chartWidth; }
    int pieChartHeight() const { return m_chartHeight; }
    int pieChartLength() const { return m_chartLength; }

    const PieColors& colors() const { return m_colors; }
    const QList<PieSlice>& slices() const { return m_slices; }
    // The slice under a pixel of the control, or -1.
    int hitTest(QPoint point) const;
    // The finished chart as the control shows it, at the device pixel
    // ratio it was last drawn for.
    const QImage& picture() const { return m_picture; }
    // What the chart shows, in words: its slices, or the information text.
    QString summary() const;

    QSize sizeHint() const override;

signals:
    void MouseOverPiePiece(int index, int button, double x, double y);
    void MouseOutPiePiece(int index, int button, double x, double y);
    void MouseDownPiePiece(int index, int button, double x, double y);
    void MouseUpPiePiece(int index, int button, double x, double y);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    using PieceSignal = void (Pie::*)(int, int, double, double);

    // Emits a mouse event's signal for a slice, or -1, with its button code.
    void emitPiece(PieceSignal signal, int slice, Qt::MouseButtons buttons,
                   const QMouseEvent* event);
    QRgb backgroundRgb() const;
    void drawChart();
    void clearChart();
    void paintPicture();
    QImage drawPicture(qreal ratio) const;
    Dialogs& dialogs() const;
    void reject(const Result& failure);
    void showInfo(const QString& text);
    void chartChanged();

    PieColors m_colors;
    PieValues m_values;
    QList<PieSlice> m_slices;
    PieChartPlan m_plan;
    PieHitMap m_hitMap;
    QImage m_picture;
    QLabel* m_infoLabel;
    Dialogs* m_dialogs = nullptr;
    quint32 m_backcolor;
    int m_chartWidth = MinimumWidth;
    int m_chartHeight = MinimumHeight;
    int m_chartLength = MinimumLength;
    bool m_drawn = false;
};
