#include "CustomerList.h"

// Other counters' writes, followed row by row where the store hears of
// each: the list reads just those rows, and the selection stays on the
// customer being worked on.

Result CustomerList::followOutsideChanges(bool* changed)
{
    const Result followed = takeRowsChangedElsewhere(changed);
    if (!followed.ok() || !*changed)
        return followed;
    return m_matchedMark ? refilter() : readTableWhole();
}

// The rows taken are in the list after this, or the list no longer
// matches the table (m_matchedMark reset) and is to be read whole.
Result CustomerList::takeRowsChangedElsewhere(bool* changed)
{
    *changed = false;
    if (!m_matchedMark)
        return Result::success();
    const std::optional<QVector<RowId>> rows = m_store.takeRowsChangedElsewhere();
    if (!rows || rows->isEmpty())
        return Result::success();
    *changed = true;
    for (const RowId row : *rows) {
        // Every row at once: read whole.
        const Result followed = row == NoRow ? Result::success() : followRow(row);
        if (row == NoRow || !followed.ok() || !m_matchedMark) {
            m_matchedMark.reset();
            return followed;
        }
    }
    m_matchedMark = m_store.outsideChangeMark();
    sumTotals();
    return Result::success();
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
        appendRecord(row, record);
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
