#include "SetupEntries.h"

#include "CurrencyList.h"
#include "NumberText.h"
#include "SettingsStore.h"

#include <cmath>
#include <optional>

namespace {

QString checkOf(bool ticked)
{
    return ticked ? QStringLiteral("1") : QStringLiteral("0");
}

// A stored whole number, or nothing when the text holds none.
std::optional<int> wholeNumber(const QString& text)
{
    const std::optional<double> number = tryNumberFromText(text);
    if (!number || std::fabs(*number) > 1e9)
        return std::nullopt;
    return int(roundHalfToEven(*number));
}

bool tickOf(const SettingsStore& settings, const SettingKey& key)
{
    return wholeNumber(settings.GetSetting(key)) == 1;
}

} // namespace

namespace SetupRules {

SetupEntries storedEntries(const SettingsStore& settings)
{
    SetupEntries stored;
    stored.name = settings.GetSetting(Settings::Name);
    stored.phone = settings.GetSetting(Settings::Email);
    stored.password = settings.GetSetting(Settings::Password);
    stored.otherCurrency = settings.GetSetting(Settings::CurrencyOther);
    stored.deleteTicked = tickOf(settings, Settings::DeleteAllowedCheck);
    stored.addTicked = tickOf(settings, Settings::AddAllowedCheck);
    stored.editTicked = tickOf(settings, Settings::EditAllowedCheck);
    const int index = wholeNumber(settings.GetSetting(Settings::Currency)).value_or(-1);
    const QStringList& list = CurrencyList::entries();
    const bool inList = index >= 0 && index < list.size();
    stored.currencyIndex = inList ? index : -1;
    stored.currencyText = inList ? list.at(index) : QString::fromLatin1(CurrencyList::Prompt);
    return stored;
}

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
        return currencyOrNone(entries.otherCurrency);
    return currencyOrNone(entries.currencyText);
}

QString currencyOrNone(const QString& currency)
{
    const bool prompt = currency == QLatin1String(CurrencyList::Prompt)
        || currency == QLatin1String(CurrencyList::OtherPrompt);
    return prompt ? QString() : currency;
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
