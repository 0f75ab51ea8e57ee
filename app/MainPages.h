#pragma once

#include "GroupBox.h"
#include "ValueLabel.h"

#include <array>

class Picture;
class QCalendarWidget;
class QLineEdit;
class QPlainTextEdit;
class chameleonButton;

// The main window's ten panel groups. Each page builds its own controls and
// keeps them under the names the window's behaviour uses; the window fills
// them in.
class PanelGroup : public GroupBox
{
    Q_OBJECT

public:
    PanelGroup(const QString& objectName, const QString& caption, QWidget* parent);
};

// "Customer's Information": the selected customer's personal details and
// the sex pictures.
class PersonalDetailsPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit PersonalDetailsPage(QWidget* parent);

    // Detail elements 0 to 8, in element order.
    std::array<ValueLabel*, 9> elements{};
    Picture* Image23; // female
    Picture* Image10; // male
};

// "Purchase Details": the purchase, its amounts and the payment line.
class PurchaseDetailsPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit PurchaseDetailsPage(QWidget* parent);

    // Detail elements 9 to 14, in element order.
    std::array<ValueLabel*, 6> elements{};
    QLabel* Label18; // first currency text, beside "Total Spent: "
    QLabel* Label19; // second currency text, beside "Item Price:"
    QLabel* Label57; // payment status line
    Picture* Image22; // payment pending
    Picture* Image11; // paid
};

// "Company Status": the shop's figures.
class CompanyStatusPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit CompanyStatusPage(QWidget* parent);

    ValueLabel* Label32; // contact
    ValueLabel* Label31; // manager name
    ValueLabel* Label24; // current customers
    ValueLabel* Label25; // products sold
    ValueLabel* Label29; // selected currency
    QLabel* Label30;     // revenue currency
    ValueLabel* Label28; // revenue amount
};

// "Backup Database": the backup and restore paths.
class BackupPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit BackupPage(QWidget* parent);

    QLineEdit* Text15; // backup target
    QLineEdit* Text17; // restore source
    QString Text16;    // the live database file
    ValueLabel* Label66; // backup status
    ValueLabel* Label67; // restore status
    chameleonButton* chameleonButton2; // "Select" the backup target
    chameleonButton* chameleonButton3; // "Create Database Backup"
    chameleonButton* chameleonButton5; // "Select" the restore source
    chameleonButton* chameleonButton4; // "Restore Database From Backup"
    // Customers in and out of other programs' files; administrator only.
    chameleonButton* exportCustomers;
    chameleonButton* importCustomers;
};

// "Quick Start": the database's health and the budget at a glance.
class QuickStartPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit QuickStartPage(QWidget* parent);

    ValueLabel* Label70; // status
    ValueLabel* Label45; // version
    ValueLabel* Label47; // records stored
    ValueLabel* Label65; // database size
    QLabel* Label39;     // currency
    ValueLabel* Label40; // earnings
    ValueLabel* Label52; // products sold
    ValueLabel* Label48; // date and time
};

// "My Scheduler": the appointment book, the calendar and the clock.
class SchedulerPage : public PanelGroup
{
    Q_OBJECT

public:
    explicit SchedulerPage(QWidget* parent);

    QPlainTextEdit* Text26;
    QCalendarWidget* Calendar1;
    ValueLabel* Label74; // clock
    chameleonButton* chameleonButton9;  // "Check If Busy On Selected Day From Calendar"
    chameleonButton* chameleonButton8;  // "Add Schedule"
    chameleonButton* chameleonButton10; // "Clear Schedules"
};
