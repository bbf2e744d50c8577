#include "ScriptedDb.h"

namespace tamo::exporters::testing {

ResultSets StatusOnly(const std::string& status) {
    ResultSets results;
    results.append().set_cell("test", 0, status);
    return results;
}

ResultSets Answer(const std::vector<std::string>& keys, const std::vector<std::vector<std::string>>& rows,
                  const std::string& status) {
    ResultSets results = StatusOnly(status);
    ResultSet& data = results.append();
    for (const std::string& key : keys) data.size_column(key, rows.size());
    for (std::size_t row = 0; row < rows.size(); ++row)
        for (std::size_t column = 0; column < keys.size() && column < rows[row].size(); ++column)
            data.set_cell(keys[column], row, rows[row][column]);
    return results;
}

}  // namespace tamo::exporters::testing
