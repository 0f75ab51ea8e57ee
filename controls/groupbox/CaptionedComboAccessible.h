#pragma once

#include <QAccessibleWidget>

class QComboBox;

// A combo box heard by its caption. On Linux Qt's own interface names a
// combo box after its current text, so a screen reader announced the
// setup's currency box as "Select Your Currency" and never its caption.
// The value stays the current text; the list and the edit part are its
// children, as with Qt's interface.
class CaptionedComboAccessible : public QAccessibleWidget
{
public:
    explicit CaptionedComboAccessible(QComboBox* comboBox);

    QString text(QAccessible::Text kind) const override;
    QAccessible::State state() const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    static void install();

private:
    QComboBox* comboBox() const;
    QList<QObject*> parts() const;
};
