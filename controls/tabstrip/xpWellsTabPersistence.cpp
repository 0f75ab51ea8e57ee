#include "xpWellsTab.h"

#include "PropertyBag.h"

namespace {

QString tabKey(const char* word, int index)
{
    return QLatin1String(word) + QString::number(index);
}

QVariant color(quint32 value)
{
    return QVariant::fromValue(value);
}

// A stored edge outside 0..3 stands for the nearest one.
TabAlignment storedAlignment(int value)
{
    return TabAlignment(qBound(int(TabAlignment::Top), value, int(TabAlignment::Bottom)));
}

} // namespace

void xpWellsTab::WriteProperties(PropertyBag& bag) const
{
    bag.write(QStringLiteral("Alignment"), int(m_alignment));
    bag.write(QStringLiteral("TabHeight"), m_tabHeight);
    bag.write(QStringLiteral("BackColor"), color(m_backColor));
    bag.write(QStringLiteral("BackColorScroll"), color(m_backColorScroll));
    bag.write(QStringLiteral("ForeColor"), color(m_foreColor));
    bag.write(QStringLiteral("ForeColorActive"), color(m_foreColorActive));
    bag.write(QStringLiteral("ForeColorHot"), color(m_foreColorHot));
    bag.write(QStringLiteral("ForeColorDisabled"), color(m_foreColorDisabled));
    bag.write(QStringLiteral("FrameColor"), color(m_frameColor));
    bag.write(QStringLiteral("ScrollArrowColor"), color(m_scrollArrowColor));
    bag.write(QStringLiteral("MaskColor"), color(m_maskColor));
    bag.write(QStringLiteral("TabHotStripColor"), color(m_tabHotStripColor));
    bag.write(QStringLiteral("SelectedTab"), m_selectedTab);
    bag.write(QStringLiteral("Font"), font());
    bag.write(QStringLiteral("NumberOfTabs"), m_tabs.NumberOfTabs());
    for (int index = 1; index <= m_tabs.NumberOfTabs(); ++index) {
        const cTabs& tab = m_tabs.tab(index);
        bag.write(tabKey("TabPicture", index), tab.TabIcon());
        bag.write(tabKey("AutoSize", index), tab.autoSize());
        bag.write(tabKey("TabWidth", index), tab.width());
        bag.write(tabKey("TabText", index), tab.caption());
        bag.write(tabKey("TabEnabled", index), tab.enabled());
    }
}

void xpWellsTab::ReadProperties(const PropertyBag& bag)
{
    setFont(bag.readFont(QStringLiteral("Font"), font()));
    setAlignment(storedAlignment(bag.readInt(QStringLiteral("Alignment"), int(m_alignment))));
    setTabHeight(bag.readInt(QStringLiteral("TabHeight"), xpWellsTabLayout::MinimumTabHeight));
    setBackcolor(bag.readColor(QStringLiteral("BackColor"), OleColor::rgb(240, 240, 224)));
    setBackColorScroll(bag.readColor(QStringLiteral("BackColorScroll"), m_backColorScroll));
    setForeColor(bag.readColor(QStringLiteral("ForeColor"), OleColor::ButtonText));
    setForeColorActive(bag.readColor(QStringLiteral("ForeColorActive"), OleColor::rgb(56, 80, 152)));
    setForeColorHot(bag.readColor(QStringLiteral("ForeColorHot"), OleColor::rgb(0, 0, 255)));
    setForeColorDisabled(bag.readColor(QStringLiteral("ForeColorDisabled"), m_foreColorDisabled));
    setFrameColor(bag.readColor(QStringLiteral("FrameColor"), OleColor::rgb(152, 160, 160)));
    setScrollArrowColor(bag.readColor(QStringLiteral("ScrollArrowColor"), m_scrollArrowColor));
    setMaskColor(bag.readColor(QStringLiteral("MaskColor"), OleColor::rgb(255, 0, 255)));
    setTabHotStripColor(bag.readColor(QStringLiteral("TabHotStripColor"), OleColor::rgb(232, 144, 40)));
    const int selected = bag.readInt(QStringLiteral("SelectedTab"), 1);

    // The tabs come first, so that the selection read above has its tab.
    // Their widths are taken as stored: the strip may not have its final
    // size yet, and clamping now would lose them.
    m_tabs.reset(bag.readInt(QStringLiteral("NumberOfTabs"), 1));
    for (int index = 1; index <= m_tabs.NumberOfTabs(); ++index) {
        cTabs& tab = m_tabs.tab(index);
        tab.setAutoSize(bag.readBool(tabKey("AutoSize", index), tab.autoSize()));
        tab.setWidth(bag.readInt(tabKey("TabWidth", index), tab.width()));
        tab.setCaption(bag.readString(tabKey("TabText", index), tab.caption()));
        tab.setEnabled(bag.readBool(tabKey("TabEnabled", index), tab.enabled()));
        tab.setTabIcon(bag.readPicture(tabKey("TabPicture", index)));
    }
    m_firstVisible = 1;
    m_hotTab = 0;
    m_selectedTab = qMin(m_selectedTab, m_tabs.NumberOfTabs());
    m_previousTab = qMin(m_previousTab, m_tabs.NumberOfTabs());
    updateAccessKeys();
    DrawTab();
    setSelectedTab(m_tabs.isValidIndex(selected) ? selected : 1);
}
