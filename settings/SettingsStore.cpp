#include "SettingsStore.h"

#include "Utf8Text.h"

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

// QSettings' INI reader drops a byte-order mark at the start of a text
// value. Such a value is kept as its UTF-8 bytes instead, which QSettings
// stores escaped and reads back whole.
QVariant storedForm(const QString& value)
{
    if (value.startsWith(QChar(0xfeff)))
        return value.toUtf8();
    return value;
}

QString textOf(const QVariant& stored)
{
    if (stored.typeId() != QMetaType::QByteArray)
        return stored.toString();
    const QByteArray utf8 = stored.toByteArray();
    return textFromUtf8(utf8.constData(), utf8.size());
}

Result notSaved(const QString& fileName, const QString& reason)
{
    return Result::failure(QStringLiteral("The settings could not be saved: the file \"%1\" %2.")
                               .arg(QDir::toNativeSeparators(fileName), reason));
}

// The file is made readable by its owner only before anything is written
// to it, whoever made it and however; the atomic rewrite that follows
// keeps these permissions.
Result makeOwnerOnlyFile(const QString& fileName)
{
    const QFileInfo info(fileName);
    if (info.exists() && !info.isFile())
        return notSaved(fileName, QStringLiteral("is not a file"));
    if (!info.exists()) {
        QDir().mkpath(info.absolutePath());
        QFile file(fileName);
        if (!file.open(QIODevice::WriteOnly))
            return notSaved(fileName, QStringLiteral("could not be created (%1)").arg(file.errorString()));
    }
    if (!QFile::setPermissions(fileName, QFile::ReadOwner | QFile::WriteOwner))
        return notSaved(fileName, QStringLiteral("could not be made private to its owner"));
    return Result::success();
}

} // namespace

SettingsStore::SettingsStore()
    : m_fileName(QSettings(QSettings::IniFormat, QSettings::UserScope, kOrganization, kApplication)
                     .fileName())
{
}

SettingsStore::SettingsStore(const QString& fileName) : m_fileName(fileName) {}

// Each call opens the file afresh: QSettings reads it again when another
// program changed it, and its error status would otherwise outlive the
// failure it reports.
QString SettingsStore::GetSetting(const QString& section, const QString& key,
                                  const QString& defaultValue) const
{
    const QSettings settings(m_fileName, QSettings::IniFormat);
    const QString address = path(section, key);
    if (!settings.contains(address))
        return defaultValue;
    return textOf(settings.value(address));
}

Result SettingsStore::SaveSetting(const QString& section, const QString& key, const QString& value)
{
    QSettings settings(m_fileName, QSettings::IniFormat);
    const QString address = path(section, key);
    // Timers save the same values over and over; what the file already
    // holds costs no write.
    if (settings.contains(address) && textOf(settings.value(address)) == value)
        return Result::success();
    if (const Result owner = makeOwnerOnlyFile(m_fileName); !owner.ok())
        return owner;
    settings.setValue(address, storedForm(value));
    settings.sync();
    // A format error only says the file was damaged before; it is rewritten whole.
    if (settings.status() == QSettings::AccessError)
        return notSaved(m_fileName, QStringLiteral("could not be written"));
    return Result::success();
}

QString SettingsStore::GetSetting(const SettingKey& setting) const
{
    return GetSetting(QLatin1String(setting.section), QLatin1String(setting.key),
                      QString::fromUtf8(setting.defaultValue));
}

Result SettingsStore::SaveSetting(const SettingKey& setting, const QString& value)
{
    return SaveSetting(QLatin1String(setting.section), QLatin1String(setting.key), value);
}
