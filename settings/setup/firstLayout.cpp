// The setup window's controls and where they stand: the tab strip with the
// selected tab's group in its page area, the help picture and the two
// buttons below it.
#include "firstControls.h"

#include "CaptionedField.h"
#include "CurrencyList.h"
#include "GroupBox.h"
#include "HelpPicture.h"
#include "OleColor.h"
#include "WindowButton.h"
#include "chameleonButton.h"
#include "xpWellsTab.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

constexpr quint32 kWhite = OleColor::rgb(255, 255, 255);
constexpr int kStripLeft = 8;
constexpr int kStripTop = 8;
constexpr int kStripWidth = 504;
constexpr int kStripHeight = 192;
constexpr int kTabHeight = 22;
constexpr int kPageMargin = 5;
constexpr int kButtonTop = 210;
constexpr int kButtonHeight = 32;

// Inside a group: headings on the left, fields in a column beside them.
constexpr int kHeadingLeft = 16;
constexpr int kFieldLeft = 156;
constexpr int kFieldWidth = 324;
constexpr int kFirstRow = 34;
constexpr int kRowStep = 38;
constexpr int kRowHeight = 24;

constexpr CaptionedRows kRows{kHeadingLeft, kFieldLeft, kFieldWidth, kFirstRow, kRowStep, kRowHeight};

GroupBox* addGroup(QWidget* window, const QString& name, const QString& caption)
{
    auto* group = new GroupBox(name, window);
    group->setCaption(caption);
    group->setBackcolor(kWhite);
    group->setAccessibleName(caption.trimmed());
    group->setGeometry(kStripLeft + kPageMargin, kStripTop + kTabHeight + kPageMargin,
                       kStripWidth - 2 * kPageMargin, kStripHeight - kTabHeight - 2 * kPageMargin);
    group->hide();
    return group;
}

QCheckBox* addCheck(GroupBox* group, const QString& caption, int row)
{
    auto* check = new QCheckBox(caption, group);
    check->setGeometry(kHeadingLeft, kRows.rowTop(row), kFieldLeft - kHeadingLeft + kFieldWidth, kRowHeight);
    return check;
}

void buildTabs(QWidget* window, firstControls& ui)
{
    ui.xpWellsTab1 = new xpWellsTab(window);
    ui.xpWellsTab1->setObjectName(QStringLiteral("xpWellsTab1"));
    ui.xpWellsTab1->setAccessibleName(QStringLiteral("Control panel pages"));
    ui.xpWellsTab1->setBackcolor(kWhite);
    ui.xpWellsTab1->setBackColorScroll(kWhite);
    // A new strip holds one tab already.
    ui.xpWellsTab1->setTabCaption(1, QStringLiteral("Administrator Details"));
    ui.xpWellsTab1->AddTab(60, QStringLiteral("Settings"));
    ui.xpWellsTab1->AddTab(60, QStringLiteral("Database Security"));
    ui.xpWellsTab1->setGeometry(kStripLeft, kStripTop, kStripWidth, kStripHeight);
}

void buildAdminGroup(QWidget* window, firstControls& ui)
{
    ui.adminGroup = addGroup(window, QStringLiteral("adminGroup"), QStringLiteral("Administrator Details"));
    ui.Text1 = kRows.add<QLineEdit>(ui.adminGroup, QStringLiteral("Admin Name : "), 0);
    ui.Text2 = kRows.add<QLineEdit>(ui.adminGroup, QStringLiteral("Admin Phone : "), 1);
}

void buildLoginGroup(QWidget* window, firstControls& ui)
{
    ui.loginGroup = addGroup(window, QStringLiteral("loginGroup"), QStringLiteral("Log-In Features"));
    ui.Text4 = kRows.add<QLineEdit>(ui.loginGroup, QStringLiteral("Password : "), 0);
    ui.Combo1 = kRows.add<QComboBox>(ui.loginGroup, QStringLiteral("Database Currency : "), 1, 190);
    ui.Combo1->setMaxVisibleItems(12);
    ui.Combo1->setEditText(QLatin1String(CurrencyList::Prompt));

    // The other-currency text stands under the list, in the fields' column.
    ui.Text3 = new QLineEdit(QString::fromLatin1(CurrencyList::OtherPrompt), ui.loginGroup);
    ui.Text3->setGeometry(kFieldLeft, kRows.rowTop(1) + kRowHeight + 8, kFieldWidth, kRowHeight);
    ui.Text3->setAccessibleName(QStringLiteral("Other currency"));
    ui.Text3->setToolTip(QStringLiteral("The currency to show when the list says \"Other\""));
}

void buildSecurityGroup(QWidget* window, firstControls& ui)
{
    ui.securityGroup = addGroup(window, QStringLiteral("securityGroup"), QStringLiteral("Security "));
    ui.Check1 = addCheck(ui.securityGroup, QStringLiteral("Give Users Authorization To Delete A Customer "), 0);
    ui.Check3 = addCheck(ui.securityGroup, QStringLiteral("Give Users Authorization To Add A Customer "), 1);
    ui.Check2 = addCheck(ui.securityGroup, QStringLiteral("Give Users Authorization To Edit A Customer "), 2);
}

// Tab follows the reading order: the strip, every group's fields, the
// buttons, then the help picture.
void setReadingOrder(const firstControls& ui)
{
    const QList<QWidget*> order{ui.xpWellsTab1, ui.Text1,  ui.Text2,  ui.Text4,
                                ui.Combo1,      ui.Text3,  ui.Check1, ui.Check3,
                                ui.Check2,      ui.chameleonButton1, ui.chameleonButton2, ui.Image31};
    for (int i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

} // namespace

firstControls buildFirstControls(QWidget* window)
{
    firstControls ui;
    buildTabs(window, ui);
    buildAdminGroup(window, ui);
    buildLoginGroup(window, ui);
    buildSecurityGroup(window, ui);
    ui.Image31 = new HelpPicture(window);
    ui.Image31->setGeometry(kStripLeft + 4, kButtonTop + 3, 26, 26);
    ui.chameleonButton1 = addWindowButton(window, QStringLiteral("Save My Settings"),
                                    QRect(262, kButtonTop, 142, kButtonHeight));
    ui.chameleonButton2 = addWindowButton(window, QStringLiteral("Cancel"), QRect(412, kButtonTop, 100, kButtonHeight));
    setReadingOrder(ui);
    return ui;
}
