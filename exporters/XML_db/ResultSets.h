#pragma once

#include <cstddef>
#include <vector>

#include "ResultSet.h"

namespace tamo::exporters {

// Every result set of one statement run, in the order the server sent them. For a stored procedure set 0 is
// the status set (one row, column "test") and set 1 the first data set.
class ResultSets {
public:
    ResultSet& append() { return sets_.emplace_back(); }
    void clear() { sets_.clear(); }

    std::size_t size() const { return sets_.size(); }
    bool empty() const { return sets_.empty(); }
    // Set `index`; an empty set when the statement answered fewer sets.
    const ResultSet& set(std::size_t index) const;

    // The status test: set 0, column "test", row 0 holds exactly "1".
    bool status_ok() const;
    // The rows of data set 1, 0 when there is none.
    std::size_t data_rows() const { return set(1).row_count(); }

private:
    std::vector<ResultSet> sets_;
};

}  // namespace tamo::exporters
