#pragma once

#include <QLabel>

// A label that shows a value under or beside a heading. Assistive
// technology hears the heading with the value ("Name: Ann Lee"), and a
// value set again unchanged costs nothing, so timers may set it every tick.
class ValueLabel : public QLabel
{
    Q_OBJECT

public:
    ValueLabel(const QString& heading, const QString& initial, QWidget* parent = nullptr);

    void setValue(const QString& value);
    QString value() const { return text(); }

    const QString& heading() const { return m_heading; }
    // The heading spoken before the value; the visible heading is separate.
    void setHeading(const QString& heading);

private:
    void updateAccessibleName();

    QString m_heading;
};

// A heading label with its value label, placed on one line.
struct HeadedValue
{
    QLabel* heading;
    ValueLabel* value;
};

// Places "heading value" at (x, y) in `parent`: the heading headingWidth
// pixels wide, the value after it up to `width`.
HeadedValue addHeadedValue(QWidget* parent, const QString& heading, const QString& initial, int x,
                           int y, int headingWidth, int width);

// A small, muted label for a heading over a value or a note under a field.
QLabel* newNoteLabel(const QString& text, QWidget* parent);
