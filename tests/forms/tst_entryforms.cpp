// The new-customer and edit forms, driven through their real controls: what
// they hand to the main window, their pages and their key filter.
#include "AccessibleNames.h"
#include "CustomerEntryTarget.h"
#include "DateTimeText.h"
#include "FrmEdit.h"
#include "FrmNew.h"
#include "GroupBox.h"
#include "NumberBox.h"
#include "chameleonButton.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDateEdit>
#include <QLabel>
#include <QGuiApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

namespace {

using Field = CustomerRecord::Field;

const QDate kToday(2026, 12, 6);

// The main window as the forms reach it.
class FakeTarget : public CustomerEntryTarget
{
public:
    bool AddUser(const CustomerRecord& record) override
    {
        added.append(record);
        return accepts;
    }
    bool EditUser(const StoredCustomer& customer, const CustomerRecord& record) override
    {
        editedCustomer = customer;
        edited.append(record);
        return accepts;
    }
    void RefreshList() override { calls.append(QStringLiteral("RefreshList")); }
    void selectCustomer(RowId row) override { calls.append(QStringLiteral("select %1").arg(row)); }

    bool accepts = true;
    QList<CustomerRecord> added;
    QList<CustomerRecord> edited;
    StoredCustomer editedCustomer;
    QStringList calls;
};

QLineEdit* boxCaptioned(const QWidget& form, const QString& name)
{
    for (QLineEdit* box : form.findChildren<QLineEdit*>())
        if (box->accessibleName() == name)
            return box;
    qFatal("no box named %s", qPrintable(name));
}

// Selects the box's text and types over it, as an operator would.
void retype(QLineEdit* box, const QString& text)
{
    box->setFocus();
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClicks(box, text);
}

void click(chameleonButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

CustomerRecord storedCustomer()
{
    return CustomerRecord::fromList({"Ann Lee", "1 Main St", "Ireland", "Cork", "T12", "021 555",
                                     "021 556", "ann@example.com", "Munster", "Lamp", "3", "12.50",
                                     "2/23/2005", "Card", "0", "f"});
}

} // namespace

class EntryFormsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
    void untouchedNewFormStoresDefaults();
    void newFormStoresThePriceAfterDiscount_data();
    void newFormStoresThePriceAfterDiscount();
    void pastedTextIsCleaned();
    void captionsFeedTheFieldsWhoseContentsMatch();
    void buttonsFollowThePage();
    void newFormRefreshesTheListWheneverItCloses();
    void refusedCustomerKeepsTheForm();
    void editFormOpensFromTheRecord_data();
    void editFormOpensFromTheRecord();
    void editFormSavesToItsCustomer();
    void editedPurchaseDate_data();
    void editedPurchaseDate();
};

void EntryFormsTest::untouchedNewFormStoresDefaults()
{
    FakeTarget target;
    FrmNew form(target, [] { return kToday; });
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Add New User"));
    QCOMPARE(form.controls().CmdOk->Caption(), QStringLiteral("Save Customer To Database"));
    click(form.controls().CmdOk);

    QCOMPARE(target.added.size(), 1);
    QStringList expected(16, QStringLiteral("N/A"));
    expected[int(Field::Quantity)] = "0";
    expected[int(Field::Price)] = "0";
    expected[int(Field::DatePur)] = shortDateText(kToday);
    expected[int(Field::Paid)] = "0";
    expected[int(Field::Sex)] = "m";
    QCOMPARE(target.added.first().toList(), expected);
}

