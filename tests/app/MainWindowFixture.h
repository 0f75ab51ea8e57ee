#pragma once

#include "FakeDialogs.h"
#include "FrmMain.h"
#include "SettingsStore.h"
#include "SqliteCustomerStore.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

// A main window on a database and settings of its own in a temporary
// program folder, with scripted dialogs and a fixed clock.
class MainWindowFixture
{
public:
    static QDateTime now() { return QDateTime(QDate(2026, 12, 6), QTime(14, 5, 9)); }

    MainWindowFixture()
        : store(folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb"))),
          settings(folder.filePath(QStringLiteral("settings.ini")))
    {
        settings.SaveSetting(Settings::FirstTimeRun, QStringLiteral("1"));
    }

    // A customer whose other texts derive from the name.
    static CustomerRecord customer(const QString& name, const QString& quantity = QStringLiteral("1"),
                                   const QString& price = QStringLiteral("1"),
                                   const QString& paid = QStringLiteral("0"),
                                   const QString& sex = QStringLiteral("m"))
    {
        // Columns State to Email hold postcode, telephone, fax, e-mail and state.
        return CustomerRecord::fromList({name, name + " Street", "Country", "City", "Postcode", "Phone",
                                         "Fax", name + "@example.com", "State", "Product", quantity,
                                         price, "12/6/2026", "Cash", paid, sex});
    }

    void seed(const QList<CustomerRecord>& customers)
    {
        QVERIFY(store.open().ok());
        for (const CustomerRecord& record : customers)
            QVERIFY(store.append(record).ok());
        store.close();
    }

    // Loads the window for the given role and runs the role rules once.
    FrmMain& open(const QString& role = Session::administrator())
    {
        window = std::make_unique<FrmMain>(
            FrmMainServices{store, settings, dialogs, folder.path(), [] { return now(); }});
        const Result loaded = window->load();
        if (!loaded.ok())
            qFatal("%s", qPrintable(loaded.message()));
        window->setRole(role);
        window->applyRoleRules();
        window->show();
        QApplication::setActiveWindow(window.get());
        return *window;
    }

    const FrmMainControls& ui() const { return window->controls(); }

    // The database as a second program would read it now.
    class Reopened
    {
    public:
        explicit Reopened(MainWindowFixture& fixture)
            : m_store(fixture.folder.filePath(QStringLiteral("Other/Tallyvane DB.mdb")))
        {
            m_store.open();
        }
        QStringList names()
        {
            QStringList found;
            m_store.scanSummaries([&](CustomerSummary& row) { found.append(row.name); });
            return found;
        }

    private:
        SqliteCustomerStore m_store;
    };

    QTemporaryDir folder;
    SqliteCustomerStore store;
    SettingsStore settings;
    FakeDialogs dialogs;
    std::unique_ptr<FrmMain> window;
};
