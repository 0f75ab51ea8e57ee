#include "CustomerList.h"

#include <algorithm>

// Find in every field over the list: which of its positions are shown.
// A find reads the table in steps, so the first screenful shows at once
// however many customers a short word finds; findMore() reads the rest.

namespace {

// The first step: a small part of the table, until a screen is full.
constexpr int kFirstStepRows = 1 << 15;
constexpr int kFirstStepLimit = 256;
// Each later step, sized to keep the window answering between steps.
constexpr int kNextStepRows = 1 << 17;
constexpr int kNextStepLimit = 1 << 14;

} // namespace

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

bool CustomerList::findingMore() const
{
    return m_shown && m_findNext < count();
}

Result CustomerList::findMore(const AboutToShow& aboutToShow)
{
    return findingMore() ? findStep({kNextStepRows, kNextStepLimit}, aboutToShow) : Result::success();
}

Result CustomerList::refilter()
{
    if (m_findText.isEmpty()) {
        m_shown.reset();
        return Result::success();
    }
    m_shown.emplace();
    m_findNext = 0;
    m_findCommon = false;
    return findStep({kFirstStepRows, kFirstStepLimit}, {});
}

// Reads the customers of the list's next rows, from m_findNext on, and
// adds those found to the shown rows.
Result CustomerList::findStep(const FindStep& step, const AboutToShow& aboutToShow)
{
    if (m_findNext >= count())
        return Result::success();
    const int last = std::min(count(), m_findNext + step.rows) - 1;
    const FindSlice slice{m_findNext > 0 ? m_rows.at(m_findNext - 1) : 0, m_rows.at(last), step.limit, m_findCommon};
    const int first = m_findNext;
    QVector<RowId> rows;
    const Result found = m_store.findCustomers(m_findText, slice, &rows);
    if (!found.ok()) {
        // What could not be read is not shown as found.
        m_findNext = count();
        return found;
    }
    QVector<int> positions;
    positions.reserve(rows.size());
    // Both in the table's order: one walk pairs each found row with its
    // position; rows the list does not hold yet are left out.
    int position = m_findNext;
    for (const RowId row : rows) {
        while (position <= last && m_rows.at(position) < row)
            ++position;
        if (position <= last && m_rows.at(position) == row)
            positions.append(position++);
    }
    // A step that found its most goes on after the last it found.
    m_findNext = rows.size() < slice.limit ? last + 1 : position;
    // Words one row in sixteen holds or more are read from every row next.
    m_findCommon = rows.size() * 16 >= m_findNext - first;
    if (positions.isEmpty())
        return found;
    if (aboutToShow)
        aboutToShow(int(m_shown->size()), int(m_shown->size() + positions.size()) - 1);
    m_shown->append(positions);
    return found;
}
