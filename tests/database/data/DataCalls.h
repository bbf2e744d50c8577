#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "TestDatabase.h"

namespace tamo::testing::data {

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

// The data set of a reader that succeeded: status 1, then exactly one data set.
inline ResultSet DataOf(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.sets.size(), 2u);
    if (result.sets.size() != 2) return {};
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
    return result.sets[1];
}

// A refusal: the status row 0 and then the server's text.
inline void ExpectRefusal(const RunResult& result, const std::string& message) {
    EXPECT_FALSE(result.ok);
    ASSERT_EQ(result.sets.size(), 1u) << result.error;
    EXPECT_EQ(result.sets[0].keys, std::vector<std::string>{"test"});
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "0");
    EXPECT_EQ(result.error, message);
}

// A change that succeeded: nothing but the status set with 1.
inline void ExpectDone(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 1u) << result.error;
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
}

}  // namespace tamo::testing::data
