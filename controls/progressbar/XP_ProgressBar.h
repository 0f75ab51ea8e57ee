#pragma once

#include "OleColor.h"
#include "XP_ProgressBarPainter.h"

#include <QImage>
#include <QWidget>

class PropertyBag;

// The widget set's progress bar: a bar that fills from 0 % to 100 % in one
// of ten looks (`Scrolling`), optionally with the percentage as text. It
// draws into a back buffer of its own size and copies that to the screen.
class XP_ProgressBar : public QWidget
{
    Q_OBJECT

public:
    // The stored percentage for a value: round(value * 100 / max + min),
    // halves to even; a Max of 0 gives 0.
    static int percentFor(int value, int min, int max);
    // The value read back from a stored percentage.
    static int valueFor(int percent, int min, int max);

    explicit XP_ProgressBar(QWidget* parent = nullptr);

    int Value() const;
    void setValue(int value);
    int percent() const { return m_look.percent; }

    int Min() const { return m_min; }
    void setMin(int min) { m_min = min; }
    int Max() const { return m_max; }
    void setMax(int max) { m_max = max; }

    // Setting a system colour stores the RGB it stands for now. Only the
    // default (system highlight, until a colour is set or loaded) follows
    // the palette at every paint.
    quint32 Color() const { return m_color; }
    void setColor(quint32 color);

    ProgressLook Scrolling() const { return m_look.look; }
    void setScrolling(ProgressLook look);
    int Orientation() const { return m_look.vertical ? 1 : 0; }
    void setOrientation(int orientation);
    bool ShowText() const { return m_look.showText; }
    void setShowText(bool show);
    int BrushStyle() const { return m_look.brushStyle; }
    void setBrushStyle(int style) { m_look.brushStyle = style; }
    const QPixmap& Image() const { return m_look.image; }
    void setImage(const QPixmap& image);
    const QFont& Font() const { return m_look.font; }
    void setFont(const QFont& font);

    // The text drawn when ShowText is on.
    QString text() const;

    void writeProperties(PropertyBag& bag) const;
    void readProperties(const PropertyBag& bag);

    void DrawProgressBar();
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    int storedValue() const;
    void ensureBuffer();

    ProgressBarLook m_look;
    quint32 m_color = OleColor::Highlight;
    int m_value = 0;
    int m_min = 0;
    int m_max = 100;
    QImage m_buffer;
};
