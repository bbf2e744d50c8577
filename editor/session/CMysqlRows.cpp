#include "CMysqlRows.h"

#include <algorithm>
#include <cstring>

CMysqlRows::CMysqlRows(unsigned columns) : m_cells(std::make_shared<Cells>()), m_columns(columns) {
    m_cells->columns = columns;
}

bool CMysqlRows::ReadFrom(MYSQL* mysql) {
    MYSQL_RES* result = mysql_use_result(mysql);
    if (!result) return false;
    *this = CMysqlRows(mysql_num_fields(result));
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned column = 0; column < m_columns; ++column)
            AppendCell(row[column], row[column] ? lengths[column] : 0);
        ++m_rows;
    }
    // A set read row by row reports a failure only through the connection's error.
    const bool complete = mysql_errno(mysql) == 0;
    mysql_free_result(result);
    return complete;
}

void CMysqlRows::AppendRow(const CMysqlRows& from, size_t row, unsigned firstColumn) {
    for (unsigned column = 0; column < m_columns; ++column) {
        const char* cell = from.Cell(row, firstColumn + column);
        AppendCell(cell, cell ? std::strlen(cell) : 0);
    }
    ++m_rows;
}

void CMysqlRows::AppendCell(const char* cell, size_t length) {
    Cells& cells = *m_cells;
    if (!cell) {
        cells.offsets.push_back(NULL_CELL);
        return;
    }
    cells.offsets.push_back(cells.text.size());
    cells.text.append(cell, length);
    cells.text.push_back('\0');
}

CMysqlRows CMysqlRows::Slice(size_t firstRow, size_t count, unsigned firstColumn) const {
    CMysqlRows slice;
    slice.m_cells = m_cells;
    slice.m_firstRow = m_firstRow + firstRow;
    slice.m_rows = firstRow < m_rows ? std::min(count, m_rows - firstRow) : 0;
    slice.m_firstColumn = m_firstColumn + firstColumn;
    slice.m_columns = firstColumn < m_columns ? m_columns - firstColumn : 0;
    return slice;
}

const char* CMysqlRows::Cell(size_t row, unsigned column) const {
    if (column >= m_columns || row >= m_rows) return nullptr;
    const size_t offset = m_cells->offsets[(m_firstRow + row) * m_cells->columns + m_firstColumn + column];
    return offset == NULL_CELL ? nullptr : m_cells->text.data() + offset;
}
