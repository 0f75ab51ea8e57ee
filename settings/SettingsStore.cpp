#include "SettingsStore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

namespace {

const QString kOrganization = QStringLiteral("Tallyvane");
const QString kApplication = QStringLiteral("Databases");

QString path(const QString& section, const QString& key)
{
    return section + QLatin1Char('/') + key;
}

// Creates the file readable by its owner only before anything is written
// to it; the atomic rewrites that follow keep its permissions.
void createOwnerOnlyFile(const QString& fileName)
{
    if (QFile::exists(fileName))
        return;
    QDir().mkpath(QFileInfo(fileName).absolutePath());
    QFile file(fileName);
    if (file.open(QIODevice::WriteOnly))
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

SettingsStore::SettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                             kOrganization, kApplication))
{
}

SettingsStore::SettingsStore(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

SettingsStore::~SettingsStore() = default;

QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    // Another run of the program may have written since we last looked.
    m_settings->sync();
    const QString address = path(section, key);
    if (!m_settings->contains(address))
        return defaultValue;
    return m_settings->value(address).toString();
}

void SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    const QString address = path(section, key);
    // Timers save the same values over and over; an unchanged value costs
    // no write.
    if (m_settings->contains(address) && m_settings->value(address).toString() == value)
        return;
    createOwnerOnlyFile(m_settings->fileName());
    m_settings->setValue(address, value);
    m_settings->sync();
}

QString SettingsStore::GetSetting(const SettingKey& setting) const
{
    return GetSetting(QLatin1String(setting.section), QLatin1String(setting.key),
                      QString::fromUtf8(setting.defaultValue));
}

void SettingsStore::SaveSetting(const SettingKey& setting, const QString& value)
{
    SaveSetting(QLatin1String(setting.section), QLatin1String(setting.key), value);
}

QString SettingsStore::fileName() const
{
    return m_settings->fileName();
}
