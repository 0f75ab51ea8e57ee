#include "xpWellsTabModel.h"

xpWellsTabModel::xpWellsTabModel()
{
    reset(1);
}

int xpWellsTabModel::AddTab(int width, const QString& caption, bool enabled, bool autoSize,
                            const QPixmap& picture)
{
    const int index = NumberOfTabs() + 1;
    cTabs tab;
    tab.setWidth(width);
    tab.setCaption(caption.isEmpty() ? QStringLiteral("Tab%1").arg(index) : caption);
    tab.setEnabled(enabled);
    tab.setAutoSize(autoSize);
    tab.setTabIcon(picture);
    m_tabs.append(tab);
    return index;
}

bool xpWellsTabModel::DeleteTab()
{
    if (NumberOfTabs() <= 1)
        return false;
    m_tabs.removeLast();
    return true;
}

void xpWellsTabModel::reset(int count)
{
    m_tabs.clear();
    for (int i = 0; i < qMax(1, count); ++i)
        AddTab(cTabs::DefaultWidth, QString(), true, true, QPixmap());
}

int xpWellsTabModel::GetTabAccessKey(QChar key) const
{
    const QChar lower = key.toLower();
    if (lower.isNull())
        return 0;
    for (int index = 1; index <= NumberOfTabs(); ++index) {
        if (tab(index).accessKey() == lower)
            return index;
    }
    return 0;
}
