#include "SettingsStore.h"

#include <QDir>
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

    void absentKeyGivesTheCallersDefault();
    void emptyValueIsNotAbsent();
    void valuesRoundTripExactly_data();
    void valuesRoundTripExactly();
    void keysAreStoredUnderTheirSections();
    void fileIsReadableByItsOwnerOnly_data();
    void fileIsReadableByItsOwnerOnly();
    void unchangedValueIsNotWrittenAgain();
    void valueChangedElsewhereIsWrittenAgain();
    void unwritableFileIsReported_data();
    void unwritableFileIsReported();
    void damagedFileGivesDefaults();

private:
    QString fileName() const { return m_folder->filePath(QStringLiteral("Databases.ini")); }
    // Writes the file as another program (or another run of this one) would.
    void writeElsewhere(const QByteArray& content) const;

    std::unique_ptr<QTemporaryDir> m_folder;
};

namespace {

constexpr QFile::Permissions kOthers =
    QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther;

} // namespace

void TestSettingsStore::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
}

void TestSettingsStore::writeElsewhere(const QByteArray& content) const
{
    QFile file(fileName());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(content), content.size());
}

void TestSettingsStore::absentKeyGivesTheCallersDefault()
{
    SettingsStore store(fileName());
    QCOMPARE(store.GetSetting("Record", "history", "Never Used"), QStringLiteral("Never Used"));
    QCOMPARE(store.GetSetting(Settings::HistoryUser), QString::fromUtf8(Settings::HistoryUser.defaultValue));
    QVERIFY(!QFile::exists(fileName()));
}

void TestSettingsStore::emptyValueIsNotAbsent()
{
    {
        SettingsStore store(fileName());
        QVERIFY(store.SaveSetting(Settings::HistoryUser, QString()).ok());
        QCOMPARE(store.GetSetting(Settings::HistoryUser), QString(""));
    }
    SettingsStore reopened(fileName());
    QCOMPARE(reopened.GetSetting("Record", "historyuser", "None"), QString(""));
    QCOMPARE(reopened.GetSetting("Record", "history", "Never Used"), QStringLiteral("Never Used"));
}

void TestSettingsStore::valuesRoundTripExactly_data()
{
    const QChar byteOrderMark(0xfeff);
    QTest::addColumn<QString>("value");
    QTest::newRow("leading blanks") << "  If You Choose Other Please Specify Your Currency";
    QTest::newRow("commas") << "Date: 12/6/2026, At: 8:03:05 PM";
    QTest::newRow("several lines") << "Dentist 12/6/2026\r\nBarber 12/7/2026\n";
    QTest::newRow("quotes and at sign") << "@\"quoted\" 'single' ;semicolon =equals";
    QTest::newRow("non-ASCII") << QString::fromUtf8("€ £ ¥ Zoë");
    QTest::newRow("looks like a list") << "a, b, c";
    QTest::newRow("backslashes") << "C:\\Backups\\Tallyvane DB.mdb";
    QTest::newRow("looks like stored bytes") << "@ByteArray(abc)";
    QTest::newRow("leading byte-order mark") << byteOrderMark + QStringLiteral("Dentist, 12/6");
    QTest::newRow("two byte-order marks") << QString(2, byteOrderMark) + QStringLiteral("x");
    QTest::newRow("byte-order mark alone") << QString(byteOrderMark);
    QTest::newRow("byte-order mark inside") << QStringLiteral("a") + byteOrderMark;
}

// The next run of the program reads the file anew; a copy under another
// name makes QSettings do the same here.
void TestSettingsStore::valuesRoundTripExactly()
{
    QFETCH(QString, value);
    QVERIFY(SettingsStore(fileName()).SaveSetting(Settings::Schedule, value).ok());
    QCOMPARE(SettingsStore(fileName()).GetSetting(Settings::Schedule), value);

    const QString nextRun = m_folder->filePath(QStringLiteral("Next run.ini"));
    QVERIFY(QFile::copy(fileName(), nextRun));
    QCOMPARE(SettingsStore(nextRun).GetSetting(Settings::Schedule), value);
}