void EntryFormsTest::newFormStoresThePriceAfterDiscount_data()
{
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("price");
    QTest::addColumn<QString>("discount");
    QTest::addColumn<QString>("storedQuantity");
    QTest::addColumn<QString>("storedPrice");
    QTest::newRow("ten percent off") << "2" << "100" << "10" << "2" << "90";
    QTest::newRow("all off") << "2" << "100" << "100" << "2" << "0";
    QTest::newRow("more than all off") << "2" << "100" << "150" << "2" << "-50";
    QTest::newRow("no discount keeps decimals") << "1" << "99.5" << "0" << "1" << "99.5";
    QTest::newRow("emptied boxes count as 0") << "" << "" << "" << "0" << "0";
    QTest::newRow("letters are filtered") << "1a2B" << "2x5" << "1 0" << "12" << "22.5";
    QTest::newRow("slash and colon pass") << "1/2:3" << "7" << "0" << "1/2:3" << "7";
}

void EntryFormsTest::newFormStoresThePriceAfterDiscount()
{
    QFETCH(QString, quantity);
    QFETCH(QString, price);
    QFETCH(QString, discount);
    FakeTarget target;
    FrmNew form(target, [] { return kToday; });
    form.show();
    retype(form.controls().Text1, quantity);
    retype(form.controls().priceBox, price);
    retype(form.controls().Text5, discount);
    // Enter is not let through either.
    QTest::keyClick(form.controls().Text5, Qt::Key_Return);
    click(form.controls().CmdOk);

    QCOMPARE(target.added.size(), 1);
    QTEST(target.added.first().value(Field::Quantity), "storedQuantity");
    QTEST(target.added.first().value(Field::Price), "storedPrice");
}

