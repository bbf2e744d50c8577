#pragma once

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "ResultCells.h"
#include "TestDatabase.h"

namespace tamo::testing::data {

using tamo::testing::Cell;
using tamo::testing::Column;
using tamo::testing::ExpectRefusal;

// The data set of a reader that succeeded: status 1, then exactly one data set.
inline ResultSet DataOf(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    EXPECT_EQ(result.sets.size(), 2u);
    if (result.sets.size() != 2) return {};
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
    return result.sets[1];
}

// A change that succeeded: nothing but the status set with 1.
inline void ExpectDone(const RunResult& result) {
    EXPECT_TRUE(result.ok) << result.error;
    ASSERT_EQ(result.sets.size(), 1u) << result.error;
    EXPECT_EQ(Cell(result.sets[0], 0, 0), "1");
}

}  // namespace tamo::testing::data
