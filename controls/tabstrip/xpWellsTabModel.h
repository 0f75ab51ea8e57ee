#pragma once

#include "cTabs.h"

#include <QVector>

// The tab collection of the tab strip, indexed from 1, with the lookup of
// access keys. Never empty.
class xpWellsTabModel
{
public:
    xpWellsTabModel();

    int NumberOfTabs() const { return int(m_tabs.size()); }
    bool isValidIndex(int index) const { return index >= 1 && index <= NumberOfTabs(); }

    // Valid indexes only.
    cTabs& tab(int index) { return m_tabs[index - 1]; }
    const cTabs& tab(int index) const { return m_tabs[index - 1]; }

    // Appends a tab; an empty caption becomes "Tab" and the new index.
    // Returns the new index.
    int AddTab(int width, const QString& caption, bool enabled, bool autoSize, const QPixmap& picture);
    // Removes the last tab; false (and nothing changed) when only one is left.
    bool DeleteTab();
    // Replaces all tabs by `count` (at least 1) default tabs.
    void reset(int count);

    // The first tab whose access character is `key` (case-insensitive); 0 when none.
    int GetTabAccessKey(QChar key) const;

private:
    QVector<cTabs> m_tabs;
};
