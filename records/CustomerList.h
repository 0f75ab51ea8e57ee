#pragma once

#include "CustomerStore.h"
#include "NameColumn.h"

#include <QVector>

#include <array>
#include <optional>

// The main window's customer list without the window: the names in table
// order with the shop's totals, the selected customer's detail elements,
// the whole-name search and the delete. Positions in the list are
// positions in the table; each position also keeps its row's identity, and
// the selection keeps what its row held, so an edit or delete reaches the
// customer that was selected or nobody.
class CustomerList
{
public:
    static constexpr int DetailCount = 15;
    // Elements 0 to 12 show the texts of the row; these two its money.
    static constexpr int ItemPrice = 13;
    static constexpr int TotalSpent = 14;
    using DetailPanel = std::array<QString, DetailCount>;

    struct SearchOutcome
    {
        bool found = false;
        Result selection = Result::success();
    };

    explicit CustomerList(CustomerStore& store);

    // Brings the names and the totals up to the table and clears the
    // selection. The list follows its own adds, edits and deletes as they
    // happen, so the table is read again only when something else changed
    // it; either way the result is that of reading it whole.
    Result RefreshList();
    // Reads the table whole, after writes that went past the list (an
    // import of many customers at once).
    Result reload() { return readTableWhole(); }
    // Follows what other programs wrote, where the store hears of each
    // row; `changed` tells whether the list changed. The selection stays
    // on its customer while that customer is there, unless every row
    // changed at once and the list was read whole.
    Result followOutsideChanges(bool* changed);

    // Append and overwrite whole records; callers rebuild the list after.
    Result AddUser(const CustomerRecord& record);
    // Overwrites the row only while it still holds what was read.
    Result EditUser(const StoredCustomer& row, const CustomerRecord& record);

    // Selects the customer at `position` and fills the detail elements and
    // the "Paid" and "Sex" holders from its row. When the row cannot be
    // read, the selection and everything shown stay as they were.
    Result select(int position);
    int selectedPosition() const { return m_selected; }
    const StoredCustomer& selectedRow() const { return m_selectedRow; }
    bool hasSelection() const { return m_selected >= 0; }

    // Looks for the whole name `text`, case-insensitively, from the next
    // start on; selects it and moves the next start past it. When nothing
    // matches, nothing new is selected and the next start goes back to 0.
    SearchOutcome search(const QString& text);
    int nextSearchStart() const { return m_nextSearchStart; }

    // Deletes the selected customer, rebuilds the list and sets every detail
    // element to "."; with nothing selected it does nothing.
    Result deleteSelected();

    // Undoes the last delete or edit of this session not undone yet: the
    // deleted customer comes back, the edited one gets its texts back while
    // it still holds what the edit wrote (else nothing is written). The
    // list is read again; `row` tells where the customer stands.
    Result undoLast(RowId* row = nullptr);
    bool canUndo() const { return !m_undo.isEmpty(); }

    // Find in every field: the list shows only the customers holding every
    // typed word, until the text is empty again; the totals stay the
    // shop's and the selection stays where it was. The shown rows follow
    // every change of the list.
    // The find shows the first customers at once; while findingMore(),
    // each findMore() adds those of the next part of the table, telling
    // `aboutToShow` first which shown rows it adds.
    Result find(const QString& typed);
    bool findingMore() const;
    using AboutToShow = std::function<void(int firstShownRow, int lastShownRow)>;
    Result findMore(const AboutToShow& aboutToShow);
    bool isFiltered() const { return m_shown.has_value(); }
    const QString& findText() const { return m_findText; }
    // The rows the window shows: all, or those found.
    int shownCount() const { return m_shown ? int(m_shown->size()) : count(); }
    int shownPosition(int shownRow) const { return m_shown ? m_shown->value(shownRow, -1) : shownRow; }
    // Where the customer at `position` is shown; -1 when it is not.
    int shownRowOf(int position) const;

    QStringView nameAt(int position) const { return m_names.at(position); }
    // A copy of every name, for small lists.
    QStringList names() const { return m_names.toList(); }
    int count() const { return m_names.size(); }
    RowId rowAt(int position) const { return m_rows.value(position, NoRow); }
    // Where the customer stored in `row` stands in the list; -1 when absent.
    int positionOf(RowId row) const;

    // The totals as shown; a total beyond the range of numbers shows
    // "Too large to show", never a number.
    QString productsSoldText() const;
    QString earningsText() const;
    QString maleCountText() const;
    QString femaleCountText() const;
    // The earnings total, or nothing when it is beyond the range of numbers.
    std::optional<double> earnings() const;

    const DetailPanel& details() const { return m_details; }
    const QString& paid() const { return m_paid; }
    const QString& sex() const { return m_sex; }

private:
    // What each row adds to the totals; the row's sex is kept apart, so a
    // million rows take 16 MB here rather than 24.
    struct RowFigures
    {
        double quantity = 0;
        double amount = 0; // quantity times price, rounded half to even
    };

    // One delete or edit, as undoLast() takes it back.
    struct UndoStep
    {
        bool deleted = false;
        RowId row = NoRow;
        CustomerRecord before;
        CustomerRecord after;
    };

    Result readTableWhole();
    Result refilter();
    // How many rows of the list one step of a find reads, and how many
    // customers it finds at most.
    struct FindStep
    {
        int rows;
        int limit;
    };
    Result findStep(const FindStep& step, const AboutToShow& aboutToShow);
    Result bringBack(const UndoStep& step, RowId* row);
    bool tableChangedElsewhere();
    void appendRow(RowId row, QStringView name, double quantity, double price, CustomerSummary::Sex sex);
    void setRow(int position, const CustomerRecord& record);
    void appendRecord(RowId row, const CustomerRecord& record);
    void removeRow(int position);
    Result takeRowsChangedElsewhere(bool* changed);
    Result followRow(RowId row);
    void forgetRow(int position);
    void sumTotals();
    void addToTotals(int position);
    void releaseSpareRoom();
    void showDetails(const CustomerRecord& record);
    void clearDetails();
    void clearList();
    void clearSelection();

    CustomerStore& m_store;
    NameColumn m_names;
    QVector<RowId> m_rows;
    QVector<RowFigures> m_figures;
    QVector<CustomerSummary::Sex> m_sexes;
    // The table's outside-change mark when the list last matched it; none
    // while the list may not match.
    std::optional<qint64> m_matchedMark;
    double m_productsSold = 0;
    double m_earnings = 0;
    qint64 m_males = 0;
    qint64 m_females = 0;

    int m_selected = -1;
    StoredCustomer m_selectedRow;
    DetailPanel m_details;
    QString m_paid = QStringLiteral("0");
    QString m_sex = QStringLiteral("0");
    int m_nextSearchStart = 0;
    QList<UndoStep> m_undo;
    QString m_findText;
    std::optional<QVector<int>> m_shown; // positions found, ascending
    int m_findNext = 0; // where the find's next step starts
    bool m_findCommon = false; // the last step found many
};
