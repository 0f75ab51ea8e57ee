#pragma once

#include <QWidget>

class CreditsScroll;

// The credits' drawing area `picCredits`: white, with the scroll's visible
// lines in their fade colours. Shown to assistive technology as static
// text named "Credits" whose description is the whole credits text.
class CreditsPicture : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TwipsPerPixel = 15;

    explicit CreditsPicture(QWidget* parent = nullptr);

    // Draws this scroll from now on; nothing draws only the background.
    void setScroll(const CreditsScroll* scroll);

    // The height of the text "A" and the width of a text, in twips.
    double letterHeight() const;
    int textWidth(const QString& text) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const CreditsScroll* m_scroll = nullptr;
};
