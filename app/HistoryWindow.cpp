#include "HistoryWindow.h"

#include "CustomerFields.h"
#include "CustomerStore.h"
#include "RowsTable.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

const QStringList kKindCaptions = {QStringLiteral("Added"),    QStringLiteral("Edited"),
                                   QStringLiteral("Deleted"),  QStringLiteral("Imported"),
                                   QStringLiteral("Restored"), QStringLiteral("Brought Back")};

QString customerName(const HistoryEntry& entry)
{
    const std::optional<CustomerRecord>& shown = entry.after ? entry.after : entry.before;
    return shown ? shown->value(CustomerRecord::Field::Name) : QString();
}

} // namespace

HistoryWindow::HistoryWindow(CustomerStore& store, RowId customer, const QString& customerName, QWidget* parent)
    : QDialog(parent), m_store(store), m_customer(customer)
{
    setObjectName(QStringLiteral("HistoryWindow"));
    setWindowTitle(QStringLiteral("History"));
    resize(760, 460);
    buildFilters();
    if (customer != NoRow)
        m_scope->addItem(QStringLiteral("This Customer: %1").arg(customerName));
    m_scope->addItem(QStringLiteral("The Whole Shop"));

    m_table = RowsTable::create(this,
                                {QStringLiteral("When"), QStringLiteral("Change"), QStringLiteral("Customer"),
                                 QStringLiteral("What Changed"), QStringLiteral("Role"), QStringLiteral("Computer")},
                                3, QStringLiteral("Changes"));
    m_status = new QLabel(this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = qobject_cast<QVBoxLayout*>(this->layout());
    layout->addWidget(m_table, 1);
    layout->addWidget(m_status);
    layout->addWidget(buttons);
    for (QComboBox* box : {m_scope, m_kind})
        connect(box, &QComboBox::currentIndexChanged, this, &HistoryWindow::showEntries);
    for (QDateEdit* edit : {m_from, m_to})
        connect(edit, &QDateEdit::dateChanged, this, &HistoryWindow::showEntries);
    showEntries();
}

void HistoryWindow::buildFilters()
{
    auto* layout = new QVBoxLayout(this);
    auto* filters = new QHBoxLayout;
    auto* scopeForm = new QFormLayout;
    m_scope = new QComboBox(this);
    scopeForm->addRow(QStringLiteral("&Show:"), m_scope);
    m_kind = new QComboBox(this);
    m_kind->addItem(QStringLiteral("All Changes"));
    m_kind->addItems(kKindCaptions);
    scopeForm->addRow(QStringLiteral("&Kind:"), m_kind);
    auto* dateForm = new QFormLayout;
    const QDate today = QDate::currentDate();
    m_from = new QDateEdit(today.addMonths(-3), this);
    m_to = new QDateEdit(today, this);
    for (QDateEdit* edit : {m_from, m_to}) {
        edit->setCalendarPopup(true);
        edit->setDisplayFormat(QLocale().dateFormat(QLocale::ShortFormat));
    }
    dateForm->addRow(QStringLiteral("&From:"), m_from);
    dateForm->addRow(QStringLiteral("&To:"), m_to);
    filters->addLayout(scopeForm, 2);
    filters->addLayout(dateForm, 1);
    layout->addLayout(filters);
}

HistoryFilter HistoryWindow::filter() const
{
    HistoryFilter filter;
    const bool wholeShop = m_scope->currentIndex() == m_scope->count() - 1;
    filter.customer = wholeShop ? NoRow : m_customer;
    if (m_kind->currentIndex() > 0)
        filter.kind = ChangeKind(m_kind->currentIndex() - 1);
    // Whole local days, the last one included.
    filter.from = m_from->date().startOfDay();
    filter.to = m_to->date().addDays(1).startOfDay();
    return filter;
}

void HistoryWindow::showEntries()
{
    QList<HistoryEntry> entries;
    const Result read = m_store.history(filter(), &entries);
    QList<QStringList> rows;
    for (const HistoryEntry& entry : entries)
        rows.append({QLocale().toString(entry.at.toLocalTime(), QLocale::ShortFormat), kKindCaptions.at(int(entry.kind)),
                     customerName(entry), whatChanged(entry), entry.role,
                     entry.computer.isEmpty() ? QStringLiteral("unknown") : entry.computer});
    RowsTable::fill(m_table, rows, 3);
    m_status->setText(read.ok() ? QStringLiteral("%1 changes shown.").arg(QLocale().toString(entries.size()))
                                : read.message());
}

QString HistoryWindow::whatChanged(const HistoryEntry& entry)
{
    if (!entry.note.isEmpty())
        return entry.note;
    if (entry.kind == ChangeKind::Add)
        return QStringLiteral("Added as a new customer");
    if (entry.kind == ChangeKind::Delete)
        return QStringLiteral("Kept under Recently deleted");
    if (entry.kind == ChangeKind::BringBack)
        return QStringLiteral("Brought back from Recently deleted");
    if (!entry.before || !entry.after)
        return QString();
    QStringList changes;
    for (int field = 0; field < CustomerRecord::FieldCount; ++field) {
        const QString& before = entry.before->value(CustomerRecord::Field(field));
        const QString& after = entry.after->value(CustomerRecord::Field(field));
        if (before != after)
            changes << QStringLiteral("%1: \"%2\" to \"%3\"").arg(CustomerFields::captions().at(field), before, after);
    }
    return changes.join(QStringLiteral("; "));
}
