#pragma once

#include <QString>
#include <QStringList>

class QDateTime;

// The copies of the database in use that restores keep beside it, each
// named after the moment of its restore ("Tallyvane DB.mdb.before-restore-
// 2026-12-07-061503"), so that a restore of the wrong file can itself be
// undone. Only the newest few are kept; files of other names are never
// touched.
class RestoreSafetyCopies
{
public:
    static constexpr int kKept = 5;

    explicit RestoreSafetyCopies(const QString& liveFile);

    // A name of this kind for a copy made at `now` that no file has yet;
    // restores within one second are told apart by a count after the time.
    QString newName(const QDateTime& now) const;

    // Removes all but the newest kKept, though never one named in `spared`.
    void prune(const QStringList& spared) const;

private:
    QStringList oldestFirst() const;

    QString m_liveFile;
};