void EntryFormsTest::pastedTextIsCleaned()
{
    FakeTarget target;
    FrmNew form(target, [] { return kToday; });
    form.show();
    NumberBox* quantity = form.controls().Text1;
    retype(quantity, "12");
    quantity->setCursorPosition(1);
    QGuiApplication::clipboard()->setText(QStringLiteral("3 pieces, 4/5"));
    QTest::keyClick(quantity, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(quantity->text(), QStringLiteral("134/52"));
    QCOMPARE(quantity->cursorPosition(), 5);
}

void EntryFormsTest::captionsFeedTheFieldsWhoseContentsMatch()
{
    const QList<QPair<QString, Field>> boxes{
        {"Name & Surname", Field::Name}, {"Address", Field::Address}, {"Country", Field::Country},
        {"City", Field::City},           {"State", Field::Email},     {"Zip", Field::State},
        {"Phone", Field::Zip},           {"Fax", Field::Phone},       {"E-Mail", Field::FAX},
        {"Product Purchased", Field::Product}, {"Payment Method", Field::Payment}};
    FakeTarget target;
    FrmNew form(target, [] { return kToday; });
    form.show();
    for (const auto& [caption, field] : boxes)
        retype(boxCaptioned(form, caption), caption + " typed");
    form.controls().Option2->click();
    form.controls().Check1->click();
    click(form.controls().CmdOk);

    const CustomerRecord stored = target.added.value(0);
    for (const auto& [caption, field] : boxes)
        QCOMPARE(stored.value(field), caption + " typed");
    QCOMPARE(stored.value(Field::Sex), QStringLiteral("f"));
    QCOMPARE(stored.value(Field::Paid), QStringLiteral("1"));

    // The edit form shows each value again under the caption it was typed under.
    FrmEdit edit(target, [] { return kToday; });
    edit.load(StoredCustomer{1, stored});
    for (const auto& [caption, field] : boxes)
        QCOMPARE(boxCaptioned(edit, caption)->text(), caption + " typed");
}

void EntryFormsTest::buttonsFollowThePage()
{
    FakeTarget target;
    FrmNew form(target, [] { return kToday; });
    form.show();
    const CustomerWizardControls& ui = form.controls();
    const auto shownPage = [&] {
        QStringList shown;
        for (GroupBox* page : ui.pages)
            if (page->isVisible())
                shown << page->caption();
        return shown.join('|');
    };
    QVERIFY(form.pageTimerRunning());
    QCOMPARE(shownPage(), QStringLiteral("Personal Details"));
    QVERIFY(!ui.chameleonButton2->isEnabled());

    const QStringList captions{"Location", "Contact", "Product", "Payment Information"};
    for (const QString& caption : captions) {
        click(ui.chameleonButton3);
        QCOMPARE(shownPage(), caption);
        VERIFY_EVERY_CONTROL_NAMED(&form);
    }
    QCOMPARE(form.page(), 5);
    // The step number is held in a box that is never shown.
    QCOMPARE(ui.statusGroup->caption(), QStringLiteral("Current Status"));
    QVERIFY(!ui.statusGroup->isVisible());
    QCOMPARE(ui.Label3->text(), QStringLiteral("5"));
    QCOMPARE(ui.chameleonButton3->Caption(), QStringLiteral("Finished"));
    QVERIFY(!ui.chameleonButton3->isEnabled());
    QVERIFY(ui.chameleonButton2->isEnabled() && ui.CmdOk->isEnabled());

    // However quickly Back is pressed, the first page is the last it reaches.
    for (int i = 0; i < 6; ++i)
        form.back();
    QCOMPARE(form.page(), 1);
    QCOMPARE(ui.Label3->text(), QStringLiteral("1"));
    QCOMPARE(shownPage(), QStringLiteral("Personal Details"));
    QCOMPARE(ui.chameleonButton3->Caption(), QStringLiteral("Next"));
}

void EntryFormsTest::newFormRefreshesTheListWheneverItCloses()
{
    FakeTarget target;
    FrmNew form(target, [] { return kToday; });
    form.show();
    retype(form.controls().details[0], "Ann");
    form.close();
    QVERIFY(target.added.isEmpty());
    QCOMPARE(target.calls, QStringList{"RefreshList"});

    // Opened again it starts afresh.
    form.load();
    form.show();
    QCOMPARE(form.controls().details[0]->text(), QString());
    QCOMPARE(form.controls().Text1->text(), QStringLiteral("0"));
    QVERIFY(form.controls().Option1->isChecked());
    click(form.controls().CmdOk);
    QVERIFY(!form.isVisible());
    QCOMPARE(target.added.size(), 1);
    QCOMPARE(target.calls.size(), 2);
}

void EntryFormsTest::refusedCustomerKeepsTheForm()
{
    FakeTarget target;
    target.accepts = false;
    FrmNew added(target, [] { return kToday; });
    added.show();
    retype(added.controls().details[0], "Ann");
    click(added.controls().CmdOk);
    QVERIFY(added.isVisible());
    QCOMPARE(added.controls().details[0]->text(), QStringLiteral("Ann"));

    FrmEdit edit(target, [] { return kToday; });
    edit.load(StoredCustomer{4, storedCustomer()});
    edit.show();
    click(edit.controls().CmdOk);
    QVERIFY(edit.isVisible());
    QVERIFY(target.calls.isEmpty());
}

void EntryFormsTest::editFormOpensFromTheRecord_data()
{
    QTest::addColumn<QString>("paid");
    QTest::addColumn<QString>("sex");
    QTest::addColumn<bool>("ticked");
    QTest::addColumn<bool>("female");
    QTest::addColumn<QString>("storedPaid");
    QTest::addColumn<QString>("storedSex");
    QTest::newRow("paid, female") << "0" << "f" << false << true << "0" << "f";
    QTest::newRow("not yet paid") << "1" << "m" << true << false << "1" << "m";
    QTest::newRow("not yet paid, written as a number") << "1.0" << "m" << true << false << "1" << "m";
    QTest::newRow("unknown paid flag") << "yes" << "m" << false << false << "0" << "m";
    QTest::newRow("unknown sex opens as M") << "0" << "x" << false << false << "0" << "m";
    QTest::newRow("capital F opens as M") << "0" << "F" << false << false << "0" << "m";
}

void EntryFormsTest::editFormOpensFromTheRecord()
{
    QFETCH(QString, paid);
    QFETCH(QString, sex);
    CustomerRecord record = storedCustomer();
    record.setValue(Field::Paid, paid);
    record.setValue(Field::Sex, sex);
    FakeTarget target;
    FrmEdit form(target, [] { return kToday; });
    form.load(StoredCustomer{7, record});
    form.show();
    QCOMPARE(form.windowTitle(), QStringLiteral("Edit Current User"));
    QCOMPARE(form.controls().CmdOk->Caption(), QStringLiteral("Edit Customer Details"));
    QVERIFY(!form.controls().Text5);
    QTEST(form.controls().Check1->isChecked(), "ticked");
    QTEST(form.controls().Option2->isChecked(), "female");
    click(form.controls().CmdOk);

    CustomerRecord expected = record;
    QFETCH(QString, storedPaid);
    QFETCH(QString, storedSex);
    expected.setValue(Field::Paid, storedPaid);
    expected.setValue(Field::Sex, storedSex);
    QCOMPARE(target.edited.value(0).toList(), expected.toList());
}

void EntryFormsTest::editFormSavesToItsCustomer()
{
    FakeTarget target;
    FrmEdit form(target, [] { return kToday; });
    const StoredCustomer customer{42, storedCustomer()};
    form.load(customer);
    form.show();
    // The price box takes any text; emptied boxes get the defaults.
    retype(form.controls().priceBox, "");
    retype(form.controls().paymentBox, "");
    retype(form.controls().Text1, "5 boxes");
    click(form.controls().CmdOk);

    QCOMPARE(target.editedCustomer.row, RowId(42));
    QCOMPARE(target.editedCustomer.record, customer.record);
    const CustomerRecord stored = target.edited.value(0);
    QCOMPARE(stored.value(Field::Price), QStringLiteral("0"));
    QCOMPARE(stored.value(Field::Payment), QStringLiteral("N/A"));
    QCOMPARE(stored.value(Field::Quantity), QStringLiteral("5"));
    QCOMPARE(target.calls, (QStringList{"RefreshList", "select 42"}));
    QVERIFY(!form.isVisible());

    FrmEdit priced(target, [] { return kToday; });
    priced.load(customer);
    priced.show();
    retype(priced.controls().priceBox, "12,50 EUR");
    click(priced.controls().CmdOk);
    QCOMPARE(target.edited.value(1).value(Field::Price), QStringLiteral("12,50 EUR"));
}

void EntryFormsTest::editedPurchaseDate_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QDate>("pickerStart");
    QTest::addColumn<QDate>("picked");
    QTest::addColumn<QString>("storedAfter");
    QTest::newRow("a date, untouched") << "2/23/2005" << QDate(2005, 2, 23) << QDate() << "2/23/2005";
    QTest::newRow("a date written with blanks, untouched") << "23 2 2005" << QDate(2005, 2, 23) << QDate()
                                                           << "23 2 2005";
    QTest::newRow("no date, untouched") << "last spring" << kToday << QDate() << "last spring";
    QTest::newRow("no date, picked") << "last spring" << kToday << QDate(2026, 1, 2) << "1/2/2026";
    QTest::newRow("a date, picked") << "2/23/2005" << QDate(2005, 2, 23) << QDate(2005, 2, 24)
                                    << "2/24/2005";
}

void EntryFormsTest::editedPurchaseDate()
{
    QFETCH(QString, stored);
    QFETCH(QDate, picked);
    CustomerRecord record = storedCustomer();
    record.setValue(Field::DatePur, stored);
    FakeTarget target;
    FrmEdit form(target, [] { return kToday; });
    form.load(StoredCustomer{1, record});
    form.show();
    QTEST(form.controls().DTPicker1->date(), "pickerStart");
    if (picked.isValid())
        form.controls().DTPicker1->setDate(picked);
    click(form.controls().CmdOk);
    QTEST(target.edited.value(0).value(Field::DatePur), "storedAfter");
}

QTEST_MAIN(EntryFormsTest)
#include "tst_entryforms.moc"
