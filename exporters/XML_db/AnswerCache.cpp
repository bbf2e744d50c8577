#include "AnswerCache.h"

namespace tamo::exporters {

std::optional<AnswerCache::Hit> AnswerCache::find(std::string_view text, ResultSets& results) const {
    const auto found = answers_.find(std::string(text));
    if (found == answers_.end()) return std::nullopt;
    const Answer& answer = found->second;
    const Hit hit{answer.error ? answer.error->c_str() : nullptr};
    if (answer.error && answer.sets.empty()) return hit;
    results.clear();
    for (const Set& kept : answer.sets) {
        ResultSet& set = results.append();
        std::size_t cell = 0;
        for (const std::string& key : kept.keys) {
            ResultSet::Column& column = set.size_column(key, 0);
            column.reserve(kept.rows);
            for (std::size_t row = 0; row < kept.rows; ++row, ++cell) {
                column.emplace_back(kept.cells.c_str() + kept.offsets[cell]);
            }
        }
    }
    return hit;
}

void AnswerCache::keep(std::string_view text, const ResultSets& results, const char* error) {
    Answer answer;
    if (error) answer.error = error;
    answer.sets.reserve(results.size());
    for (std::size_t index = 0; index < results.size(); ++index) {
        const ResultSet& set = results.set(index);
        Set& kept = answer.sets.emplace_back();
        kept.rows = set.row_count();
        for (const auto& [key, column] : set.columns()) {
            kept.keys.push_back(key);
            for (std::size_t row = 0; row < kept.rows; ++row) {
                // A NULL cell is the text "(null)" in a result set already.
                const std::string& value = row < column.size() ? column[row] : ResultSet::null_text;
                kept.offsets.push_back(static_cast<std::uint32_t>(kept.cells.size()));
                kept.cells.append(value).push_back('\0');
            }
        }
        kept.cells.shrink_to_fit();
        kept.offsets.shrink_to_fit();
    }
    answers_.insert_or_assign(std::string(text), std::move(answer));
}

}  // namespace tamo::exporters
