#include "CustomerList.h"

#include "FormatMoney.h"
#include "NumberText.h"

namespace {

// Detail elements 0 to 12 in the order they are shown; 13 and 14 are the
// money figures.
constexpr CustomerRecord::Field kShownFields[] = {
    CustomerRecord::Name, CustomerRecord::Address, CustomerRecord::Country,
    CustomerRecord::City, CustomerRecord::State, CustomerRecord::Zip,
    CustomerRecord::Phone, CustomerRecord::FAX, CustomerRecord::Email,
    CustomerRecord::Product, CustomerRecord::Quantity, CustomerRecord::DatePur,
    CustomerRecord::Payment,
};
constexpr int kItemPrice = 13;
constexpr int kTotalSpent = 14;

} // namespace

CustomerList::CustomerList(CustomerStore& store) : m_store(store)
{
    clearDetails();
    m_details[kItemPrice] = QStringLiteral("0");
    m_details[kTotalSpent] = QStringLiteral("0");
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
    m_selected = -1;
    m_selectedRow = NoRow;
}

Result CustomerList::AddUser(const CustomerRecord& record)
{
    return m_store.append(record);
}

Result CustomerList::EditUser(RowId row, const CustomerRecord& record)
{
    if (row == NoRow)
        return Result::failure(QStringLiteral("No customer is selected."));
    return m_store.update(row, record);
}

Result CustomerList::select(int position)
{
    if (position < 0 || position >= count()) {
        m_selected = -1;
        m_selectedRow = NoRow;
        return Result::success();
    }
    m_selected = position;
    m_selectedRow = m_rows.at(position);

    CustomerRecord record;
    const Result read = m_store.read(m_selectedRow, &record);
    if (!read.ok())
        return read;

    for (int element = 0; element < int(std::size(kShownFields)); ++element)
        m_details[element] = record.value(kShownFields[element]);
    m_paid = record.value(CustomerRecord::Paid);
    m_sex = record.value(CustomerRecord::Sex);

    const QString& price = record.value(CustomerRecord::Price);
    const double spent = numberFromText(record.value(CustomerRecord::Quantity)) * numberFromText(price);
    m_details[kTotalSpent] = FormatMoney(generalNumberText(spent));
    m_details[kItemPrice] = FormatMoney(price);
    return Result::success();
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
    return generalNumberText(m_productsSold);
}

QString CustomerList::earningsText() const
{
    return generalNumberText(m_earnings);
}

QString CustomerList::maleCountText() const
{
    return QString::number(m_males);
}

QString CustomerList::femaleCountText() const
{
    return QString::number(m_females);
}
