#pragma once

#include <QList>
#include <QString>

class SettingsStore;
struct SettingKey;

// What the setup window shows, as plain values: the administrator's
// account, the three clerk permission boxes and the currency.
struct SetupEntries
{
    QString name;
    QString phone;
    QString password;
    bool deleteTicked = false;
    bool addTicked = false;
    bool editTicked = false;
    int currencyIndex = -1; // position in the currency list, -1 for none
    QString currencyText;   // the list's text, chosen or typed
    QString otherCurrency;
};

// The clerk permissions as the main window keeps them: "0" allowed, "1" not.
struct ClerkPermissions
{
    QString deleteAllowed;
    QString addAllowed;
    QString editAllowed;
};

struct SettingValue
{
    const SettingKey* key;
    QString value;
};

namespace SetupRules {

// A ticked box allows ("0"), an empty one forbids ("1").
QString permissionOf(bool ticked);
ClerkPermissions permissionsOf(const SetupEntries& entries);
// The currency text shown with money: the other-currency text when the
// list says "Other", otherwise the list's text; nothing while the list or
// the other-currency box still shows its prompt.
QString shownCurrency(const SetupEntries& entries);
// Nothing for a prompt that was saved as a currency, else `currency`.
QString currencyOrNone(const QString& currency);
// An administrator account needs all three: name, phone and password.
bool canSave(const SetupEntries& entries);
// What a newly opened setup shows: the stored values, and for a value never
// stored the field's text before anything is typed. A stored position
// outside the list, or a text that is no number, chooses no currency.
SetupEntries storedEntries(const SettingsStore& settings);
// Every setting a save writes, in the order it writes them.
QList<SettingValue> savedSettings(const SetupEntries& entries);

} // namespace SetupRules
