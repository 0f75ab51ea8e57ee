#pragma once

#include <QIcon>
#include <QTimer>
#include <QWidget>

// The first window of a run: the product artwork, frameless and centred,
// for a fixed time, after which it closes and asks for the log-on window.
// Clicks and keys do nothing and do not shorten the wait.
class FrmSplash : public QWidget
{
    Q_OBJECT

public:
    static constexpr int ShowMilliseconds = 4000;

    explicit FrmSplash(QWidget* parent = nullptr);

    // Tmr's single tick: the splash closes and the log-on follows. Runs
    // once; public so that tests need not wait.
    void timeUp();
    bool waiting() const { return Tmr.isActive(); }

signals:
    void logonRequested();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:

    QIcon Image1;
    QTimer Tmr;
    bool m_timeUp = false;
};
