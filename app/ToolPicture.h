#pragma once

#include <QAbstractButton>
#include <QIcon>

class Picture;

// A tool of the main window: a picture with its caption below, which acts
// as a push button. It takes the keyboard focus, clicks on Enter or Space,
// and presents itself to assistive technology as a button named by its
// caption. A small lock mark beside the picture shows when the session's
// role keeps the tool locked.
class ToolPicture : public QAbstractButton
{
    Q_OBJECT

public:
    static constexpr int ToolSide = 32;
    static constexpr int LockSide = 16;

    // A tool with its caption under a ToolSide picture. With an empty
    // caption the picture fills the control (the help and credits
    // pictures), and the accessible name must be given.
    ToolPicture(const QString& caption, const QString& pictureFile, QWidget* parent = nullptr);

    // The lock mark beside the picture, hidden until the role rules show it.
    Picture* lockMark() const { return m_lockMark; }
    void setLockMarkVisible(bool visible);
    bool lockMarkVisible() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QRect pictureRect() const;
    QRect captionRect() const;

    QIcon m_picture;
    Picture* m_lockMark;
    bool m_hovered = false;
};
