#include "CustomerList.h"

#include "FormatMoney.h"
#include "NumberText.h"

#include <algorithm>
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
    // What cannot be followed row by row is read whole just below.
    bool followed = false;
    takeRowsChangedElsewhere(&followed);
    if (tableChangedElsewhere())
        return readTableWhole();
    clearSelection();
    // The list's own writes moved positions the find shows.
    return refilter();
}

bool CustomerList::tableChangedElsewhere()
{
    return !m_matchedMark || m_store.outsideChangeMark() != m_matchedMark;
}

Result CustomerList::readTableWhole()
{
    // Cleared in place, so a rebuild reuses the storage of the last one.
    clearList();
    const std::optional<qint64> mark = m_store.outsideChangeMark();
    const Result scanned = m_store.scanSummaries([this](CustomerSummary& row) {
        appendRow(row.rowId, row.name, row.quantity, row.price, row.sex);
    });
    if (!scanned.ok()) {
        clearList();
        return scanned;
    }
    sumTotals();
    releaseSpareRoom();
    m_matchedMark = mark;
    return refilter();
}

void CustomerList::appendRow(RowId row, QStringView name, double quantity, double price,
                             CustomerSummary::Sex sex)
{
    m_names.append(name);
    m_rows.append(row);
    m_figures.append({quantity, roundHalfToEven(quantity * price)});
    m_sexes.append(sex);
}

// A list that grew row by row may hold nearly twice the room it needs;
// a million customers should not cost a hundred megabytes of nothing.
// A list read again keeps its room, so a second read copies nothing.
void CustomerList::releaseSpareRoom()
{
    m_names.releaseSpareRoom();
    if (m_rows.capacity() <= m_rows.size() + m_rows.size() / 4)
        return;
    m_rows.squeeze();
    m_figures.squeeze();
    m_sexes.squeeze();
}

// Summed afresh in table order, so the totals after any adds, edits and
// deletes are to the last bit those of reading the table whole.
void CustomerList::sumTotals()
{
    m_productsSold = 0;
    m_earnings = 0;
    m_males = 0;
    m_females = 0;
    for (int position = 0; position < count(); ++position)
        addToTotals(position);
}

void CustomerList::addToTotals(int position)
{
    const RowFigures& figures = m_figures.at(position);
    m_productsSold += figures.quantity;
    m_earnings += figures.amount;
    m_males += m_sexes.at(position) == CustomerSummary::Sex::Male;
    m_females += m_sexes.at(position) == CustomerSummary::Sex::Female;
}

void CustomerList::clearList()
{
    m_names.clear();
    m_rows.clear();
    m_figures.clear();
    m_sexes.clear();
    m_matchedMark.reset();
    sumTotals();
    clearSelection();
}

void CustomerList::clearSelection()
{
    m_selected = -1;
    m_selectedRow = StoredCustomer();
}

Result CustomerList::AddUser(const CustomerRecord& record)
{
    const bool matched = !tableChangedElsewhere();
    RowId row = NoRow;
    const Result appended = m_store.append(record, &row);
    if (appended.ok() && matched) {
        appendRecord(row, record);
        // The last row is also the last one summed: the same sum as a re-count.
        addToTotals(count() - 1);
    }
    return appended;
}

void CustomerList::appendRecord(RowId row, const CustomerRecord& record)
{
    m_names.append(QStringView());
    m_rows.append(row);
    m_figures.append(RowFigures());
    m_sexes.append(CustomerSummary::Sex::Other);
    setRow(count() - 1, record);
}

void CustomerList::setRow(int position, const CustomerRecord& record)
{
    const double quantity = numberFromText(record.value(Field::Quantity));
    const double price = numberFromText(record.value(Field::Price));
    const QString& sex = record.value(Field::Sex);
    m_names.replace(position, record.value(Field::Name));
    m_figures[position] = {quantity, roundHalfToEven(quantity * price)};
    m_sexes[position] = sex == QLatin1String("m")   ? CustomerSummary::Sex::Male
                        : sex == QLatin1String("f") ? CustomerSummary::Sex::Female
                                                    : CustomerSummary::Sex::Other;
}

void CustomerList::removeRow(int position)
{
    m_names.remove(position);
    m_rows.removeAt(position);
    m_figures.removeAt(position);
    m_sexes.removeAt(position);
}

// Rows keep the table's order, which is the order of their identities.
int CustomerList::positionOf(RowId row) const
{
    const auto found = std::lower_bound(m_rows.begin(), m_rows.end(), row);
    return found != m_rows.end() && *found == row ? int(found - m_rows.begin()) : -1;
}

Result CustomerList::EditUser(const StoredCustomer& row, const CustomerRecord& record)
{
    if (row.row == NoRow)
        return Result::failure(QStringLiteral("No customer is selected."));
    const bool matched = !tableChangedElsewhere();
    const Result updated = m_store.update(row, record);
    if (!updated.ok())
        return updated;
    if (const int position = positionOf(row.row); matched && position >= 0) {
        setRow(position, record);
        sumTotals();
    } else {
        m_matchedMark.reset();
    }
    m_undo.append({false, row.row, row.record, record});
    // A second save of the same form then compares with what it wrote.
    if (row.row == m_selectedRow.row)
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

    if (const int position = m_names.find(text, m_nextSearchStart); position >= 0) {
        outcome.found = true;
        m_nextSearchStart = position + 1;
        outcome.selection = select(position);
        return outcome;
    }
    m_nextSearchStart = 0;
    return outcome;
}

Result CustomerList::deleteSelected()
{
    if (!hasSelection())
        return Result::success();
    const bool matched = !tableChangedElsewhere();
    const Result removed = m_store.remove(m_selectedRow);
    if (!removed.ok())
        return removed;
    m_undo.append({true, m_selectedRow.row, m_selectedRow.record, CustomerRecord()});
    if (matched) {
        removeRow(m_selected);
        sumTotals();
    } else {
        m_matchedMark.reset();
    }
    const Result rebuilt = RefreshList();
    clearDetails();
    return rebuilt;
}

Result CustomerList::undoLast(RowId* row)
{
    if (m_undo.isEmpty())
        return Result::failure(QStringLiteral("There is nothing to undo."));
    const UndoStep step = m_undo.takeLast();
    RowId at = step.row;
    const Result undone = step.deleted ? bringBack(step, &at) : m_store.update({step.row, step.after}, step.before);
    if (!undone.ok())
        return Result::failure(QStringLiteral("The last %1 could not be undone. %2")
                                   .arg(step.deleted ? QStringLiteral("delete") : QStringLiteral("edit"),
                                        undone.message()));
    if (row)
        *row = at;
    // Written past the list, which reads the table again.
    return readTableWhole();
}

Result CustomerList::bringBack(const UndoStep& step, RowId* row)
{
    QList<DeletedCustomer> deleted;
    if (const Result read = m_store.deletedCustomers(&deleted); !read.ok())
        return read;
    for (const DeletedCustomer& kept : deleted)
        if (kept.row == step.row && kept.record == step.before)
            return m_store.bringBack(kept.id, row);
    return Result::failure(QStringLiteral("The deleted customer is no longer kept, so it cannot be brought back."));
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
