#include "ResultSets.h"

namespace tamo::exporters {

const ResultSet& ResultSets::set(std::size_t index) const {
    static const ResultSet empty_set;
    return index < sets_.size() ? sets_[index] : empty_set;
}

bool ResultSets::status_ok() const {
    return set(0).cell("test", 0) == "1";
}

}  // namespace tamo::exporters
