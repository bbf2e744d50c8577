#pragma once

// Reading what a procedure answered through TestConnection: cells and columns as texts, and the refusal
// shape (status row 0, then the server's text).

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDatabase.h"

namespace tamo::testing {

// A cell of a result row, "NULL" for a NULL cell, so that expectations read like the server's answer.
inline std::string Cell(const ResultSet& set, size_t row, size_t column) {
    const auto& cell = set.rows.at(row).at(column);
    return cell ? *cell : "NULL";
}

// The column of one result set as texts, in row order.
inline std::vector<std::string> Column(const ResultSet& set, size_t column) {
    std::vector<std::string> values;
    for (size_t row = 0; row < set.rows.size(); ++row) values.push_back(Cell(set, row, column));
    return values;
}

// A refusal: the status row 0, then the reason as the server's error text.
inline void ExpectRefusal(const RunResult& result, const std::string& message) {
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.sets.size(), 1u) << result.error;
    EXPECT_EQ(result.sets[0].keys, std::vector<std::string>{"test"});
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "0");
    EXPECT_EQ(result.error, message);
}

}  // namespace tamo::testing
