#include "CMysqlReadAhead.h"

#include <cctype>
#include <charconv>
#include <cstring>

#include "CMysqlQuery.h"
#include "CMysqlResult.h"

namespace {

// The call text of a bundle row: the set's text with its "%d"s filled by the row's first keys, each written
// as "%d" writes the integer. Empty when a key the text needs is no integer.
std::string BundleCallText(const char* format, const CMysqlRows& rows, size_t row) {
    std::string text;
    text.reserve(64);
    unsigned key = 0;
    for (const char* at = format; *at; ++at) {
        if (at[0] != '%' || at[1] != 'd') {
            text.push_back(*at);
            continue;
        }
        const char* cell = rows.Cell(row, key++);
        if (!cell || !(std::isdigit(static_cast<unsigned char>(cell[0])) || cell[0] == '-')) return {};
        char digits[16];
        text.append(digits, std::to_chars(digits, digits + sizeof digits, string_to_int(cell)).ptr);
        ++at;
    }
    return text;
}

// Whether every row of [first, end) holds the call's own row (the cell after the keys is not NULL).
bool AllListed(const CMysqlRows& rows, size_t first, size_t end, unsigned keys) {
    for (size_t row = first; row < end; ++row)
        if (!rows.Cell(row, keys)) return false;
    return true;
}

bool SameKeys(const CMysqlRows& rows, size_t row, size_t other, unsigned keys) {
    for (unsigned key = 0; key < keys; ++key) {
        const char* a = rows.Cell(row, key);
        const char* b = rows.Cell(other, key);
        if (!a || !b ? a != b : std::strcmp(a, b) != 0) return false;
    }
    return true;
}

}  // namespace

CMysqlReadAhead::CMysqlReadAhead(const std::vector<CString>& texts) {
    CMysqlQuery::GetInstance()->SendReadAhead(texts, m_answers);
    Register();
}

CMysqlReadAhead::CMysqlReadAhead(const std::vector<CString>& texts, const CString& bundle,
                                 const std::vector<BundleSet>& sets) {
    std::vector<CString> all = texts;
    all.push_back(bundle);
    CMysqlQuery::GetInstance()->SendReadAhead(all, m_answers, true);
    // The bundle goes last, so it stands last among the answers when the server ran it.
    if (!m_answers.empty() && m_answers.back().text == bundle.str()) {
        const Answer answer = std::move(m_answers.back());
        m_answers.pop_back();
        SplitBundle(answer, sets);
    }
    Register();
}

void CMysqlReadAhead::Register() {
    // Walked backwards, so that each text's first answer ends up in the map with the later ones chained to it.
    m_byText.reserve(m_answers.size());
    for (size_t i = m_answers.size(); i-- > 0;) {
        auto [place, added] = m_byText.try_emplace(m_answers[i].text, i);
        if (!added) {
            m_answers[i].nextSameText = place->second;
            place->second = i;
        }
    }
    CMysqlQuery::GetInstance()->m_readAheads.push_back(this);
}

void CMysqlReadAhead::SplitBundle(const Answer& bundle, const std::vector<BundleSet>& sets) {
    const auto& results = bundle.results;
    // The status set, one set per call kind, the end of the call.
    if (!bundle.error.empty() || results.size() != sets.size() + 2 || !results.front()) return;
    CMysqlResult status(&*results.front());
    if (!status.FetchRow() || status.GetInt(0) != 1) return;
    for (size_t i = 0; i < sets.size(); ++i)
        if (!results[i + 1] || results[i + 1]->ColumnCount() < sets[i].keys + 1) return;

    // Every call's answer shares the bundle's status row and its own rows of the bundle's sets.
    const CMysqlRows passed = results.front()->Slice(0, 1, 0);
    for (size_t i = 0; i < sets.size(); ++i) {
        const CMysqlRows& rows = *results[i + 1];
        const unsigned keys = sets[i].keys;
        for (size_t first = 0; first < rows.RowCount();) {
            size_t end = first + 1;
            while (end < rows.RowCount() && SameKeys(rows, first, end, keys)) ++end;
            std::string text = BundleCallText(sets[i].call, rows, first);
            if (!text.empty()) {
                CMysqlRows data;
                if (AllListed(rows, first, end, keys)) {
                    data = rows.Slice(first, end - first, keys + 1);
                } else {
                    // The single row of an empty list, or rows the bundle mixed: only the listed ones count.
                    data = CMysqlRows(rows.ColumnCount() - keys - 1);
                    for (size_t row = first; row < end; ++row)
                        if (rows.Cell(row, keys)) data.AppendRow(rows, row, keys + 1);
                }
                Answer& answer = m_answers.emplace_back();
                answer.results.reserve(3);
                answer.text = std::move(text);
                answer.results.emplace_back(passed);
                answer.results.emplace_back(std::move(data));
                answer.results.emplace_back();
            }
            first = end;
        }
    }
}

CMysqlReadAhead::~CMysqlReadAhead() {
    auto& active = CMysqlQuery::GetInstance()->m_readAheads;
    std::erase(active, this);
}

CMysqlReadAhead::Answer* CMysqlReadAhead::Find(std::string_view text, bool take) {
    const auto found = m_byText.find(text);
    if (found == m_byText.end()) return nullptr;
    for (size_t index = found->second; index != NONE; index = m_answers[index].nextSameText) {
        Answer& answer = m_answers[index];
        if (answer.taken) continue;
        answer.taken = take;
        return &answer;
    }
    return nullptr;
}
