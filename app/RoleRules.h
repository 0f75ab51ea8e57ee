#pragma once

#include <QString>

// What the session's role allows of the four tools that can be locked:
// whether each tool is enabled and whether its lock mark shows.
struct LockableTool
{
    bool enabled = true;
    bool locked = true; // the lock mark is visible
};

struct LockableTools
{
    LockableTool add;
    LockableTool update;
    LockableTool remove;
    LockableTool admin;
};

// The session as the main window keeps it: the role value ("Admin",
// "User", or "0" before any log-on) and the clerk's three permissions,
// "0" allowed and "1" not allowed.
struct Session
{
    QString role = QStringLiteral("0");
    QString deleteAllowed = QStringLiteral("0");
    QString addAllowed = QStringLiteral("0");
    QString editAllowed = QStringLiteral("0");

    static QString administrator() { return QStringLiteral("Admin"); }
    static QString clerk() { return QStringLiteral("User"); }

    bool isClerk() const { return role == clerk(); }
    // "Database Administrator", "Database Clerk", or nothing before a log-on.
    QString roleName() const;
};

// Applies the role rules to the tools' current states: an administrator
// gets every tool unlocked; a clerk loses the setup tool and keeps each
// other tool only while its permission is "0". A permission with any other
// text, and a session without a role, leave the tools as they are.
void applyRoleRules(const Session& session, LockableTools& tools);
