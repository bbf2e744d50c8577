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
// While a `Peeking` object lives, the loaders read the answers without taking them and send nothing: a fill
// looks at what a level's lists hold to read the next level's lists ahead before it builds anything.

#include <optional>
#include <string>
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
    };

    // Loaders peek instead of taking while it lives.
    class Peeking {
    public:
        Peeking();
        ~Peeking();
        Peeking(const Peeking&) = delete;
        Peeking& operator=(const Peeking&) = delete;
    };

    explicit CMysqlReadAhead(const std::vector<CString>& texts);
    ~CMysqlReadAhead();
    CMysqlReadAhead(const CMysqlReadAhead&) = delete;
    CMysqlReadAhead& operator=(const CMysqlReadAhead&) = delete;

    // The first answer of this text that no loader took yet, marked taken when `take`; null when there is
    // none. The answer keeps its results until the read-ahead is destroyed.
    Answer* Find(const std::string& text, bool take);

private:
    std::vector<Answer> m_answers;
    std::unordered_map<std::string, std::vector<size_t>> m_byText;  // text -> its answers, in order
};
