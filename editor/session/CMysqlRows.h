#pragma once

#include <mysql.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

// A result set copied out of the connection: every cell of every row as a NUL-terminated text in one buffer.
// The read-ahead keeps its answers this way rather than as stored MYSQL_RES sets, each of which holds blocks
// of its own: a tree level's thousands of small sets cost the allocator far more than their rows. A copy, and a
// slice of some of the rows and columns, share the cells of the set they came from.
class CMysqlRows {
public:
    CMysqlRows() = default;
    // An empty set of `columns` columns, to be filled with AppendRow.
    explicit CMysqlRows(unsigned columns);

    // Reads the connection's current result set row by row and releases it. False, with the set released,
    // when reading failed (the connection's error tells why).
    bool ReadFrom(MYSQL* mysql);

    // Appends the cells of `from`'s row from `firstColumn` on (as many as this set has columns). Only for a
    // set made to be filled, before it is copied or sliced.
    void AppendRow(const CMysqlRows& from, size_t row, unsigned firstColumn);

    // `count` rows from `firstRow` on, with the columns from `firstColumn` on, without copying a cell.
    CMysqlRows Slice(size_t firstRow, size_t count, unsigned firstColumn) const;

    unsigned ColumnCount() const { return m_columns; }
    size_t RowCount() const { return m_rows; }
    // The cell up to its terminator, as MYSQL_ROW gives it; null for NULL.
    const char* Cell(size_t row, unsigned column) const;

private:
    struct Cells {
        unsigned columns = 0;
        std::string text;            // the cells' bytes, each followed by a NUL
        std::vector<size_t> offsets;  // per cell, row by row: its offset in text, or NULL_CELL
    };

    // Appends one cell (null for NULL) of `length` bytes.
    void AppendCell(const char* cell, size_t length);

    static constexpr size_t NULL_CELL = static_cast<size_t>(-1);

    std::shared_ptr<Cells> m_cells;
    size_t m_firstRow = 0;
    size_t m_rows = 0;
    unsigned m_firstColumn = 0;
    unsigned m_columns = 0;
};
