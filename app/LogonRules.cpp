#include "LogonRules.h"

#include "RoleRules.h"

namespace LogonRoles {

std::optional<QString> roleValue(const QString& shown)
{
    if (shown == administrator())
        return Session::administrator();
    if (shown == clerk())
        return Session::clerk();
    return std::nullopt;
}

} // namespace LogonRoles

LogonState applyLogonRules(const LogonInputs& inputs, LogonState previous)
{
    if (inputs.roleText == LogonRoles::prompt())
        return LogonState{false, false};
    if (inputs.roleText == LogonRoles::administrator())
        return LogonState{true, inputs.typedPassword == inputs.storedPassword};
    if (inputs.roleText == LogonRoles::clerk())
        return LogonState{false, true};
    return previous;
}
