#include "AccessibleNames.h"
#include "ImportWindow.h"
#include "MainPages.h"
#include "MainWindowFixture.h"
#include "MainWindowStart.h"
#include "ReportPages.h"
#include "ToolPicture.h"
#include "chameleonButton.h"

#include <QComboBox>
#include <QImage>
#include <QTableWidget>

// Customers in and out: the import window, the exports and saved pages,
// and a Jet file found where the database belongs.
class FrmMainTransferTest : public QObject
{
    Q_OBJECT

private slots:
    void transferToolsAreTheAdministratorsAlone()
    {
        MainWindowFixture fixture;
        fixture.open(Session::clerk());
        QVERIFY(fixture.ui().GroupBox8->importCustomers->isHidden());
        fixture.window->setRole(Session::administrator());
        fixture.window->applyRoleRules();
        QVERIFY(!fixture.ui().GroupBox8->importCustomers->isHidden());
        QVERIFY(!fixture.ui().GroupBox8->exportCustomers->isHidden());
    }

    void importsThroughThePreviewAskingOnceAboutDuplicates()
    {
        MainWindowFixture fixture;
        CustomerRecord stored = MainWindowFixture::customer(QStringLiteral("Ann Lee"));
        stored.setValue(CustomerRecord::Field::Zip, QStringLiteral("0113 496"));
        fixture.seed({stored});
        FrmMain& window = fixture.open();
        QTest::mouseClick(fixture.ui().GroupBox8->importCustomers, Qt::LeftButton);
        ImportWindow* import = window.importWindow();
        QVERIFY(import && import->isVisible());
        VERIFY_EVERY_CONTROL_NAMED(import);

        QFile file(fixture.folder.filePath(QStringLiteral("list.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name,Phone,City\r\nANN LEE,0113-496,York\r\nBob Marsh,555,Hull\r\n,556,Bath\r\n");
        file.close();
        fixture.dialogs.queueFile(file.fileName());
        import->chooseFile();
        QCOMPARE(import->previewTable()->rowCount(), 3);
        QCOMPARE(import->previewTable()->item(0, 2 + int(CustomerRecord::Field::City))->text(), QStringLiteral("York"));
        QCOMPARE(import->previewTable()->item(2, 1)->text(), QStringLiteral("The customer has no name."));
        QCOMPARE(import->mappingBox(int(CustomerRecord::Field::Zip))->currentText(), QStringLiteral("Phone"));

        fixture.dialogs.queueChoice(0); // skip the one already stored
        QVERIFY(import->runImport());
        QCOMPARE(window.customers().names(), (QStringList{"Ann Lee", "Bob Marsh"}));
        const QString report = fixture.dialogs.messages().last().text;
        QVERIFY2(report.contains("Customers imported: 1") && report.contains("Already stored, skipped: 1")
                     && report.contains("Line 4: The customer has no name."),
                 qPrintable(report));
        QVERIFY(fixture.dialogs.messages().at(fixture.dialogs.messages().size() - 2).text.contains("Skip Them"));

        fixture.dialogs.queueChoice(std::nullopt); // asked again, cancelled: nothing more
        QVERIFY(!import->runImport());
        QCOMPARE(window.customers().count(), 2);
    }

    void savesCustomersPagesAndCharts_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QByteArray>("starts");
        QTest::newRow("all as CSV") << "csv" << QByteArray("Name,Address,Country,");
        QTest::newRow("all as CSV for Excel") << "excel" << QByteArray("\xef\xbb\xbfName,");
        QTest::newRow("selected as vCard") << "vcard" << QByteArray("BEGIN:VCARD\r\nVERSION:4.0\r\n");
        QTest::newRow("report as PDF") << "pdf" << QByteArray("%PDF");
        QTest::newRow("chart as SVG") << "svg" << QByteArray("<?xml");
        QTest::newRow("chart as PNG") << "png" << QByteArray("\x89PNG");
    }

    void savesCustomersPagesAndCharts()
    {
        QFETCH(QString, what);
        QFETCH(QByteArray, starts);
        MainWindowFixture fixture;
        fixture.seed({MainWindowFixture::customer("Ann Lee"), MainWindowFixture::customer("Bob Marsh", "2", "5")});
        FrmMain& window = fixture.open();
        window.selectPosition(1);
        const QString path = fixture.folder.filePath(QStringLiteral("saved.") + what);
        fixture.dialogs.queueFile(path);
        const QStringList exports{"csv", "excel", "", "vcard"};
        if (exports.contains(what)) {
            fixture.dialogs.queueChoice(int(exports.indexOf(what)));
            QTest::mouseClick(fixture.ui().GroupBox8->exportCustomers, Qt::LeftButton);
        } else if (what == "pdf") {
            window.generateReport();
            QTest::mouseClick(fixture.ui().GroupBox7->savePdf, Qt::LeftButton);
        } else {
            fixture.ui().Image21->click();
            QTest::mouseClick(what == "png" ? fixture.ui().GroupBox10->savePng : fixture.ui().GroupBox10->saveSvg,
                              Qt::LeftButton);
        }
        QFile saved(path);
        QVERIFY2(saved.open(QIODevice::ReadOnly), qPrintable(fixture.dialogs.messages().value(0).text));
        const QByteArray bytes = saved.readAll();
        QVERIFY2(bytes.startsWith(starts), bytes.left(40).constData());
        if (what == "vcard")
            QCOMPARE(bytes.count("BEGIN:VCARD"), 1);
        if (what == "csv")
            QCOMPARE(bytes.count("\r\n"), 3);
        if (what == "png") {
            // The chart's green slice (the customer's share) is in the picture.
            const QImage picture = QImage::fromData(bytes);
            QVERIFY(!picture.isNull());
            bool green = false;
            for (int y = 0; y < picture.height() && !green; y += 4)
                for (int x = 0; x < picture.width() && !green; x += 4)
                    green = picture.pixelColor(x, y).green() > 180 && picture.pixelColor(x, y).blue() < 60;
            QVERIFY(green);
        }
    }

    void aJetFileAtStartIsConvertedOnlyWhenAccepted_data()
    {
        QTest::addColumn<bool>("accept");
        QTest::newRow("declined") << false;
        QTest::newRow("accepted") << true;
    }

    void aJetFileAtStartIsConvertedOnlyWhenAccepted()
    {
        QFETCH(bool, accept);
        const QString nwind = QStringLiteral(TALLYVANE_TESTDATA "/jet/nwind.mdb");
        if (!QFile::exists(nwind))
            QSKIP("The shared Jet test files are not on this machine.");
        MainWindowFixture fixture;
        const QString file = fixture.folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb"));
        QDir().mkpath(QFileInfo(file).path());
        QVERIFY(QFile::copy(nwind, file));
        fixture.dialogs.queueAnswer(accept ? MessageAnswer::Yes : MessageAnswer::No);
        // nwind has no Info: its largest tables are offered, Customers the fourth.
        fixture.dialogs.queueChoice(3);
        FrmMain window(FrmMainServices{fixture.store, fixture.settings, fixture.dialogs, fixture.folder.path()});
        QCOMPARE(loadMainWindow(window, fixture.dialogs, file), accept);
        const QString kept = fixture.folder.filePath(QStringLiteral("Other/Tallyvane DB (Jet original).mdb"));
        QFile original(accept ? kept : file);
        QFile reference(nwind);
        QVERIFY(original.open(QIODevice::ReadOnly) && reference.open(QIODevice::ReadOnly));
        QVERIFY(original.readAll() == reference.readAll());
        if (accept) {
            QCOMPARE(window.customers().count(), 91);
            QVERIFY(fixture.dialogs.messages().last().text.startsWith("91 customers were converted"));
        } else {
            QVERIFY(!QFile::exists(kept));
            QVERIFY(fixture.dialogs.messages().last().text.contains("has not been changed"));
        }
    }
};

QTEST_MAIN(FrmMainTransferTest)
#include "tst_frmmain_transfer.moc"
