#include "BackupCopiesWindow.h"

#include <QDialogButtonBox>
#include <QHeaderView>
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
    m_table = new QTableWidget(0, 3, this);
    m_table->setHorizontalHeaderLabels({QStringLiteral("Taken"), QStringLiteral("Size"), QStringLiteral("Customers")});
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    m_table->setAccessibleName(QStringLiteral("Automatic backups"));
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
    m_table->setRowCount(0);
    m_table->setRowCount(int(m_copies.size()));
    for (int row = 0; row < m_copies.size(); ++row) {
        const AutomaticBackups::Copy& copy = m_copies.at(row);
        const QStringList cells = {
            locale.toString(copy.taken, QLocale::ShortFormat), locale.formattedDataSize(copy.bytes),
            copy.customers < 0 ? QStringLiteral("cannot be read") : locale.toString(copy.customers)};
        for (int column = 0; column < cells.size(); ++column) {
            auto* item = new QTableWidgetItem(cells.at(column));
            if (column > 0)
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            m_table->setItem(row, column, item);
        }
    }
    if (!m_copies.isEmpty())
        m_table->selectRow(0);
    m_restore->setEnabled(m_mayRestore && !m_copies.isEmpty());
}
