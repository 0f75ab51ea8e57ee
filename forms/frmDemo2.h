#pragma once

#include <QTimer>
#include <QWidget>

#include <memory>

class CreditsPicture;
class CreditsScroll;
class Dialogs;

// The window "Credits": the lines of "Credits.txt" in the program's folder,
// centred, scrolling upwards without end, fading in at the bottom edge and
// out at the top. Each opening reads the file again when the window shows;
// without the file the operator is told once and the window stays empty and
// still. Escape or the close box closes it, and the scrolling stops.
class frmDemo2 : public QWidget
{
    Q_OBJECT

public:
    static constexpr int TickMilliseconds = 20;

    frmDemo2(Dialogs& dialogs, const QString& programFolder, QWidget* parent = nullptr);
    ~frmDemo2() override;

    // Reads the file and starts the scrolling; runs by itself when the
    // window shows, once per opening.
    void load();
    // The timer's tick: one step up and a redraw.
    void tick();
    bool scrolling() const { return m_timer.isActive(); }

    // The scroll of this opening; nothing before a load or without the file.
    const CreditsScroll* scroll() const { return m_scroll.get(); }
    CreditsPicture* picture() const { return picCredits; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Dialogs& m_dialogs;
    QString m_programFolder;
    CreditsPicture* picCredits;
    std::unique_ptr<CreditsScroll> m_scroll;
    QTimer m_timer;
    bool m_loaded = false;
};
