#pragma once

#include "xpWellsTabSelection.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>

#include <functional>

class xpWellsTab;

// The tab strip as assistive tools see it: a page-tab list named by its
// accessible name ("Tabs" without one), whose children are its tabs,
// named by their captions, each selectable by its press action or through
// the list's selection. The selected tab holds the focus while the strip
// has it.
class xpWellsTabAccessible : public QAccessibleWidget, public xpWellsTabSelection
{
public:
    explicit xpWellsTabAccessible(xpWellsTab* strip);
    ~xpWellsTabAccessible() override;

    QString text(QAccessible::Text type) const override;
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    QAccessibleInterface* focusChild() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // One tab is always selected: it can be moved, not removed or added to.
    int selectedItemCount() const override;
    QList<QAccessibleInterface*> selectedItems() const override;
    bool select(QAccessibleInterface* childItem) override;
    bool unselect(QAccessibleInterface* childItem) override;
    bool selectAll() override;
    bool clear() override;

    // Installs the factory once; every strip calls it.
    static void install();
    // The selection moved to `index`; with the focus in the strip, so did the focus.
    static void notifySelection(xpWellsTab* strip, int index);
    static void notifyFocus(xpWellsTab* strip, int index);
    static void notifyTabsChanged(xpWellsTab* strip);

    // Sees every event the strips raise, also while no assistive tool
    // listens (Qt then drops them); an empty observer ends the watch.
    using EventObserver = std::function<void(const QAccessibleEvent&)>;
    static void observeEvents(EventObserver observer);

private:
    xpWellsTab* strip() const;
    int tabOf(const QAccessibleInterface* child) const;

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
    // Also for a scrolled-out tab: where the row would show it.
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    // The access key that selects this tab, as a key sequence text; empty
    // when it has none or an earlier tab has the same one.
    QString accessKey() const;

    QPointer<xpWellsTab> m_strip;
    int m_index;
};
