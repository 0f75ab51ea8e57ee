#include "CustomerList.h"

// Other counters' writes, followed row by row where the store hears of
// each: the list reads just those rows, and the selection stays on the
// customer being worked on.

Result CustomerList::followOutsideChanges(bool* changed)
{
    *changed = false;
    if (!m_matchedMark)
        return Result::success();
    const std::optional<QVector<RowId>> rows = m_store.takeRowsChangedElsewhere();
    if (!rows || rows->isEmpty())
        return Result::success();
    *changed = true;
    for (const RowId row : *rows) {
        // Every row at once, or one back between others: read whole.
        if (row == NoRow)
            return readTableWhole();
        if (const Result followed = followRow(row); !followed.ok()) {
            // Read whole at the next refresh instead.
            m_matchedMark.reset();
            return followed;
        }
        if (!m_matchedMark)
            return readTableWhole();
    }
    m_matchedMark = m_store.outsideChangeMark();
    sumTotals();
    return refilter();
}

// A row that came back between others (brought back elsewhere) leaves the
// list to be read whole (marked by m_matchedMark reset).
Result CustomerList::followRow(RowId row)
{
    CustomerRecord record;
    const Result read = m_store.read(row, &record);
    const int position = positionOf(row);
    if (CustomerStore::isGone(read)) {
        if (position >= 0)
            forgetRow(position);
        return Result::success();
    }
    if (!read.ok())
        return read;
    if (position >= 0) {
        // The selection keeps what was read, so an edit begun here is
        // told that the customer changed rather than overwriting it.
        setRow(position, record);
    } else if (m_rows.isEmpty() || row > m_rows.last()) {
        m_names.append(QStringView());
        m_rows.append(row);
        m_figures.append(RowFigures());
        m_sexes.append(CustomerSummary::Sex::Other);
        setRow(count() - 1, record);
    } else {
        m_matchedMark.reset();
    }
    return Result::success();
}

// A row removed elsewhere: the positions after it move up, the selection
// with them; a selected customer that is gone is no longer selected.
void CustomerList::forgetRow(int position)
{
    removeRow(position);
    if (m_selected == position) {
        clearSelection();
        clearDetails();
    } else if (m_selected > position) {
        --m_selected;
    }
    if (m_nextSearchStart > position)
        --m_nextSearchStart;
}
