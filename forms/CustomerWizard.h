#pragma once

#include "CustomerEntry.h"

#include <QTimer>
#include <QWidget>

#include <array>

class GroupBox;
class NumberBox;
class QCheckBox;
class QDateEdit;
class QLabel;
class QLineEdit;
class QRadioButton;
class chameleonButton;

// Every control of an entry form, under the names its behaviour uses.
struct CustomerWizardControls
{
    // "Personal Details", "Location", "Contact", "Product", "Payment Information".
    std::array<GroupBox*, 5> pages{};
    // The boxes for name to Product, in record order.
    std::array<QLineEdit*, 10> details{};
    QRadioButton* Option1 = nullptr; // "M"
    QRadioButton* Option2 = nullptr; // "F"
    NumberBox* Text1 = nullptr;      // quantity
    QLineEdit* priceBox = nullptr;   // filtered in the new-customer form only
    NumberBox* Text5 = nullptr;      // discount; the new-customer form only
    QDateEdit* DTPicker1 = nullptr;
    QLineEdit* paymentBox = nullptr;
    QCheckBox* Check1 = nullptr;     // "Customer Has Not Yet Paid"
    GroupBox* optionsGroup = nullptr;
    chameleonButton* chameleonButton2 = nullptr; // "Back"
    chameleonButton* chameleonButton3 = nullptr; // "Next", "Finished" on the last page
    chameleonButton* CmdOk = nullptr;            // the save button
    // "Current Status": "Step" and the page number, never shown.
    GroupBox* statusGroup = nullptr;
    QLabel* Label3 = nullptr;
};

// The five-page wizard both entry forms share: one page's group visible at
// a time, "Back" and "Next" to move between them, and a save button that
// works on every page.
class CustomerWizard : public QWidget
{
    Q_OBJECT

public:
    static constexpr int PageCount = 5;

    // The page shown, 1 to 5.
    int page() const { return m_page; }
    void back();
    void next();
    // Timer1: the buttons and the visible group follow the page.
    void showPage();
    bool pageTimerRunning() const { return Timer1.isActive(); }

    // What the boxes hold now.
    CustomerEntry entry() const;
    const CustomerWizardControls& controls() const { return ui; }

protected:
    struct Captions
    {
        QString window;
        QString save;
        QString price;
        bool withDiscount = false;
    };

    CustomerWizard(const Captions& captions, QWidget* parent);

    // Fills the boxes, picks the date and starts again at page 1.
    void start(const CustomerEntry& entry, const QDate& date);
    // The date text the form stores.
    virtual QString datePurchased() const;
    virtual void save() = 0;
    void closeEvent(QCloseEvent* event) override;

    CustomerWizardControls ui;

private:
    void buildPages(const Captions& captions);
    void buildOptions(const QString& saveCaption);
    void buildStatus();
    void setTabOrder();
    void turnTo(int page);

    int m_page = 1;
    QTimer Timer1;
};
