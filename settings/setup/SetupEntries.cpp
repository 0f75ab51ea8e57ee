#include "SetupEntries.h"

#include "CurrencyList.h"
#include "SettingsStore.h"

namespace {

QString checkOf(bool ticked)
{
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

namespace SetupRules {

QString permissionOf(bool ticked)
{
    return ticked ? QStringLiteral("0") : QStringLiteral("1");
}

ClerkPermissions permissionsOf(const SetupEntries& entries)
{
    return {permissionOf(entries.deleteTicked), permissionOf(entries.addTicked),
            permissionOf(entries.editTicked)};
}

QString shownCurrency(const SetupEntries& entries)
{
    if (entries.currencyText == CurrencyList::other())
        return entries.otherCurrency;
    return entries.currencyText;
}

bool canSave(const SetupEntries& entries)
{
    return !entries.name.isEmpty() && !entries.phone.isEmpty() && !entries.password.isEmpty();
}

QList<SettingValue> savedSettings(const SetupEntries& entries)
{
    const ClerkPermissions permissions = permissionsOf(entries);
    const QString currency = shownCurrency(entries);
    return {
        {&Settings::Name, entries.name},
        {&Settings::Email, entries.phone},
        {&Settings::Password, entries.password},
        {&Settings::DeleteAllowedCheck, checkOf(entries.deleteTicked)},
        {&Settings::AddAllowedCheck, checkOf(entries.addTicked)},
        {&Settings::EditAllowedCheck, checkOf(entries.editTicked)},
        {&Settings::Currency, QString::number(entries.currencyIndex)},
        {&Settings::CurrencyOther, entries.otherCurrency},
        {&Settings::FirstTimeRun, QStringLiteral("1")},
        {&Settings::DeleteAllowed, permissions.deleteAllowed},
        {&Settings::AddAllowed, permissions.addAllowed},
        {&Settings::EditAllowed, permissions.editAllowed},
        {&Settings::Currency1, currency},
        {&Settings::Currency2, currency},
    };
}

} // namespace SetupRules
