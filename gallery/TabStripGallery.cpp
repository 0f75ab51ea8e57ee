#include "Gallery.h"

#include "QtDialogs.h"
#include "Tabs.h"
#include "xpWellsTab.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>

// The tab strip in its states and along each edge. Double-clicking a strip
// opens its property page.

namespace {

QtDialogs& dialogs()
{
    static QtDialogs service;
    return service;
}

void openPropertyPage(xpWellsTab* strip)
{
    auto* page = new Tabs(strip, dialogs(), strip->window());
    page->setAttribute(Qt::WA_DeleteOnClose);
    page->show();
}

// A 16 x 16 icon drawn on the mask colour, which stays transparent.
QPixmap sampleIcon(const QColor& colour)
{
    QPixmap icon(16, 16);
    icon.fill(QColor(255, 0, 255));
    QPainter painter(&icon);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(QRect(2, 2, 12, 12));
    return icon;
}

xpWellsTab* strip(const QStringList& captions, QSize size = QSize(360, 90))
{
    auto* tabs = new xpWellsTab;
    tabs->resize(size);
    tabs->setTabCaption(1, captions.value(0));
    for (int i = 1; i < captions.size(); ++i)
        tabs->AddTab(60, captions.at(i));
    QObject::connect(tabs, &xpWellsTab::DblClick, tabs, [tabs] { openPropertyPage(tabs); });
    QObject::connect(tabs, &xpWellsTab::TabDblClick, tabs, [tabs] { openPropertyPage(tabs); });
    return tabs;
}

QStringList fiveCaptions()
{
    return {QStringLiteral("&General"), QStringLiteral("&Address"), QStringLiteral("&Purchase"),
            QStringLiteral("P&ayment"), QStringLiteral("&Totals")};
}

void hover(xpWellsTab* tabs, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, tabs->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(tabs, &move);
}

xpWellsTab* fiveTabs()
{
    return strip(fiveCaptions());
}

xpWellsTab* fiveTabsHot()
{
    xpWellsTab* tabs = strip(fiveCaptions());
    hover(tabs, tabs->tabRect(3).center());
    return tabs;
}

xpWellsTab* hotOverSelected()
{
    xpWellsTab* tabs = strip(fiveCaptions());
    tabs->setSelectedTab(2);
    hover(tabs, tabs->tabRect(2).center());
    return tabs;
}

xpWellsTab* disabledTab()
{
    xpWellsTab* tabs = strip(fiveCaptions());
    tabs->setTabEnabled(4, false);
    tabs->setSelectedTab(3);
    return tabs;
}

xpWellsTab* classicColours()
{
    xpWellsTab* tabs = strip(fiveCaptions());
    tabs->setBackcolor(OleColor::rgb(240, 240, 224));
    tabs->setBackColorScroll(OleColor::rgb(240, 240, 224));
    tabs->setFrameColor(OleColor::rgb(152, 160, 160));
    tabs->setForeColorDisabled(OleColor::rgb(152, 160, 160));
    tabs->setTabEnabled(5, false);
    hover(tabs, tabs->tabRect(2).center());
    return tabs;
}

xpWellsTab* scrolling()
{
    QStringList captions;
    for (int i = 1; i <= 9; ++i)
        captions << QStringLiteral("Page %1").arg(i);
    return strip(captions, QSize(300, 80));
}

xpWellsTab* scrolledAndHotArrow()
{
    xpWellsTab* tabs = scrolling();
    tabs->setSelectedTab(4);
    QMouseEvent press(QEvent::MouseButtonPress, tabs->arrowButtonRect(false).center(),
                      tabs->mapToGlobal(tabs->arrowButtonRect(false).center()), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tabs, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, press.position(), press.globalPosition(),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(tabs, &release);
    QCoreApplication::sendEvent(tabs, &press);
    QCoreApplication::sendEvent(tabs, &release);
    hover(tabs, tabs->arrowButtonRect(true).center());
    return tabs;
}

xpWellsTab* iconsAndEllipsis()
{
    xpWellsTab* tabs = strip({QStringLiteral("Customers"), QStringLiteral("Stock"),
                              QStringLiteral("A caption far too long for its tab")});
    tabs->setTabPicture(1, sampleIcon(QColor(40, 120, 200)));
    tabs->setTabPicture(2, sampleIcon(QColor(60, 160, 60)));
    tabs->setAutoSize(3, false);
    tabs->setTabWidth(3, 110);
    return tabs;
}

xpWellsTab* alongEdge(TabAlignment alignment)
{
    const bool vertical = xpWellsTabLayout::isVertical(alignment);
    xpWellsTab* tabs = strip({QStringLiteral("&General"), QStringLiteral("&Address"),
                              QStringLiteral("&Totals")},
                             vertical ? QSize(140, 230) : QSize(300, 90));
    tabs->setAlignment(alignment);
    tabs->setSelectedTab(2);
    hover(tabs, tabs->tabRect(3).center());
    return tabs;
}

xpWellsTab* scrollingAlongLeftEdge()
{
    xpWellsTab* tabs = scrolling();
    tabs->resize(120, 260);
    tabs->setAlignment(TabAlignment::Left);
    tabs->setSelectedTab(2);
    hover(tabs, tabs->arrowButtonRect(false).center());
    return tabs;
}

// The property page editing the second tab of a strip of its own.
QWidget* propertyPage()
{
    xpWellsTab* tabs = iconsAndEllipsis();
    auto* page = new Tabs(tabs, dialogs());
    tabs->setParent(page);
    tabs->hide();
    page->findChild<QScrollBar*>(QStringLiteral("hsb"))->setValue(2);
    page->resize(page->sizeHint());
    return page;
}

QList<GallerySample> tabStripSamples()
{
    return {
        {QStringLiteral("tabstrip-5-tabs"), [] { return fiveTabs(); }},
        {QStringLiteral("tabstrip-5-tabs-hot"), [] { return fiveTabsHot(); }},
        {QStringLiteral("tabstrip-hot-over-selected"), [] { return hotOverSelected(); }},
        {QStringLiteral("tabstrip-disabled-tab"), [] { return disabledTab(); }},
        {QStringLiteral("tabstrip-classic-colours"), [] { return classicColours(); }},
        {QStringLiteral("tabstrip-scrolling"), [] { return scrolling(); }},
        {QStringLiteral("tabstrip-scrolled-arrow-hot"), [] { return scrolledAndHotArrow(); }},
        {QStringLiteral("tabstrip-icons-ellipsis"), [] { return iconsAndEllipsis(); }},
        {QStringLiteral("tabstrip-left"), [] { return alongEdge(TabAlignment::Left); }},
        {QStringLiteral("tabstrip-right"), [] { return alongEdge(TabAlignment::Right); }},
        {QStringLiteral("tabstrip-bottom"), [] { return alongEdge(TabAlignment::Bottom); }},
        {QStringLiteral("tabstrip-left-scrolling"), [] { return scrollingAlongLeftEdge(); }},
        {QStringLiteral("tabstrip-property-page"), [] { return propertyPage(); }},
    };
}

} // namespace

TALLYVANE_GALLERY_SECTION("Tab strip", tabStripSamples);
