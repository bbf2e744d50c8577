#include "CMysqlReadAhead.h"

#include <cctype>
#include <cstring>

#include "CMysqlQuery.h"
#include "CMysqlResult.h"

namespace {

// The call text of a bundle row: the set's text with its "%d"s filled by the row's first keys, each written
// as "%d" writes the integer. Empty when a key the text needs is no integer.
std::string BundleCallText(const char* format, const CMysqlRows& rows, size_t row) {
    std::string text;
    unsigned key = 0;
    for (const char* at = format; *at; ++at) {
        if (at[0] != '%' || at[1] != 'd') {
            text.push_back(*at);
            continue;
        }
        const char* cell = rows.Cell(row, key++);
        if (!cell || !(std::isdigit(static_cast<unsigned char>(cell[0])) || cell[0] == '-')) return {};
        text += std::to_string(string_to_int(cell));
        ++at;
    }
    return text;
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
    for (size_t i = 0; i < m_answers.size(); ++i) m_byText[m_answers[i].text].push_back(i);
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

    CMysqlRows passed(1);
    passed.AppendRow(*results.front(), 0, 0);
    for (size_t i = 0; i < sets.size(); ++i) {
        const CMysqlRows& rows = *results[i + 1];
        const unsigned keys = sets[i].keys;
        for (size_t first = 0; first < rows.RowCount();) {
            size_t end = first + 1;
            while (end < rows.RowCount() && SameKeys(rows, first, end, keys)) ++end;
            std::string text = BundleCallText(sets[i].call, rows, first);
            if (!text.empty()) {
                CMysqlRows data(rows.ColumnCount() - keys - 1);
                for (size_t row = first; row < end; ++row)
                    if (rows.Cell(row, keys)) data.AppendRow(rows, row, keys + 1);
                Answer& answer = m_answers.emplace_back();
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

CMysqlReadAhead::Answer* CMysqlReadAhead::Find(const std::string& text, bool take) {
    const auto found = m_byText.find(text);
    if (found == m_byText.end()) return nullptr;
    for (size_t index : found->second) {
        Answer& answer = m_answers[index];
        if (answer.taken) continue;
        answer.taken = take;
        return &answer;
    }
    return nullptr;
}
