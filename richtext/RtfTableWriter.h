#pragma once

#include <QList>
#include <QTextCursor>

class QTextTable;

// Builds a QTextTable from rich-text rows: "\trowd\cellx..." defines a
// row, paragraphs marked \intbl fill its cells, \cell ends a cell and \row
// a row. Moves to the next cell or row only when content arrives, so the
// \cell and \row that close a table leave no empty cell or row behind.
// Tables are bounded: cells past the last allowed column stay in that
// column, and a table that grows too large continues as a new table.
class RtfTableWriter
{
public:
    bool isOpen() const { return m_table != nullptr; }

    void defineRow();
    void addCellRight(int twips);
    void setBordered() { m_bordered = true; }

    // Creates the table at the cursor and puts the cursor in its first cell.
    void open(QTextCursor& cursor);
    // Puts the cursor where the next content of the table goes; true when
    // that is another cell.
    bool position(QTextCursor& cursor);
    void endCell() { m_cellEnded = true; }
    void endRow() { m_rowEnded = true; }
    // Leaves the table; the cursor goes to the block after it.
    void close(QTextCursor& cursor);

private:
    void startRow(QTextCursor& cursor);
    void moveToNextCell(QTextCursor& cursor);
    void updateColumnWidths();

    QTextTable* m_table = nullptr;
    QList<int> m_cellRights;
    bool m_bordered = false;
    int m_row = 0;
    int m_column = 0;
    bool m_cellEnded = false;
    bool m_rowEnded = false;
};
