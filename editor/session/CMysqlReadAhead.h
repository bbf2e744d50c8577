#pragma once

// Calls sent ahead: the answers of read-only calls that do not depend on each other, fetched in one round trip
// (a multi-statement text) and handed to the session's loaders when they run the same call text.
//
//     {
//         CMysqlReadAhead ahead(texts);     // one round trip for all of them
//         for (...) db->SelectXxx(text, list);   // each loader takes its answer instead of sending
//     }                                     // answers nobody took are freed here
//
// Only CALL texts of the loaders belong here (procedures that change nothing). A loader whose text is not
// among the answers sends it as always. When one call of the batch fails, the server runs none after it:
// that call's loader gets its error exactly as if it had sent it, and the calls after it are sent again by
// their loaders. Read-aheads may nest; the answers live until the object that fetched them is destroyed. A call
// whose answer a live read-ahead holds (not taken yet) is not sent again by a nested one.
//
// A bundle is one call whose sets answer many calls of the loaders at once, for lists where sending each call
// alone costs the server far more than its rows: see the bundle constructor.

#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "CMysqlRows.h"
#include "CString.h"

class CMysqlReadAhead {
public:
    // The answer of one call: its results in order (empty for a result without a set, such as the end of a
    // CALL), and the error the call met, if any.
    struct Answer {
        std::string text;
        std::vector<std::optional<CMysqlRows>> results;
        std::string error;
        bool taken = false;
        size_t nextSameText = NONE;  // the next answer of the same text, in order
    };
    static constexpr size_t NONE = static_cast<size_t>(-1);

    // One set of a bundle: the calls it answers. `call` is their text with "%d" where a key stands; a row
    // starts with `keys` key cells (integers), the first of which fill the text's "%d"s in order and all of
    // which tell one call's rows from the next call's.
    struct BundleSet {
        const char* call;
        unsigned keys;
    };

    explicit CMysqlReadAhead(const std::vector<CString>& texts);
    // Sends `texts` and `bundle` in one round trip. After its status set, set i of the bundle answers the
    // calls of sets[i]: each row holds the keys, a cell that is NULL on the single row of a call whose list
    // is empty, then the call's own row. Each call gets the answer it would get alone: the status set 1, its
    // rows, the end of the call. A bundle that fails, or answers other sets, answers no call: the loaders
    // then send their calls themselves.
    CMysqlReadAhead(const std::vector<CString>& texts, const CString& bundle, const std::vector<BundleSet>& sets);
    ~CMysqlReadAhead();
    CMysqlReadAhead(const CMysqlReadAhead&) = delete;
    CMysqlReadAhead& operator=(const CMysqlReadAhead&) = delete;

    // The first answer of this text that no loader took yet, marked taken when `take`; null when there is
    // none. The answer keeps its results until the read-ahead is destroyed.
    Answer* Find(std::string_view text, bool take);

    // Every answer, in the order the calls were sent or the bundle listed them.
    const std::vector<Answer>& Answers() const { return m_answers; }

private:
    void Register();
    void SplitBundle(const Answer& bundle, const std::vector<BundleSet>& sets);

    std::vector<Answer> m_answers;  // not changed once registered: m_byText looks at their texts
    std::unordered_map<std::string_view, size_t> m_byText;  // text -> its first answer
};
