#pragma once

#include <QLineEdit>

// A text box for quantities and prices: typing lets through only digits,
// ".", "/", ":" and Backspace, and whatever else arrives by pasting or
// dropping is cleaned to those characters. Text set by the program is
// taken as it is.
class NumberBox : public QLineEdit
{
    Q_OBJECT

public:
    explicit NumberBox(QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void cleanEdit(const QString& text);
};
