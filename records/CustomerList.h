#pragma once

#include "CustomerStore.h"

#include <QStringList>
#include <QVector>

#include <array>

// The main window's customer list without the window: the names in table
// order with the shop's totals, the selected customer's detail elements,
// the whole-name search and the delete. Positions in the list are
// positions in the table; each position also keeps its row's identity, so
// an edit or delete always reaches the customer that was selected.
class CustomerList
{
public:
    static constexpr int DetailCount = 15;
    using DetailPanel = std::array<QString, DetailCount>;

    struct SearchOutcome
    {
        bool found = false;
        Result selection = Result::success();
    };

    explicit CustomerList(CustomerStore& store);

    // Rebuilds the names and the totals from the table; clears the selection.
    Result RefreshList();

    // Append and overwrite whole records; callers rebuild the list after.
    Result AddUser(const CustomerRecord& record);
    Result EditUser(RowId row, const CustomerRecord& record);

    // Selects the customer at `position` and fills the detail elements and
    // the "Paid" and "Sex" holders from its row.
    Result select(int position);
    int selectedPosition() const { return m_selected; }
    RowId selectedRow() const { return m_selectedRow; }
    bool hasSelection() const { return m_selected >= 0; }

    // Looks for the whole name `text`, case-insensitively, from the next
    // start on; selects it and moves the next start past it. When nothing
    // matches, nothing new is selected and the next start goes back to 0.
    SearchOutcome search(const QString& text);
    int nextSearchStart() const { return m_nextSearchStart; }

    // Deletes the selected customer, rebuilds the list and sets every detail
    // element to "."; with nothing selected it does nothing.
    Result deleteSelected();

    const QStringList& names() const { return m_names; }
    int count() const { return int(m_names.size()); }
    RowId rowAt(int position) const { return m_rows.value(position, NoRow); }

    QString productsSoldText() const;
    QString earningsText() const;
    QString maleCountText() const;
    QString femaleCountText() const;
    double earnings() const { return m_earnings; }

    const DetailPanel& details() const { return m_details; }
    const QString& paid() const { return m_paid; }
    const QString& sex() const { return m_sex; }

private:
    void clearDetails();
    void clearList();

    CustomerStore& m_store;
    QStringList m_names;
    QVector<RowId> m_rows;
    double m_productsSold = 0;
    double m_earnings = 0;
    qint64 m_males = 0;
    qint64 m_females = 0;

    int m_selected = -1;
    RowId m_selectedRow = NoRow;
    DetailPanel m_details;
    QString m_paid = QStringLiteral("0");
    QString m_sex = QStringLiteral("0");
    int m_nextSearchStart = 0;
};
