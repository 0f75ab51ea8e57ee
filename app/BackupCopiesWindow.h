#pragma once

#include "AutomaticBackups.h"

#include <QDialog>

class QPushButton;
class QTableWidget;

// "Automatic Backups": the copies taken without being asked, newest first,
// with their size and customers; the administrator restores one through
// the same checked restore as a chosen file.
class BackupCopiesWindow : public QDialog
{
    Q_OBJECT

public:
    BackupCopiesWindow(const AutomaticBackups& backups, bool mayRestore, QWidget* parent = nullptr);

    void showCopies();
    const QList<AutomaticBackups::Copy>& copies() const { return m_copies; }

    QTableWidget* table() const { return m_table; }
    QPushButton* restoreButton() const { return m_restore; }

signals:
    void restoreRequested(const QString& path);

private:
    const AutomaticBackups& m_backups;
    bool m_mayRestore;
    QList<AutomaticBackups::Copy> m_copies;
    QTableWidget* m_table;
    QPushButton* m_restore;
};
