#pragma once

#include <QAbstractButton>
#include <QSvgRenderer>

// The help picture: the help artwork acting as a push button. It takes the
// keyboard focus, clicks on Enter or Space, and presents itself to
// assistive technology as a button named "Help".
class HelpPicture : public QAbstractButton
{
    Q_OBJECT

public:
    explicit HelpPicture(QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QSvgRenderer m_picture;
};
