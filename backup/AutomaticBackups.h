#pragma once

#include "Result.h"

#include <QDateTime>
#include <QList>
#include <QString>

#include <functional>

// Copies of the customer database taken without being asked, so that a
// dead computer costs at most the day's work. Each copy is a file of its
// own in one folder, named after the local time it was taken ("Tallyvane
// DB 2026-12-07 17-20-05.mdb"); everything is decided from those files, so
// it holds across program runs. A copy is taken only when the database
// changed since the newest one, and older copies are removed only after
// the new one has passed the check a restore makes. Files of other names
// in the folder are never touched. Nothing here shows anything: failures
// come back as a Result whose message names the file and the reason.
class AutomaticBackups
{
public:
    using Clock = std::function<QDateTime()>;

    // The newest copies always stay; of the older ones, the oldest of each
    // calendar week (Monday to Sunday) stays, for the latest weeks that
    // have one.
    static constexpr int kLatestKept = 10;
    static constexpr int kWeeksKept = 8;

    struct Copy
    {
        QString path;
        QDateTime taken;
        qint64 bytes = 0;
        qint64 customers = -1; // -1 when the copy cannot be opened
    };

    // `folder` is made by the first copy when absent; `clock` tells the
    // time, the computer's own when none is given.
    AutomaticBackups(const QString& liveFile, const QString& folder, Clock clock = {});

    // True when there is no copy yet, or the newest is a day old or more.
    bool isDue() const;

    // Copies the database when it changed since the newest copy, checks the
    // copy, and only then removes the copies beyond those kept. `taken`
    // tells whether a copy was made. On failure the database in use and
    // every earlier copy stay as they were.
    Result takeIfChanged(bool* taken = nullptr);

    // The copies, newest first. Listing only reads them.
    QList<Copy> copies() const;

private:
    bool changedSince(const QString& copy) const;
    QString newName() const;
    Result makeFolder() const;
    Result writeCopy(const QString& copy) const;
    void prune(const QString& spared) const;

    QString m_liveFile;
    QString m_folder;
    Clock m_clock;
};
