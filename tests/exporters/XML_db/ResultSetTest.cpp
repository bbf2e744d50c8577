#include <gtest/gtest.h>

#include "ScriptedDb.h"

using tamo::exporters::ResultSet;
using tamo::exporters::ResultSets;
using tamo::exporters::testing::Answer;
using tamo::exporters::testing::StatusOnly;

namespace {

TEST(ResultSet, ReadsCellsByKeyAndAnythingMissingAsNull) {
    const ResultSets results = Answer({"a.name", "a.id", "test"}, {{"one", "1", "x"}, {"two", "(null)", "y"}});
    const ResultSet& data = results.set(1);
    EXPECT_EQ(data.cell("a.name", 1), "two");
    EXPECT_EQ(data.cell("a.id", 1), "(null)");
    EXPECT_EQ(data.cell("test", 0), "x");
    EXPECT_EQ(data.cell("a.missing", 0), "(null)");
    EXPECT_EQ(data.cell("a.name", 2), "(null)");
    EXPECT_EQ(results.set(7).cell("a.name", 0), "(null)");
    EXPECT_EQ(results.set(7).row_count(), 0u);
}

TEST(ResultSet, RowCountIsTheLengthOfTheFirstColumnInKeyOrder) {
    ResultSet set;
    set.size_column("b.late", 3);
    set.size_column("a.early", 1);
    EXPECT_EQ(set.row_count(), 1u);
    EXPECT_EQ(ResultSet().row_count(), 0u);
}

TEST(ResultSets, TheStatusTestAcceptsExactlyTheTextOne) {
    struct Case {
        ResultSets results;
        bool ok;
    };
    ResultSets no_test_column;
    no_test_column.append().set_cell("x.test", 0, "1");
    const Case cases[] = {
        {StatusOnly("1"), true},      {StatusOnly("0"), false}, {StatusOnly("11"), false},
        {StatusOnly(" 1"), false},    {StatusOnly("(null)"), false}, {ResultSets(), false},
        {no_test_column, false},
    };
    for (const Case& c : cases) EXPECT_EQ(c.results.status_ok(), c.ok) << c.results.set(0).cell("test", 0);
}

}  // namespace
