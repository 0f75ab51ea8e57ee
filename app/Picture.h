#pragma once

#include <QIcon>
#include <QWidget>

// A picture of the program's artwork, drawn sharp at any screen scale and
// presented to assistive technology as a graphic named by its accessible
// name.
class Picture : public QWidget
{
    Q_OBJECT

public:
    Picture(const QString& file, const QString& name, QWidget* parent = nullptr);

    // Shows or hides it only when that changes anything.
    void setShown(bool shown);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QIcon m_icon;
};
