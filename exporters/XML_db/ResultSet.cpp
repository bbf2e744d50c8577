#include "ResultSet.h"

namespace tamo::exporters {

const std::string ResultSet::null_text = "(null)";

ResultSet::Column& ResultSet::size_column(const std::string& key, std::size_t rows) {
    Column& column = columns_[key];
    column.resize(rows, null_text);
    return column;
}

void ResultSet::set_cell(const std::string& key, std::size_t row, std::string value) {
    Column& column = columns_[key];
    if (row >= column.size()) column.resize(row + 1, null_text);
    column[row] = std::move(value);
}

const std::string& ResultSet::cell(std::string_view key, std::size_t row) const {
    auto column = columns_.find(key);
    if (column == columns_.end() || row >= column->second.size()) return null_text;
    return column->second[row];
}

std::size_t ResultSet::row_count() const {
    return columns_.empty() ? 0 : columns_.begin()->second.size();
}

}  // namespace tamo::exporters
