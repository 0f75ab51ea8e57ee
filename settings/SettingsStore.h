#pragma once

#include "Result.h"

#include <QString>

// A setting's address and the default the program reads it with.
struct SettingKey
{
    const char* section;
    const char* key;
    const char* defaultValue;
};

// Every setting of the program, spelled exactly as stored.
namespace Settings {
inline constexpr SettingKey FirstTimeRun{"Admin", "FirstTimeRun", "0"};
inline constexpr SettingKey Name{"Admin", "Name", ""};
inline constexpr SettingKey Email{"Admin", "Email", ""};
inline constexpr SettingKey Password{"Admin", "Password", ""};
inline constexpr SettingKey DeleteAllowedCheck{"Admin", "DeleteAllowedCheck", "0"};
inline constexpr SettingKey AddAllowedCheck{"Admin", "AddAllowedCheck", "0"};
inline constexpr SettingKey EditAllowedCheck{"Admin", "EditAllowedCheck", "0"};
inline constexpr SettingKey Currency{"Admin", "Currency", "-1"};
inline constexpr SettingKey CurrencyOther{"Admin", "CurrencyOther",
                                          "  If You Choose Other Please Specify Your Currency"};
inline constexpr SettingKey DeleteAllowed{"Admin", "DeleteAllowed", "0"};
inline constexpr SettingKey AddAllowed{"Admin", "AddAllowed", "0"};
inline constexpr SettingKey EditAllowed{"Admin", "EditAllowed", "0"};
inline constexpr SettingKey Currency1{"Admin", "Currency1", "$"};
inline constexpr SettingKey Currency2{"Admin", "Currency2", "$"};
inline constexpr SettingKey History{"Record", "history", "Never Used"};
inline constexpr SettingKey HistoryUser{"Record", "historyuser", "None"};
inline constexpr SettingKey Backup{"Record", "backup", ""};
inline constexpr SettingKey Restore{"Record", "restore", ""};
inline constexpr SettingKey Schedule{"Record", "Schedule", "None"};
// The PostgreSQL server the customers are on (a URI without a password);
// empty for the local file.
inline constexpr SettingKey Server{"Record", "server", ""};
} // namespace Settings

// The per-user settings of application "Databases": text values addressed
// by section and key. A saved empty text is a value of its own, distinct
// from a key never saved. There is no cache: every read and every
// unchanged-value check looks at the file as it is now, since another run
// of the program may have written it. Every write reaches the file at once
// and makes it readable by its owner only, as it holds the password.
class SettingsStore
{
public:
    // The user's own store.
    SettingsStore();
    // A store in the given INI file (tests use a temporary one).
    explicit SettingsStore(const QString& fileName);

    QString GetSetting(const QString& section, const QString& key,
                       const QString& defaultValue) const;
    // Saving the value already stored writes nothing. A failure says what
    // could not be done; the stored value is then unchanged.
    Result SaveSetting(const QString& section, const QString& key, const QString& value);

    QString GetSetting(const SettingKey& setting) const;
    Result SaveSetting(const SettingKey& setting, const QString& value);

    const QString& fileName() const { return m_fileName; }

private:
    QString m_fileName;
};
