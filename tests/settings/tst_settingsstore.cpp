#include "SettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void freshStoreGivesTheDefaults_data();
    void freshStoreGivesTheDefaults();
    void emptyValueIsNotAbsent();
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void keysAreStoredUnderTheirSections();
    void fileIsReadableByItsOwnerOnly();
    void unchangedValueIsNotWrittenAgain();
    void damagedFileGivesDefaults();

private:
    QString fileName() const { return m_folder->filePath(QStringLiteral("Databases.ini")); }
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestSettingsStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
}

void TestSettingsStore::freshStoreGivesTheDefaults_data()
{
    QTest::addColumn<const SettingKey*>("setting");
    QTest::addColumn<QString>("expected");
    QTest::newRow("first run flag") << &Settings::FirstTimeRun << "0";
    QTest::newRow("last use") << &Settings::History << "Never Used";
    QTest::newRow("last operator") << &Settings::HistoryUser << "None";
    QTest::newRow("currency 1") << &Settings::Currency1 << "$";
    QTest::newRow("currency 2") << &Settings::Currency2 << "$";
    QTest::newRow("delete allowed") << &Settings::DeleteAllowed << "0";
    QTest::newRow("add allowed") << &Settings::AddAllowed << "0";
    QTest::newRow("edit allowed") << &Settings::EditAllowed << "0";
    QTest::newRow("no currency chosen") << &Settings::Currency << "-1";
    QTest::newRow("other currency hint")
        << &Settings::CurrencyOther << "  If You Choose Other Please Specify Your Currency";
    QTest::newRow("schedule") << &Settings::Schedule << "None";
}

void TestSettingsStore::freshStoreGivesTheDefaults()
{
    QFETCH(const SettingKey*, setting);
    SettingsStore store(fileName());
    QTEST(store.GetSetting(*setting), "expected");
    QVERIFY(!QFile::exists(fileName()));
}

void TestSettingsStore::emptyValueIsNotAbsent()
{
    {
        SettingsStore store(fileName());
        store.SaveSetting(Settings::HistoryUser, QString());
        QCOMPARE(store.GetSetting(Settings::HistoryUser), QString(""));
    }
    SettingsStore reopened(fileName());
    QCOMPARE(reopened.GetSetting("Record", "historyuser", "None"), QString(""));
    QCOMPARE(reopened.GetSetting("Record", "history", "Never Used"), QStringLiteral("Never Used"));
}

void TestSettingsStore::valuesRoundTripExactly_data()
{
    QTest::addColumn<QString>("value");
    QTest::newRow("leading blanks") << "  If You Choose Other Please Specify Your Currency";
    QTest::newRow("commas") << "Date: 12/6/2026, At: 8:03:05 PM";
    QTest::newRow("several lines") << "Dentist 12/6/2026\r\nBarber 12/7/2026\n";
    QTest::newRow("quotes and at sign") << "@\"quoted\" 'single' ;semicolon =equals";
    QTest::newRow("non-ASCII") << QString::fromUtf8("€ £ ¥ Zoë");
    QTest::newRow("looks like a list") << "a, b, c";
    QTest::newRow("backslashes") << "C:\\Backups\\Tallyvane DB.mdb";
}

void TestSettingsStore::valuesRoundTripExactly()
{
    QFETCH(QString, value);
    SettingsStore(fileName()).SaveSetting(Settings::Schedule, value);
    QCOMPARE(SettingsStore(fileName()).GetSetting(Settings::Schedule), value);
}

void TestSettingsStore::keysAreStoredUnderTheirSections()
{
    SettingsStore store(fileName());
    store.SaveSetting(Settings::Password, "secret");
    store.SaveSetting(Settings::History, "Date: today");
    QSettings raw(fileName(), QSettings::IniFormat);
    QCOMPARE(raw.value("Admin/Password").toString(), QStringLiteral("secret"));
    QCOMPARE(raw.value("Record/history").toString(), QStringLiteral("Date: today"));
    QVERIFY(!raw.contains("Record/History"));
}

void TestSettingsStore::fileIsReadableByItsOwnerOnly()
{
    SettingsStore store(fileName());
    store.SaveSetting(Settings::Password, "secret");
    store.SaveSetting(Settings::Password, "another");
    const QFile::Permissions others = QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther
        | QFile::WriteOther;
    QCOMPARE(QFileInfo(fileName()).permissions() & others, QFile::Permissions());
    QVERIFY(QFileInfo(fileName()).permissions() & QFile::ReadOwner);
}

void TestSettingsStore::unchangedValueIsNotWrittenAgain()
{
    SettingsStore store(fileName());
    store.SaveSetting(Settings::Schedule, "None");
    QFile::remove(fileName());
    store.SaveSetting(Settings::Schedule, "None");
    QVERIFY(!QFile::exists(fileName()));
    store.SaveSetting(Settings::Schedule, "Dentist");
    QVERIFY(QFile::exists(fileName()));
}

void TestSettingsStore::damagedFileGivesDefaults()
{
    QFile file(fileName());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\xff\xfe[Admin\n\0\0garbage=\"unterminated\n", 36));
    file.close();
    SettingsStore store(fileName());
    QCOMPARE(store.GetSetting(Settings::FirstTimeRun), QStringLiteral("0"));
    store.SaveSetting(Settings::FirstTimeRun, "1");
    QCOMPARE(SettingsStore(fileName()).GetSetting(Settings::FirstTimeRun), QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
