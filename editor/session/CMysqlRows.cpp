#include "CMysqlRows.h"

#include <cstring>

bool CMysqlRows::ReadFrom(MYSQL* mysql) {
    MYSQL_RES* result = mysql_use_result(mysql);
    if (!result) return false;
    m_columns = mysql_num_fields(result);
    while (MYSQL_ROW row = mysql_fetch_row(result)) {
        const unsigned long* lengths = mysql_fetch_lengths(result);
        for (unsigned column = 0; column < m_columns; ++column)
            AppendCell(row[column], row[column] ? lengths[column] : 0);
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
}

void CMysqlRows::AppendCell(const char* cell, size_t length) {
    if (!cell) {
        m_cells.push_back(NULL_CELL);
        return;
    }
    m_cells.push_back(m_text.size());
    m_text.append(cell, length);
    m_text.push_back('\0');
}

const char* CMysqlRows::Cell(size_t row, unsigned column) const {
    if (column >= m_columns) return nullptr;
    const size_t index = row * m_columns + column;
    if (index >= m_cells.size() || m_cells[index] == NULL_CELL) return nullptr;
    return m_text.data() + m_cells[index];
}
