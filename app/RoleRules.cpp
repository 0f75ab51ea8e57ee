#include "RoleRules.h"

namespace {

void followPermission(const QString& permission, LockableTool& tool)
{
    if (permission == QLatin1String("0"))
        tool = LockableTool{true, false};
    else if (permission == QLatin1String("1"))
        tool = LockableTool{false, true};
}

} // namespace

QString Session::roleName() const
{
    if (role == administrator())
        return QStringLiteral("Database Administrator");
    if (role == clerk())
        return QStringLiteral("Database Clerk");
    return QString();
}

void applyRoleRules(const Session& session, LockableTools& tools)
{
    if (session.role == Session::clerk()) {
        tools.admin = LockableTool{false, true};
        followPermission(session.deleteAllowed, tools.remove);
        followPermission(session.addAllowed, tools.add);
        followPermission(session.editAllowed, tools.update);
    } else if (session.role == Session::administrator()) {
        tools = LockableTools{{true, false}, {true, false}, {true, false}, {true, false}};
    }
}
