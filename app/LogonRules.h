#pragma once

#include <QString>

#include <optional>

// The log-on window's texts for the two roles and the prompt shown before
// a choice, compared exactly, case and all.
namespace LogonRoles {

inline QString prompt() { return QStringLiteral("Please Select Authorization Status"); }
inline QString administrator() { return QStringLiteral("Database Administrator"); }
inline QString clerk() { return QStringLiteral("Database Clerk"); }

// The role value the main window keeps for a shown role text ("Admin" or
// "User"); nothing for any other text.
std::optional<QString> roleValue(const QString& shown);

} // namespace LogonRoles

// What the log-on window's inputs allow: whether the password box and the
// "Login" button are enabled.
struct LogonState
{
    bool passwordEnabled = false;
    bool loginEnabled = false;
};

struct LogonInputs
{
    QString roleText;
    QString typedPassword;
    QString storedPassword;
};

// The enabling rules: the prompt disables both; the administrator needs
// the exact stored password for "Login" and may type it; the clerk needs
// none and may not type one. Any other role text keeps `previous`.
LogonState applyLogonRules(const LogonInputs& inputs, LogonState previous);
