// The main window's backup page, pie reports, report generator and quick
// note, on a real database in a temporary program folder.
#include "MainWindowFixture.h"
#include "Pie.h"
#include "ToolPicture.h"
#include "chameleonButton.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QListView>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

using Fixture = MainWindowFixture;

// The figures the charts read, as the timers would have shown them.
void refreshFigures(FrmMain& window)
{
    window.refreshCompanyStatus();
    window.refreshQuickStart();
}

void shipTemplate(Fixture& fixture, const QString& name, const QByteArray& rtf)
{
    QFile file(fixture.folder.filePath(QStringLiteral("Other/") + name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(rtf);
}

QByteArray fileBytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

PanelGroup* shownPanel(const FrmMainControls& ui)
{
    for (PanelGroup* panel : ui.panels())
        if (panel->isVisible())
            return panel;
    return nullptr;
}

} // namespace

class FrmMainReportsTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void profitShare_data()
    {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<QString>("caption");
        QTest::newRow("a quarter") << 0 << " = 25.00 %" << "Ann's Spendings";
        QTest::newRow("an eighth") << 1 << " = 12.50 %" << "Bob's Spendings";
        QTest::newRow("nothing selected") << -1 << " = 0.00 %" << ".'s Spendings";
    }

    void profitShare()
    {
        QFETCH(int, selected);
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann", "1", "250"), Fixture::customer("Bob", "1", "125"),
                      Fixture::customer("Cyd", "1", "625")});
        FrmMain& window = fixture.open();
        if (selected >= 0)
            window.selectPosition(selected);
        refreshFigures(window);
        window.generatePieChart();
        QTEST(fixture.ui().GroupBox10->Label56->value(), "legend");
        QTEST(fixture.ui().GroupBox10->Label53->text(), "caption");
        QVERIFY(fixture.dialogs.messages().isEmpty());
    }

    void chartToolsSwitchThePanel()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann", "2", "50"), Fixture::customer("Bob"),
                      Fixture::customer("Cyd"), Fixture::customer("Dee", "1", "1", "0", "f")});
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        refreshFigures(window);

        // Without a customer the earnings chart says so and stays away.
        ui.Image21->click();
        QCOMPARE(fixture.dialogs.messages().size(), 1);
        QCOMPARE(fixture.dialogs.messages().first().title, QStringLiteral("A Customer Has Not Been Selected"));
        QVERIFY(shownPanel(ui) != ui.GroupBox10);

        ui.Image24->click();
        QCOMPARE(shownPanel(ui), ui.GroupBox12);
        QCOMPARE(ui.GroupBox12->Label61->value(), QStringLiteral(" = 75.00 %"));
        QCOMPARE(ui.GroupBox12->Label62->value(), QStringLiteral(" = 25.00 %"));
        QVERIFY(!window.pageTimerRunning());

        window.selectPosition(0);
        refreshFigures(window);
        ui.Image21->click();
        QCOMPARE(shownPanel(ui), ui.GroupBox10);
        QCOMPARE(ui.GroupBox10->Label56->value(), QStringLiteral(" = 97.09 %"));
        // A screen reader hears the share under the caption shown above it.
        QCOMPARE(ui.GroupBox10->Label56->accessibleName(), QStringLiteral("Ann's Spendings  = 97.09 %"));
    }

    // No earnings, no share: nothing is drawn and nothing is said.
    void noEarningsDrawNothing()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann", "0", "0")});
        FrmMain& window = fixture.open();
        window.selectPosition(0);
        refreshFigures(window);
        window.generatePieChart();
        fixture.ui().Image21->click();
        QCOMPARE(fixture.ui().GroupBox10->Label56->value(), QStringLiteral(" = 0%"));
        QVERIFY(fixture.dialogs.messages().isEmpty());
    }

    void backUpAndRestore()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann")});
        FrmMain& window = fixture.open();
        const BackupPage* page = fixture.ui().GroupBox8;
        const QString backup = fixture.folder.filePath(QStringLiteral("Ann only.mdb"));

        fixture.dialogs.queueFile(backup);
        QTest::mouseClick(page->chameleonButton2, Qt::LeftButton);
        QCOMPARE(page->Label66->value(), QStringLiteral("Directory Selected. Press Backup Button To Backup"));
        QCOMPARE(page->Text15->text(), backup);
        QTest::mouseClick(page->chameleonButton3, Qt::LeftButton);
        QCOMPARE(fixture.dialogs.messages().value(0).text,
                 "Congratulations! Your Customer Database was Successfully Backed Up To: \n\n" + backup);
        QCOMPARE(page->Label66->value(), QStringLiteral("Your Database was Successfully Backed Up"));
        QCOMPARE(fixture.settings.GetSetting(Settings::Backup), backup);

        QVERIFY(window.AddUser(Fixture::customer("Bob")));
        window.RefreshList();
        fixture.dialogs.queueFile(backup);
        QTest::mouseClick(page->chameleonButton5, Qt::LeftButton);
        QCOMPARE(page->Label67->value(), QStringLiteral("Directory Selected. Press Restore Button To Restore"));
        const QByteArray chosen = fileBytes(backup);
        QTest::mouseClick(page->chameleonButton4, Qt::LeftButton);
        const QString restored = fixture.dialogs.messages().value(1).text;
        QVERIFY2(restored.startsWith("Congratulations! Database Backup was Successfully Restored From: \n\n"
                                     + backup + "\n\nThe customer database in use until now is kept as \""
                                     + fixture.folder.filePath("Other/Tallyvane DB.mdb.before-restore-")),
                 qPrintable(restored));
        QCOMPARE(page->Label67->value(), QStringLiteral("Database Backup was Successfully Restored "));
        QCOMPARE(window.customers().names(), QStringList{"Ann"});
        QCOMPARE(fileBytes(backup), chosen);
    }

    void refusedRestoreKeepsTheDatabase()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann")});
        FrmMain& window = fixture.open();
        const BackupPage* page = fixture.ui().GroupBox8;
        const QString notes = fixture.folder.filePath(QStringLiteral("notes.mdb"));
        QFile text(notes);
        QVERIFY(text.open(QIODevice::WriteOnly));
        text.write("shopping list");
        text.close();

        fixture.dialogs.queueFile(notes);
        QTest::mouseClick(page->chameleonButton5, Qt::LeftButton);
        QTest::mouseClick(page->chameleonButton4, Qt::LeftButton);
        QCOMPARE(fixture.dialogs.messages().size(), 1);
        QCOMPARE(fixture.dialogs.messages().first().icon, MessageIcon::Critical);
        QCOMPARE(page->Label67->value(), QStringLiteral("Directory Selected. Press Restore Button To Restore"));
        QCOMPARE(window.customers().names(), QStringList{"Ann"});
        QVERIFY(window.AddUser(Fixture::customer("Bob")));

        // A backup never chosen is told, and the store is still open.
        QTest::mouseClick(page->chameleonButton3, Qt::LeftButton);
        QCOMPARE(fixture.dialogs.messages().size(), 2);
        QVERIFY(window.AddUser(Fixture::customer("Cyd")));
    }

    void reportFromTheTemplate()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann {\\b Lee}", "2", "12.5")});
        shipTemplate(fixture, QStringLiteral("Report Generator.rtf"),
                     "{\\rtf1\\ansi{\\b vNamev} owes vPricev for vQuantityv vProductv; VNAMEV}");
        FrmMain& window = fixture.open();
        const FrmMainControls& ui = fixture.ui();
        ui.Image5->click();
        QCOMPARE(fixture.dialogs.messages().size(), 1);

        window.selectPosition(0);
        refreshFigures(window);
        ui.Image5->click();
        QCOMPARE(shownPanel(ui), ui.GroupBox7);
        QCOMPARE(ui.GroupBox7->RichTextBox1->toPlainText(),
                 QStringLiteral("Ann {\\b Lee} owes $ 12.50 for 2 Product; VNAMEV"));

        // Printing cancelled in the dialog prints nothing and says nothing.
        fixture.dialogs.queuePrint(std::nullopt);
        QTest::mouseClick(ui.GroupBox7->chameleonButton1, Qt::LeftButton);
        QCOMPARE(fixture.dialogs.printRequests(), 1);
        QCOMPARE(fixture.dialogs.messages().size(), 1);
    }

    void missingTemplatesAreTold()
    {
        Fixture fixture;
        fixture.seed({Fixture::customer("Ann")});
        FrmMain& window = fixture.open();
        window.selectPosition(0);
        fixture.ui().Image5->click();
        QTest::mouseClick(fixture.ui().GroupBox14->chameleonButton7, Qt::LeftButton);
        QCOMPARE(fixture.dialogs.messages().size(), 2);
        QVERIFY(fixture.dialogs.messages().at(0).text.contains(QStringLiteral("Report Generator.rtf")));
        QVERIFY(fixture.dialogs.messages().at(1).text.contains(QStringLiteral("Quick Note Pad.rtf")));
        QCOMPARE(fixture.dialogs.printRequests(), 0);
    }
};

QTEST_MAIN(FrmMainReportsTest)
#include "tst_frmmain_reports.moc"
