#include "BackupCopiesWindow.h"

#include "RowsTable.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

BackupCopiesWindow::BackupCopiesWindow(const AutomaticBackups& backups, bool mayRestore, QWidget* parent)
    : QDialog(parent), m_backups(backups), m_mayRestore(mayRestore)
{
    setObjectName(QStringLiteral("BackupCopiesWindow"));
    setWindowTitle(QStringLiteral("Automatic Backups"));
    resize(520, 380);
    m_table = RowsTable::create(this, {QStringLiteral("Taken"), QStringLiteral("Size"), QStringLiteral("Customers")}, 0,
                                QStringLiteral("Automatic backups"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_restore = buttons->addButton(QStringLiteral("Restore this copy"), QDialogButtonBox::ActionRole);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        const int row = m_table->currentRow();
        if (m_mayRestore && row >= 0 && row < m_copies.size())
            emit restoreRequested(m_copies.at(row).path);
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    showCopies();
}

void BackupCopiesWindow::showCopies()
{
    m_copies = m_backups.copies();
    const QLocale locale;
    QList<QStringList> rows;
    for (const AutomaticBackups::Copy& copy : m_copies)
        rows.append({locale.toString(copy.taken, QLocale::ShortFormat), locale.formattedDataSize(copy.bytes),
                     copy.customers < 0 ? QStringLiteral("cannot be read") : locale.toString(copy.customers)});
    RowsTable::fill(m_table, rows, 0, 1);
    if (!m_copies.isEmpty())
        m_table->selectRow(0);
    m_restore->setEnabled(m_mayRestore && !m_copies.isEmpty());
}
