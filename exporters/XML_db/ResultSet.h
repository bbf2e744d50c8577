#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace tamo::exporters {

// One result set of a statement, read by column key: the table name the client library reports for a field
// (the alias of the query, or the table's own name), a point and the field name ("domain_data.upper_id",
// "a.type"), or the bare field name for a computed value ("test"). NULL cells hold the text "(null)".
class ResultSet {
public:
    using Column = std::vector<std::string>;

    static const std::string null_text;

    // Sizes the column of `key` to `rows` entries, creating it when it is new, and returns it.
    Column& size_column(const std::string& key, std::size_t rows);
    // Sets one cell; the column grows when the row lies beyond it.
    void set_cell(const std::string& key, std::size_t row, std::string value);

    // The cell of `key` in `row`; "(null)" when the set holds no such column or row.
    const std::string& cell(std::string_view key, std::size_t row) const;
    bool has_column(std::string_view key) const { return columns_.find(key) != columns_.end(); }
    // The length of the first column in key order (0 for a set without columns).
    std::size_t row_count() const;

    // Keys are looked up as they are given (a literal mostly), without a string made for each lookup.
    using Columns = std::map<std::string, Column, std::less<>>;
    const Columns& columns() const { return columns_; }

private:
    Columns columns_;
};

}  // namespace tamo::exporters
