#include "DeletedWindow.h"

#include "CustomerStore.h"
#include "Dialogs.h"
#include "RowsTable.h"

#include <QDialogButtonBox>
#include <QLocale>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QString kTitle = QStringLiteral("Recently deleted");

} // namespace

DeletedWindow::DeletedWindow(CustomerStore& store, Dialogs& dialogs, bool mayBringBack, QWidget* parent)
    : QDialog(parent), m_store(store), m_dialogs(dialogs), m_mayBringBack(mayBringBack)
{
    setObjectName(QStringLiteral("DeletedWindow"));
    setWindowTitle(kTitle);
    resize(620, 400);
    m_table = RowsTable::create(this,
                                {QStringLiteral("Name"), QStringLiteral("Phone"), QStringLiteral("City"),
                                 QStringLiteral("Deleted"), QStringLiteral("By")},
                                0, QStringLiteral("Deleted customers"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    m_bringBack = buttons->addButton(QStringLiteral("&Bring Back"), QDialogButtonBox::ActionRole);
    connect(m_bringBack, &QPushButton::clicked, this, &DeletedWindow::bringBackSelected);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_table, &QTableWidget::itemSelectionChanged, this,
            [this] { m_bringBack->setEnabled(m_mayBringBack && m_table->currentRow() >= 0); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    showDeleted();
}

void DeletedWindow::showDeleted()
{
    const Result read = m_store.deletedCustomers(&m_deleted);
    if (!read.ok())
        m_dialogs.showMessage(read.message(), kTitle, MessageIcon::Critical, MessageButtons::Ok);
    using Field = CustomerRecord::Field;
    QList<QStringList> rows;
    for (const DeletedCustomer& kept : m_deleted)
        rows.append({kept.record.value(Field::Name), kept.record.value(Field::Zip), kept.record.value(Field::City),
                     QLocale().toString(kept.at.toLocalTime(), QLocale::ShortFormat), kept.role});
    RowsTable::fill(m_table, rows, 0);
    if (!m_deleted.isEmpty())
        m_table->selectRow(0);
    m_bringBack->setEnabled(m_mayBringBack && !m_deleted.isEmpty());
}

void DeletedWindow::bringBackSelected()
{
    const int selected = m_table->currentRow();
    if (!m_mayBringBack || selected < 0 || selected >= m_deleted.size())
        return;
    RowId row = NoRow;
    const Result brought = m_store.bringBack(m_deleted.at(selected).id, &row);
    if (!brought.ok())
        m_dialogs.showMessage(brought.message(), kTitle, MessageIcon::Critical, MessageButtons::Ok);
    showDeleted();
    if (brought.ok())
        emit broughtBack(row);
}
