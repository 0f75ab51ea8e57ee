#include "RoleRules.h"

#include <QTest>

Q_DECLARE_METATYPE(LockableTools)

namespace {

LockableTools startingTools()
{
    // As the window is created: every tool enabled, every lock mark shown.
    return LockableTools{};
}

QString describe(const LockableTool& tool)
{
    return QStringLiteral("%1/%2").arg(tool.enabled ? "on" : "off", tool.locked ? "lock" : "open");
}

} // namespace

class RoleRulesTest : public QObject
{
    Q_OBJECT

private slots:
    void toolsFollowRoleAndPermissions_data()
    {
        QTest::addColumn<QString>("role");
        QTest::addColumn<QString>("deleteAllowed");
        QTest::addColumn<QString>("addAllowed");
        QTest::addColumn<QString>("editAllowed");
        QTest::addColumn<QString>("add");
        QTest::addColumn<QString>("update");
        QTest::addColumn<QString>("remove");
        QTest::addColumn<QString>("admin");

        QTest::newRow("administrator unlocks everything")
            << "Admin" << "1" << "1" << "1" << "on/open" << "on/open" << "on/open" << "on/open";
        QTest::newRow("clerk allowed everything")
            << "User" << "0" << "0" << "0" << "on/open" << "on/open" << "on/open" << "off/lock";
        QTest::newRow("clerk may not delete")
            << "User" << "1" << "0" << "0" << "on/open" << "on/open" << "off/lock" << "off/lock";
        QTest::newRow("clerk may not add")
            << "User" << "0" << "1" << "0" << "off/lock" << "on/open" << "on/open" << "off/lock";
        QTest::newRow("clerk may not edit")
            << "User" << "0" << "0" << "1" << "on/open" << "off/lock" << "on/open" << "off/lock";
        QTest::newRow("other permission text keeps the tool as it was")
            << "User" << "yes" << "0" << "" << "on/open" << "on/lock" << "on/lock" << "off/lock";
        QTest::newRow("no role yet changes nothing")
            << "0" << "1" << "1" << "1" << "on/lock" << "on/lock" << "on/lock" << "on/lock";
    }

    void toolsFollowRoleAndPermissions()
    {
        QFETCH(QString, role);
        QFETCH(QString, deleteAllowed);
        QFETCH(QString, addAllowed);
        QFETCH(QString, editAllowed);
        LockableTools tools = startingTools();
        applyRoleRules(Session{role, deleteAllowed, addAllowed, editAllowed}, tools);
        QTEST(describe(tools.add), "add");
        QTEST(describe(tools.update), "update");
        QTEST(describe(tools.remove), "remove");
        QTEST(describe(tools.admin), "admin");
    }

    void roleNames()
    {
        QCOMPARE(Session{QStringLiteral("Admin")}.roleName(), QStringLiteral("Database Administrator"));
        QCOMPARE(Session{QStringLiteral("User")}.roleName(), QStringLiteral("Database Clerk"));
        QVERIFY(Session{QStringLiteral("0")}.roleName().isEmpty());
    }
};

QTEST_GUILESS_MAIN(RoleRulesTest)
#include "tst_rolerules.moc"
