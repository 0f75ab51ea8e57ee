// The main window's customer list: selection into the detail panel, the
// payment line, delete and the quick search.
#include "FrmEdit.h"
#include "MainWindowFixture.h"
#include "Picture.h"
#include "chameleonButton.h"
#include "ToolPicture.h"

#include <QLineEdit>
#include <QListView>

namespace {

using Fixture = MainWindowFixture;

void clickRow(const FrmMainControls& ui, int row)
{
    const QRect item = ui.List->visualRect(ui.List->model()->index(row, 0));
    QTest::mouseClick(ui.List->viewport(), Qt::LeftButton, {}, item.center());
}

QStringList listed(const FrmMain& window)
{
    return window.customers().names();
}

} // namespace

class FrmMainListTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void selectionFillsThePanel_data()
    {
        QTest::addColumn<QString>("quantity");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("itemPrice");
        QTest::addColumn<QString>("totalSpent");
        QTest::newRow("price 0") << "4" << "0" << "0.00" << "0.00";
        QTest::newRow("3 x 2.5") << "3" << "2.5" << "2.50" << "7.50";
        QTest::newRow("1 x 1234.5") << "1" << "1234.5" << "1234.50" << "1234.50";
    }

    void selectionFillsThePanel()
    {
        QFETCH(QString, quantity);
        QFETCH(QString, price);
        Fixture fixture;
        fixture.seed({Fixture::customer("Bob"), Fixture::customer("Ann Lee", quantity, price)});
        fixture.open();
        const FrmMainControls& ui = fixture.ui();
        clickRow(ui, 1);
        QCOMPARE(ui.LblDbInfo[0]->value(), QStringLiteral("Ann Lee"));
        QCOMPARE(ui.LblDbInfo[0]->accessibleName(), QStringLiteral("Name: Ann Lee"));
        QCOMPARE(ui.LblDbInfo[10]->value(), quantity);
        QTEST(ui.LblDbInfo[13]->value(), "itemPrice");
        QTEST(ui.LblDbInfo[14]->value(), "totalSpent");
        // The stored FAX column holds the e-mail, Email the state.
        QCOMPARE(ui.LblDbInfo[7]->accessibleName(), QStringLiteral("E-Mail: Ann Lee@example.com"));
        QCOMPARE(ui.LblDbInfo[8]->accessibleName(), QStringLiteral("State: State"));
        QCOMPARE(ui.List->accessibleName(), QStringLiteral("Customer List"));
    }

    void arrowKeysSelectToo()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann"), Fixture::customer("Bob")});
        fixture.open();
        const FrmMainControls& ui = fixture.ui();
        clickRow(ui, 0);
        QTest::keyClick(ui.List, Qt::Key_Down);
        QCOMPARE(ui.LblDbInfo[0]->value(), QStringLiteral("Bob"));
    }

    void paymentLineAndSexPictures()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann", "1", "1", "1", "f"), Fixture::customer("Bob")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        window.refreshPaymentStatus();
        QCOMPARE(ui.GroupBox5->Label57->text(), QStringLiteral("Payment Fully Paid"));
        QCOMPARE(ui.GroupBox5->Label57->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QVERIFY(ui.GroupBox2->Image23->isHidden());
        QVERIFY(ui.GroupBox2->Image10->isHidden());

        clickRow(ui, 0);
        window.refreshPaymentStatus();
        QCOMPARE(ui.GroupBox5->Label57->text(), QStringLiteral("Payment Pending"));
        QCOMPARE(ui.GroupBox5->Label57->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        QVERIFY(!ui.GroupBox5->Image22->isHidden());
        QVERIFY(ui.GroupBox5->Image11->isHidden());
        QVERIFY(!ui.GroupBox2->Image23->isHidden());
        QVERIFY(ui.GroupBox2->Image10->isHidden());
    }

    void deleteFromTheTool_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("yes") << int(MessageAnswer::Yes) << QStringList{"Ann", "Cy"};
        QTest::newRow("no") << int(MessageAnswer::No) << QStringList{"Ann", "Bob", "Cy"};
    }

    void deleteFromTheTool()
    {
        QFETCH(int, answer);
        QFETCH(QStringList, left);
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann"), Fixture::customer("Bob", "1", "1", "1"),
                      Fixture::customer("Cy")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        clickRow(ui, 1);
        fixture.dialogs.queueAnswer(MessageAnswer(answer));
        ui.Image3->click();
        const FakeDialogs::Message& asked = fixture.dialogs.messages().constLast();
        QCOMPARE(asked.text, QStringLiteral("Are You Sure You Want To Delete Selected Customer"));
        QCOMPARE(asked.title, QStringLiteral("Delete Confirm"));
        QCOMPARE(asked.buttons, MessageButtons::YesNo);
        QCOMPARE(listed(window), left);
        // Stored too, not only shown.
        Fixture::Reopened stored(fixture);
        QCOMPARE(stored.names(), left);
        if (answer == int(MessageAnswer::Yes)) {
            for (const ValueLabel* element : ui.LblDbInfo)
                QCOMPARE(element->value(), QStringLiteral("."));
            // The payment line still shows the deleted customer's state.
            window.refreshPaymentStatus();
            QCOMPARE(ui.GroupBox5->Label57->text(), QStringLiteral("Payment Pending"));
        }
    }

    void deleteWithNothingSelected()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        ui.Image3->click();
        QCOMPARE(fixture.dialogs.messages().size(), 1);
        QCOMPARE(fixture.dialogs.messages().constFirst().text,
                 QStringLiteral("Please Select A Customer Delete From The Customer List"));
        QCOMPARE(fixture.dialogs.messages().constFirst().title,
                 QStringLiteral("A Customer Has Not Been Selected"));

        // The Delete key asks anyway; on Yes there is nothing to delete.
        fixture.dialogs.queueAnswer(MessageAnswer::Yes);
        QTest::keyClick(ui.List, Qt::Key_Delete);
        QCOMPARE(fixture.dialogs.messages().size(), 2);
        QCOMPARE(listed(window), QStringList{"Ann"});
    }

    void deleteKeyRespectsTheClerkLock_data()
    {
        QTest::addColumn<QString>("deleteAllowed");
        QTest::addColumn<QStringList>("left");
        QTest::newRow("allowed") << "0" << QStringList{"Bob"};
        QTest::newRow("locked") << "1" << QStringList{"Ann", "Bob"};
    }

    void deleteKeyRespectsTheClerkLock()
    {
        QFETCH(QString, deleteAllowed);
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann"), Fixture::customer("Bob")});
        FrmMain& window = fixture.open(Session::clerk());
        window.setClerkPermissions(deleteAllowed, QStringLiteral("0"), QStringLiteral("0"));
        window.applyRoleRules();
        clickRow(fixture.ui(), 0);
        fixture.dialogs.queueAnswer(MessageAnswer::Yes);
        QTest::keyClick(fixture.ui().List, Qt::Key_Delete);
        QTEST(listed(window), "left");
    }

    // The edit form writes to the customer it was opened for, whatever the
    // list shows meanwhile, and to nobody once that customer is gone.
    void editFormWritesToItsOwnCustomer_data()
    {
        QTest::addColumn<bool>("deletedMeanwhile");
        QTest::newRow("another customer selected meanwhile") << false;
        QTest::newRow("customer deleted meanwhile") << true;
    }

    void editFormWritesToItsOwnCustomer()
    {
        QFETCH(bool, deletedMeanwhile);
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann"), Fixture::customer("Bob")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        clickRow(ui, 0);
        FrmEdit form(window, [] { return Fixture::now().date(); });
        form.load(window.customers().selectedRow());
        form.show();
        QLineEdit* state = form.controls().details[int(CustomerRecord::Field::Email)];
        state->selectAll();
        QTest::keyClicks(state, QStringLiteral("Leinster"));
        clickRow(ui, 1);
        if (deletedMeanwhile) {
            SqliteCustomerStore other(fixture.folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb")));
            QVERIFY(other.open().ok());
            QVERIFY(other.remove(form.customer()).ok());
        }
        QTest::mouseClick(form.controls().CmdOk, Qt::LeftButton);

        if (deletedMeanwhile) {
            QCOMPARE(fixture.dialogs.messages().size(), 1);
            QVERIFY(fixture.dialogs.messages().first().text.contains(QStringLiteral("removed")));
            QVERIFY(form.isVisible());
            QCOMPARE(Fixture::Reopened(fixture).names(), QStringList{"Bob"});
            return;
        }
        QVERIFY(!form.isVisible());
        QCOMPARE(listed(window), (QStringList{"Ann", "Bob"}));
        // Ann is selected again, with the state under its own caption.
        QCOMPARE(ui.LblDbInfo[0]->value(), QStringLiteral("Ann"));
        QCOMPARE(ui.LblDbInfo[8]->accessibleName(), QStringLiteral("State: Leinster"));
        clickRow(ui, 1);
        QCOMPARE(ui.LblDbInfo[7]->value(), QStringLiteral("Bob@example.com"));
    }

    void searchFindsWholeNamesInTurn()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann"), Fixture::customer("Bob"), Fixture::customer("ann")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        ui.Text7->setText(QStringLiteral("ANN"));
        QTest::keyClick(ui.Text7, Qt::Key_Return);
        QCOMPARE(ui.List->currentIndex().row(), 0);
        QCOMPARE(window.customers().nextSearchStart(), 1);
        ui.Image7->click();
        QCOMPARE(ui.List->currentIndex().row(), 2);
        QCOMPARE(ui.LblDbInfo[0]->value(), QStringLiteral("ann"));
        QCOMPARE(window.customers().nextSearchStart(), 3);
        QVERIFY(fixture.dialogs.messages().isEmpty());
    }

    void searchThatFindsNothingSaysSo()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann"), Fixture::customer("Bob")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        clickRow(ui, 1);
        ui.Text7->setText(QStringLiteral("An"));
        QTest::keyClick(ui.Text7, Qt::Key_Return);
        QCOMPARE(fixture.dialogs.messages().size(), 1);
        QVERIFY(fixture.dialogs.messages().constFirst().text.contains(QLatin1String("\"An\"")));
        QCOMPARE(fixture.dialogs.messages().constFirst().title, QStringLiteral("Quick Search"));
        // The panel keeps the customer it showed.
        QCOMPARE(ui.LblDbInfo[0]->value(), QStringLiteral("Bob"));
        QCOMPARE(ui.List->currentIndex().row(), 1);
        QCOMPARE(window.customers().nextSearchStart(), 0);
    }
};

QTEST_MAIN(FrmMainListTest)
#include "tst_frmmain_list.moc"
