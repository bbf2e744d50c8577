#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "ResultSets.h"

namespace tamo::exporters {

// The answers of one run's statements by their text, so that each distinct statement is sent once: a run asks
// the same path lookups and lists again and again (a path per referring row). Every answer is kept in one
// buffer of its cells, which costs about what the server sent; a failed statement keeps its error text and the
// sets it answered before it failed (a refusal's status row 0).
class AnswerCache {
public:
    struct Hit {
        const char* error;  // null for an answer
    };

    // The answer of `text` into `results`; nothing when it was never asked. A failure that answered no set (a
    // failed send) leaves `results` as they are, as the first send did.
    std::optional<Hit> find(std::string_view text, ResultSets& results) const;
    // Keeps what `text` answered: its sets, and for a failure (`error` not null) its error text.
    void keep(std::string_view text, const ResultSets& results, const char* error = nullptr);
    void clear() { answers_.clear(); }

private:
    struct Set {
        std::vector<std::string> keys;
        std::size_t rows = 0;
        std::string cells;                   // every cell followed by a NUL, column by column
        std::vector<std::uint32_t> offsets;  // per cell: its start in `cells`
    };
    struct Answer {
        std::vector<Set> sets;
        std::optional<std::string> error;
    };
    std::unordered_map<std::string, Answer> answers_;
};

}  // namespace tamo::exporters
