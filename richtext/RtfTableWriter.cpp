#include "RtfTableWriter.h"

#include "RtfFormats.h"

#include <QTextTable>
#include <QTextTableFormat>

#include <algorithm>

namespace {

// Each new row or column makes Qt rebuild the table's grid, so a damaged
// document that asks for endless cells gets several modest tables instead.
constexpr int kMaxColumns = 64;
constexpr int kMaxCells = 1024;

} // namespace

void RtfTableWriter::defineRow()
{
    m_cellRights.clear();
    m_bordered = false;
}

void RtfTableWriter::addCellRight(int twips)
{
    if (m_cellRights.size() < kMaxColumns)
        m_cellRights.append(twips);
}

void RtfTableWriter::open(QTextCursor& cursor)
{
    QTextTableFormat format;
    format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    format.setBorder(m_bordered ? 1 : 0);
    format.setBorderCollapse(true);
    format.setCellSpacing(0);
    format.setCellPadding(3);
    const int columns = std::max<int>(1, m_cellRights.size());
    m_table = cursor.insertTable(1, columns, format);
    m_row = 0;
    m_column = 0;
    m_cellEnded = false;
    m_rowEnded = false;
    updateColumnWidths();
}

void RtfTableWriter::updateColumnWidths()
{
    QList<QTextLength> widths;
    int left = 0;
    for (const int right : std::as_const(m_cellRights)) {
        const int width = std::clamp(right - left, 1, RtfFormats::kMaxTwips);
        widths.append(QTextLength(QTextLength::FixedLength, RtfFormats::twipsToPixels(width)));
        left = right;
    }
    QTextTableFormat format = m_table->format();
    format.setColumnWidthConstraints(widths);
    m_table->setFormat(format);
}

bool RtfTableWriter::position(QTextCursor& cursor)
{
    const bool moves = m_rowEnded || m_cellEnded;
    if (m_rowEnded)
        startRow(cursor);
    else if (m_cellEnded)
        moveToNextCell(cursor);
    m_rowEnded = false;
    m_cellEnded = false;
    return moves;
}

void RtfTableWriter::startRow(QTextCursor& cursor)
{
    if ((m_row + 2) * m_table->columns() > kMaxCells) {
        close(cursor);
        open(cursor);
        return;
    }
    m_table->appendRows(1);
    ++m_row;
    m_column = 0;
    cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
}

void RtfTableWriter::moveToNextCell(QTextCursor& cursor)
{
    const bool canGrow = m_table->columns() < kMaxColumns && (m_row + 1) * (m_table->columns() + 1) <= kMaxCells;
    if (m_column + 1 >= m_table->columns() && !canGrow)
        return;
    ++m_column;
    if (m_column >= m_table->columns())
        m_table->appendColumns(1);
    cursor = m_table->cellAt(m_row, m_column).firstCursorPosition();
}

void RtfTableWriter::close(QTextCursor& cursor)
{
    cursor.setPosition(m_table->lastPosition() + 1);
    m_table = nullptr;
}
