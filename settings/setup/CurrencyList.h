#pragma once

#include <QStringList>

// The setup's currency list, in its fixed order: the three-letter codes
// alphabetically, then "Other" and four symbols. The stored "Currency"
// setting is a position in this list, so the order never changes.
namespace CurrencyList {

inline constexpr int Count = 178;
inline constexpr int OtherIndex = 173;
// The list's text before anything is chosen.
inline constexpr char Prompt[] = "Select Your Currency";
// The other-currency box's text before anything is typed.
inline constexpr char OtherPrompt[] = "  If You Choose Other Please Specify Your Currency";

const QStringList& entries();
QString other();

} // namespace CurrencyList
