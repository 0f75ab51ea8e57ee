#include "AccessibleNames.h"
#include "AutomaticBackups.h"
#include "BackupCopiesWindow.h"
#include "DeletedWindow.h"
#include "HistoryWindow.h"
#include "MainPages.h"
#include "MainWindowFixture.h"

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QListView>
#include <QTableWidget>

// The safety net as the operator meets it: Ctrl+Z, the history, the
// recently deleted customers and the automatic backups.
class FrmMainSafetyTest : public QObject
{
    Q_OBJECT

private:
    static void deleteRow(MainWindowFixture& fixture, int row)
    {
        fixture.window->selectPosition(row);
        fixture.dialogs.queueAnswer(MessageAnswer::Yes);
        QTest::keyClick(fixture.ui().List, Qt::Key_Delete);
    }

    static QStringList column(const QTableWidget* table, int column)
    {
        QStringList texts;
        for (int row = 0; row < table->rowCount(); ++row)
            texts << table->item(row, column)->text();
        return texts;
    }

private slots:
    void ctrlZBringsTheDeletedCustomerBackAndTheHistoryTellsWho()
    {
        MainWindowFixture fixture;
        fixture.seed({MainWindowFixture::customer("Ann"), MainWindowFixture::customer("Bob")});
        FrmMain& window = fixture.open(Session::clerk());
        deleteRow(fixture, 1);
        QCOMPARE(window.customers().names(), QStringList{"Ann"});
        QTest::keyClick(fixture.ui().List, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(window.customers().names(), (QStringList{"Ann", "Bob"}));
        QCOMPARE(window.customers().selectedPosition(), 1);

        HistoryWindow* history = window.showHistory(false);
        VERIFY_EVERY_CONTROL_NAMED(history);
        QCOMPARE(column(history->table(), 1), (QStringList{"Brought Back", "Deleted", "Added"}));
        QCOMPARE(column(history->table(), 4).mid(0, 2), (QStringList{"clerk", "clerk"}));
        history->scopeBox()->setCurrentIndex(1);
        history->kindBox()->setCurrentIndex(1 + int(ChangeKind::Add));
        QCOMPARE(column(history->table(), 2), (QStringList{"Bob", "Ann"}));
        history->fromEdit()->setDate(QDate::currentDate().addDays(1));
        QCOMPARE(history->table()->rowCount(), 0);
        history->close();

        // With nothing left to undo, Ctrl+Z says so and changes nothing.
        QTest::keyClick(fixture.ui().List, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(fixture.dialogs.messages().last().title, QStringLiteral("Undo"));
        QCOMPARE(window.customers().names(), (QStringList{"Ann", "Bob"}));
    }

    void recentlyDeletedBringsBackTheChosenOne()
    {
        MainWindowFixture fixture;
        fixture.seed({MainWindowFixture::customer("Ann"), MainWindowFixture::customer("Bob"),
                      MainWindowFixture::customer("Cid")});
        FrmMain& window = fixture.open();
        deleteRow(fixture, 0);
        deleteRow(fixture, 1);
        DeletedWindow* deleted = window.showRecentlyDeleted();
        VERIFY_EVERY_CONTROL_NAMED(deleted);
        QCOMPARE(column(deleted->table(), 0), (QStringList{"Cid", "Ann"}));
        deleted->table()->selectRow(1);
        deleted->bringBackSelected();
        QCOMPARE(window.customers().names(), (QStringList{"Ann", "Bob"}));
        QCOMPARE(window.customers().selectedPosition(), 0);
        QCOMPARE(column(deleted->table(), 0), QStringList{"Cid"});
    }

    void findBoxFiltersAsTypedAndGivesTheListBack()
    {
        MainWindowFixture fixture;
        CustomerRecord mueller = MainWindowFixture::customer("Jörg Müller");
        mueller.setValue(CustomerRecord::Field::City, QStringLiteral("Köln"));
        fixture.seed({MainWindowFixture::customer("Ann"), mueller, MainWindowFixture::customer("Bob"),
                      MainWindowFixture::customer("Mullins")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        window.selectPosition(2);
        QTest::keyClick(ui.List, Qt::Key_F, Qt::ControlModifier);
        QVERIFY(ui.findBox->hasFocus());
        QTest::keyClicks(ui.findBox, "mul");
        QCOMPARE(ui.List->model()->rowCount(), 2);
        QCOMPARE(ui.List->model()->index(0, 0).data().toString(), QStringLiteral("Jörg Müller"));
        QCOMPARE(ui.findCount->text(), QStringLiteral("2 of 4 customers shown"));
        QTest::keyClicks(ui.findBox, " koln");
        QCOMPARE(ui.List->model()->rowCount(), 1);
        // A click on a found row selects that customer, not the list's first.
        const QRect first = ui.List->visualRect(ui.List->model()->index(0, 0));
        QTest::mouseClick(ui.List->viewport(), Qt::LeftButton, {}, first.center());
        QCOMPARE(window.customers().selectedPosition(), 1);
        QCOMPARE(ui.LblDbInfo[0]->value(), QStringLiteral("Jörg Müller"));
        // The totals stay the shop's.
        QCOMPARE(window.customers().productsSoldText(), QStringLiteral("4"));
        QTest::keyClick(ui.findBox, Qt::Key_Escape);
        QCOMPARE(ui.List->model()->rowCount(), 4);
        QCOMPARE(ui.findCount->text(), QString());
        QCOMPARE(window.customers().selectedPosition(), 1);
        QCOMPARE(ui.List->currentIndex().row(), 1);
    }

    // A find over a large list shows what the first part holds at once and
    // adds the rest between events, the selected customer selected again.
    void findGoesOnBetweenEventsKeepingTheSelection()
    {
        MainWindowFixture fixture;
        QVERIFY(fixture.store.open().ok());
        QVERIFY(fixture.store.appendAll([](const CustomerStore::BatchWriter& write) {
            Result written = Result::success();
            for (int customer = 0; customer < 40000 && written.ok(); ++customer)
                written = write(CustomerRecord::Utf8Copy(MainWindowFixture::customer("Kit")).texts, nullptr);
            return written.ok() ? write(CustomerRecord::Utf8Copy(MainWindowFixture::customer("Zed")).texts, nullptr)
                                : written;
        }).ok());
        fixture.store.close();
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        window.selectPosition(40000);
        QTest::keyClicks(ui.findBox, "zed");
        const QLocale locale;
        QCOMPARE(ui.List->model()->rowCount(), 0);
        QCOMPARE(ui.findCount->text(),
                 QStringLiteral("0 of %1 customers shown\u2026").arg(locale.toString(40001)));
        for (int events = 0; events < 10 && window.customers().findingMore(); ++events)
            QCoreApplication::processEvents();
        QCOMPARE(ui.List->model()->rowCount(), 1);
        QCOMPARE(ui.findCount->text(), QStringLiteral("1 of %1 customers shown").arg(locale.toString(40001)));
        QCOMPARE(ui.List->currentIndex().row(), 0);
        QCOMPARE(window.customers().selectedPosition(), 40000);
    }

    void savingARepeatedCustomerAsksFirst_data()
    {
        QTest::addColumn<QString>("telephone");
        QTest::addColumn<QString>("email");
        QTest::addColumn<int>("choice");
        QTest::addColumn<bool>("done");
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QString>("asked");
        const QString byTelephone = QStringLiteral("A customer with this name and telephone is already stored");
        const QStringList one{"Ann Lee", "Bob"};
        const QStringList two{"Ann Lee", "Bob", "ANN  LEE"};
        QTest::newRow("open that customer") << "(0113) 496-0000" << "" << 0 << true << one << byTelephone;
        QTest::newRow("save anyway") << "0113 4960000" << "" << 1 << true << two << byTelephone;
        QTest::newRow("cancel") << "01134960000" << "" << 2 << false << one << byTelephone;
        QTest::newRow("same e-mail") << "999" << " ANN@example.com" << 2 << false << one
                                     << "A customer with this e-mail address is already stored";
        QTest::newRow("another telephone") << "999" << "" << -1 << true << two << "";
    }

    void savingARepeatedCustomerAsksFirst()
    {
        QFETCH(QString, telephone);
        QFETCH(QString, email);
        QFETCH(int, choice);
        MainWindowFixture fixture;
        CustomerRecord ann = MainWindowFixture::customer("Ann Lee");
        ann.setValue(CustomerRecord::Field::Zip, QStringLiteral("0113 496 0000"));
        ann.setValue(CustomerRecord::Field::FAX, QStringLiteral("ann@example.com"));
        fixture.seed({ann, MainWindowFixture::customer("Bob")});
        FrmMain& window = fixture.open();
        CustomerRecord again = MainWindowFixture::customer("ANN  LEE");
        again.setValue(CustomerRecord::Field::Zip, telephone);
        again.setValue(CustomerRecord::Field::FAX, email);
        const int messages = int(fixture.dialogs.messages().size());
        if (choice >= 0)
            fixture.dialogs.queueChoice(choice);
        QTEST(window.AddUser(again), "done");
        window.RefreshList();
        QTEST(window.customers().names(), "names");
        QFETCH(QString, asked);
        QCOMPARE(fixture.dialogs.messages().size() > messages, !asked.isEmpty());
        if (!asked.isEmpty())
            QVERIFY(fixture.dialogs.messages().last().text.startsWith(asked + "\nOpen that customer\n"));
        QCOMPARE(window.customers().selectedPosition(), choice == 0 ? 0 : -1);
    }

    void automaticBackupOnCloseIsListedAndAFailureIsToldOnce()
    {
        MainWindowFixture fixture;
        fixture.seed({MainWindowFixture::customer("Ann")});
        FrmMain& window = fixture.open();
        window.takeAutomaticBackup();
        BackupCopiesWindow* copies = window.showAutomaticBackups();
        VERIFY_EVERY_CONTROL_NAMED(copies);
        QCOMPARE(copies->table()->rowCount(), 1);
        QCOMPARE(copies->table()->item(0, 2)->text(), QStringLiteral("1"));
        QVERIFY(copies->restoreButton()->isEnabled());

        // Backups/ taken by a file: the copy fails, the work goes on.
        QVERIFY(QDir(fixture.folder.filePath("Backups")).removeRecursively());
        QFile blocker(fixture.folder.filePath("Backups"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(window.AddUser(MainWindowFixture::customer("Bob")));
        const int messages = int(fixture.dialogs.messages().size());
        window.takeAutomaticBackup();
        const QString status = fixture.ui().GroupBox8->Label66->value();
        QVERIFY2(status.startsWith("The automatic backup failed: "), qPrintable(status));
        fixture.ui().GroupBox8->Label66->setValue(QStringLiteral("."));
        window.close();
        QCOMPARE(fixture.ui().GroupBox8->Label66->value(), QStringLiteral("."));
        QCOMPARE(int(fixture.dialogs.messages().size()), messages);
    }
};

QTEST_MAIN(FrmMainSafetyTest)
#include "tst_frmmain_safety.moc"
