#pragma once

// The answers of a read-ahead set beside what the server answers each call alone, for the tests of the trees'
// bundles: a bundle must answer every call exactly as the call alone.

#include <mysql.h>

#include <optional>
#include <string>
#include <vector>

#include "CMysqlConnection.h"
#include "CMysqlQuery.h"
#include "CMysqlRows.h"

namespace tree_test {

using Cells = std::vector<std::vector<std::vector<std::optional<std::string>>>>;

// Every cell of every result, a set without rows (the end of a call) as no rows at all.
inline Cells CellsOf(const std::vector<std::optional<CMysqlRows>>& results) {
    Cells cells;
    for (const auto& set : results) {
        auto& rows = cells.emplace_back();
        if (!set) continue;
        for (size_t row = 0; row < set->RowCount(); ++row) {
            auto& cellsOfRow = rows.emplace_back();
            for (unsigned column = 0; column < set->ColumnCount(); ++column) {
                const char* cell = set->Cell(row, column);
                cellsOfRow.push_back(cell ? std::optional<std::string>(cell) : std::nullopt);
            }
        }
    }
    return cells;
}

// What the server answers the call sent alone, read as the read-ahead reads it.
inline std::vector<std::optional<CMysqlRows>> Alone(CMysqlQuery* db, const std::string& text) {
    MYSQL* mysql = &db->GetConnection()->m_mysql;
    std::vector<std::optional<CMysqlRows>> results;
    if (mysql_real_query(mysql, text.data(), static_cast<unsigned long>(text.size())) != 0) return results;
    do {
        if (mysql_field_count(mysql) == 0) {
            results.emplace_back();
            continue;
        }
        CMysqlRows rows;
        if (!rows.ReadFrom(mysql)) break;
        results.emplace_back(std::move(rows));
    } while (mysql_next_result(mysql) == 0);
    return results;
}

}  // namespace tree_test