void TestSettingsStore::keysAreStoredUnderTheirSections()
{
    SettingsStore store(fileName());
    QVERIFY(store.SaveSetting(Settings::Password, "secret").ok());
    QVERIFY(store.SaveSetting(Settings::History, "Date: today").ok());
    QSettings raw(fileName(), QSettings::IniFormat);
    QCOMPARE(raw.value("Admin/Password").toString(), QStringLiteral("secret"));
    QCOMPARE(raw.value("Record/history").toString(), QStringLiteral("Date: today"));
    QVERIFY(!raw.contains("Record/History"));
}

void TestSettingsStore::fileIsReadableByItsOwnerOnly_data()
{
    QTest::addColumn<bool>("existing");
    QTest::newRow("new file") << false;
    QTest::newRow("existing file readable by others") << true;
}

void TestSettingsStore::fileIsReadableByItsOwnerOnly()
{
    QFETCH(bool, existing);
    if (existing) {
        writeElsewhere("[Admin]\nName=Ann\n");
        QVERIFY(QFile::setPermissions(fileName(), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup
                                                      | QFile::ReadOther));
    }
    SettingsStore store(fileName());
    QVERIFY(store.SaveSetting(Settings::Password, "secret").ok());
    QCOMPARE(QFileInfo(fileName()).permissions() & kOthers, QFile::Permissions());
    QVERIFY(QFileInfo(fileName()).permissions() & QFile::ReadOwner);
    QCOMPARE(store.GetSetting(Settings::Name), existing ? QStringLiteral("Ann") : QString());
}

// A rewrite would drop the comment another program left in the file.
void TestSettingsStore::unchangedValueIsNotWrittenAgain()
{
    writeElsewhere("[Record]\nSchedule=None\n; a note left by hand\n");
    SettingsStore store(fileName());
    QVERIFY(store.SaveSetting(Settings::Schedule, "None").ok());
    QFile file(fileName());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().contains("; a note left by hand"));
}

// Another run of the program changed the value: saving the value this run
// holds must write it, though this run saved the same value before.
void TestSettingsStore::valueChangedElsewhereIsWrittenAgain()
{
    SettingsStore store(fileName());
    QVERIFY(store.SaveSetting(Settings::Schedule, "Dentist").ok());
    writeElsewhere("[Record]\nSchedule=Barber at noon\n");
    QVERIFY(store.SaveSetting(Settings::Schedule, "Dentist").ok());
    QCOMPARE(SettingsStore(fileName()).GetSetting(Settings::Schedule), QStringLiteral("Dentist"));
}

void TestSettingsStore::unwritableFileIsReported_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder is a file") << "Settings" << "Settings/Databases.ini" << "could not be created";
    QTest::newRow("file is a folder") << "Databases.ini/keep" << "Databases.ini" << "is not a file";
}

void TestSettingsStore::unwritableFileIsReported()
{
    QFETCH(QString, blocker);
    QFETCH(QString, file);
    QFETCH(QString, reason);
    // Permissions do not stop every user (root writes anyway); a file where a
    // folder must be, or a folder where the file must be, stops everyone.
    QVERIFY(QDir(m_folder->path()).mkpath(QFileInfo(blocker).path()));
    QFile blocking(m_folder->filePath(blocker));
    QVERIFY(blocking.open(QIODevice::WriteOnly));
    blocking.close();
    const QString path = m_folder->filePath(file);

    SettingsStore store(path);
    const Result saved = store.SaveSetting(Settings::Password, "secret");
    QVERIFY(!saved.ok());
    QVERIFY2(saved.message().startsWith(QStringLiteral("The settings could not be saved")),
             qPrintable(saved.message()));
    QVERIFY2(saved.message().contains(QDir::toNativeSeparators(path)), qPrintable(saved.message()));
    QVERIFY2(saved.message().contains(reason), qPrintable(saved.message()));
    QCOMPARE(store.GetSetting(Settings::Password), QString());
}

void TestSettingsStore::damagedFileGivesDefaults()
{
    static const char damaged[] = "\xff\xfe[Admin\n\0\0garbage=\"unterminated\n";
    writeElsewhere(QByteArray(damaged, sizeof damaged - 1));
    SettingsStore store(fileName());
    QCOMPARE(store.GetSetting(Settings::FirstTimeRun), QStringLiteral("0"));
    QVERIFY(store.SaveSetting(Settings::FirstTimeRun, "1").ok());
    QCOMPARE(SettingsStore(fileName()).GetSetting(Settings::FirstTimeRun), QStringLiteral("1"));
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "tst_settingsstore.moc"
