#pragma once

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

class xpWellsTab;

// The tab strip as assistive tools see it: a page-tab list whose children
// are its tabs, named by their captions, each selectable by its press
// action.
class xpWellsTabAccessible : public QAccessibleWidget
{
public:
    explicit xpWellsTabAccessible(xpWellsTab* strip);
    ~xpWellsTabAccessible() override;

    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;

    // Installs the factory once; every strip calls it.
    static void install();
    static void notifySelection(xpWellsTab* strip, int index);
    static void notifyTabsChanged(xpWellsTab* strip);

private:
    xpWellsTab* strip() const;

    mutable QHash<int, QAccessible::Id> m_children;
};

// One tab of a strip, addressed by its index.
class xpWellsTabButtonAccessible : public QAccessibleInterface, public QAccessibleActionInterface
{
public:
    xpWellsTabButtonAccessible(xpWellsTab* strip, int index);

    int tabIndex() const { return m_index; }

    bool isValid() const override;
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text type) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<xpWellsTab> m_strip;
    int m_index;
};
