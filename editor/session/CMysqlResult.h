#pragma once

#include <mysql.h>

#include <cstddef>
#include <string>

class CMysqlRows;

// One stored result set with its current row. Reads by column position; a column that is NULL, or that the
// set does not have, reads as empty text and as 0. Frees the set when it is destroyed. It also reads a set
// copied out of the connection (CMysqlRows), from its first row, without owning it.
class CMysqlResult {
public:
    explicit CMysqlResult(MYSQL_RES* result = nullptr) : m_pResult(result) {}
    explicit CMysqlResult(const CMysqlRows* rows) : m_pRows(rows) {}
    ~CMysqlResult();
    CMysqlResult(const CMysqlResult&) = delete;
    CMysqlResult& operator=(const CMysqlResult&) = delete;

    // Frees what is held and takes `result`.
    void Reset(MYSQL_RES* result = nullptr);
    bool HasResult() const { return m_pResult != nullptr || m_pRows != nullptr; }
    MYSQL_RES* Get() const { return m_pResult; }

    my_ulonglong RowCount() const;
    // Moves to the next row; false at the end.
    bool FetchRow();

    bool IsNull(int column) const;
    // The column's text up to its terminator.
    std::string GetText(int column) const;
    // The column's text, or `substitute` when the column is NULL.
    std::string GetTextOr(int column, const char* substitute) const;
    // The column read with "%d"; 0 when it is no number.
    int GetInt(int column) const;

private:
    const char* Cell(int column) const;

    MYSQL_RES* m_pResult = nullptr;
    MYSQL_ROW m_row = nullptr;
    unsigned long* m_lengths = nullptr;
    const CMysqlRows* m_pRows = nullptr;  // not owned
    size_t m_nextRow = 0;                 // of m_pRows: the row after the current one
};

// A C text read with "%d"; 0 when it is no number (or null).
int string_to_int(const char* text);
