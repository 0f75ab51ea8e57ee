#include "CustomerList.h"

#include <algorithm>

// Find in every field over the list: which of its positions are shown.

Result CustomerList::find(const QString& typed)
{
    m_findText = typed.trimmed().isEmpty() ? QString() : typed;
    return refilter();
}

int CustomerList::shownRowOf(int position) const
{
    if (!m_shown)
        return position >= 0 && position < count() ? position : -1;
    const auto found = std::lower_bound(m_shown->begin(), m_shown->end(), position);
    return found != m_shown->end() && *found == position ? int(found - m_shown->begin()) : -1;
}

Result CustomerList::refilter()
{
    if (m_findText.isEmpty()) {
        m_shown.reset();
        return Result::success();
    }
    QVector<RowId> rows;
    const Result found = m_store.findCustomers(m_findText, &rows);
    QVector<int> shown;
    shown.reserve(rows.size());
    // Both in the table's order: one walk pairs each found row with its
    // position; rows the list does not hold yet are left out.
    int position = 0;
    for (const RowId row : rows) {
        while (position < count() && m_rows.at(position) < row)
            ++position;
        if (position < count() && m_rows.at(position) == row)
            shown.append(position);
    }
    m_shown = std::move(shown);
    return found;
}
