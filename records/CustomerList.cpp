#include "CustomerList.h"

#include "FormatMoney.h"
#include "NumberText.h"

#include <cmath>

namespace {

using Field = CustomerRecord::Field;

// Detail elements 0 to 12 in the order they are shown; 13 and 14 are the
// money figures.
constexpr Field kShownFields[] = {
    Field::Name, Field::Address, Field::Country, Field::City, Field::State, Field::Zip,
    Field::Phone, Field::FAX, Field::Email, Field::Product, Field::Quantity, Field::DatePur,
    Field::Payment,
};
static_assert(std::size(kShownFields) == CustomerList::ItemPrice);

// Quantities or amounts near the largest number add up to infinity (or,
// with signs mixed, to no number at all); either would otherwise be
// written as "0".
const QString kBeyondRange = QStringLiteral("Too large to show");

QString totalText(double total)
{
    return std::isfinite(total) ? generalNumberText(total) : kBeyondRange;
}

} // namespace

CustomerList::CustomerList(CustomerStore& store) : m_store(store)
{
    clearDetails();
    m_details[ItemPrice] = QStringLiteral("0");
    m_details[TotalSpent] = QStringLiteral("0");
}

Result CustomerList::RefreshList()
{
    // Cleared in place, so a rebuild reuses the storage of the last one.
    clearList();
    const Result scanned = m_store.scanSummaries([this](CustomerSummary& row) {
        m_names.append(std::move(row.name));
        m_rows.append(row.rowId);
        m_productsSold += row.quantity;
        m_earnings += roundHalfToEven(row.quantity * row.price);
        if (row.sex == CustomerSummary::Sex::Male)
            ++m_males;
        else if (row.sex == CustomerSummary::Sex::Female)
            ++m_females;
    });
    if (!scanned.ok())
        clearList();
    return scanned;
}

void CustomerList::clearList()
{
    m_names.clear();
    m_rows.clear();
    m_productsSold = 0;
    m_earnings = 0;
    m_males = 0;
    m_females = 0;
    clearSelection();
}

void CustomerList::clearSelection()
{
    m_selected = -1;
    m_selectedRow = StoredCustomer();
}

Result CustomerList::AddUser(const CustomerRecord& record)
{
    return m_store.append(record);
}

Result CustomerList::EditUser(const StoredCustomer& row, const CustomerRecord& record)
{
    if (row.row == NoRow)
        return Result::failure(QStringLiteral("No customer is selected."));
    const Result updated = m_store.update(row, record);
    // A second save of the same form then compares with what it wrote.
    if (updated.ok() && row.row == m_selectedRow.row)
        m_selectedRow.record = record;
    return updated;
}

Result CustomerList::select(int position)
{
    if (position < 0 || position >= count()) {
        clearSelection();
        return Result::success();
    }
    StoredCustomer chosen{m_rows.at(position), CustomerRecord()};
    const Result read = m_store.read(chosen.row, &chosen.record);
    if (!read.ok())
        return read;

    m_selected = position;
    m_selectedRow = std::move(chosen);
    showDetails(m_selectedRow.record);
    return Result::success();
}

void CustomerList::showDetails(const CustomerRecord& record)
{
    for (int element = 0; element < ItemPrice; ++element)
        m_details[element] = record.value(kShownFields[element]);
    m_paid = record.value(Field::Paid);
    m_sex = record.value(Field::Sex);

    const QString& price = record.value(Field::Price);
    const double spent = numberFromText(record.value(Field::Quantity)) * numberFromText(price);
    m_details[TotalSpent] = std::isfinite(spent) ? FormatMoney(generalNumberText(spent)) : kBeyondRange;
    m_details[ItemPrice] = FormatMoney(price);
}

CustomerList::SearchOutcome CustomerList::search(const QString& text)
{
    SearchOutcome outcome;
    if (m_names.isEmpty())
        return outcome;

    for (int position = m_nextSearchStart; position < count(); ++position) {
        // The length sits in the list itself: most names are rejected
        // without reading their characters from all over the heap.
        const QString& name = m_names.at(position);
        if (name.size() == text.size() && name.compare(text, Qt::CaseInsensitive) == 0) {
            outcome.found = true;
            m_nextSearchStart = position + 1;
            outcome.selection = select(position);
            return outcome;
        }
    }
    m_nextSearchStart = 0;
    return outcome;
}

Result CustomerList::deleteSelected()
{
    if (!hasSelection())
        return Result::success();
    const Result removed = m_store.remove(m_selectedRow);
    if (!removed.ok())
        return removed;
    const Result rebuilt = RefreshList();
    clearDetails();
    return rebuilt;
}

void CustomerList::clearDetails()
{
    m_details.fill(QStringLiteral("."));
}

QString CustomerList::productsSoldText() const
{
    return totalText(m_productsSold);
}

QString CustomerList::earningsText() const
{
    return totalText(m_earnings);
}

QString CustomerList::maleCountText() const
{
    return QString::number(m_males);
}

QString CustomerList::femaleCountText() const
{
    return QString::number(m_females);
}

std::optional<double> CustomerList::earnings() const
{
    if (!std::isfinite(m_earnings))
        return std::nullopt;
    return m_earnings;
}
