#include "CMysqlResult.h"

#include <climits>

#include "CMysqlRows.h"

CMysqlResult::~CMysqlResult() { Reset(); }

void CMysqlResult::Reset(MYSQL_RES* result) {
    if (m_pResult) mysql_free_result(m_pResult);
    m_pResult = result;
    m_row = nullptr;
    m_lengths = nullptr;
    m_pRows = nullptr;
    m_nextRow = 0;
}

my_ulonglong CMysqlResult::RowCount() const {
    if (m_pRows) return m_pRows->RowCount();
    return m_pResult ? mysql_num_rows(m_pResult) : 0;
}

bool CMysqlResult::FetchRow() {
    if (m_pRows) return m_nextRow++ < m_pRows->RowCount();
    if (!m_pResult) return false;
    m_row = mysql_fetch_row(m_pResult);
    m_lengths = m_row ? mysql_fetch_lengths(m_pResult) : nullptr;
    return m_row != nullptr;
}

const char* CMysqlResult::Cell(int column) const {
    if (m_pRows)
        return m_nextRow == 0 || column < 0 ? nullptr : m_pRows->Cell(m_nextRow - 1, static_cast<unsigned>(column));
    if (!m_row || column < 0 || static_cast<unsigned>(column) >= mysql_num_fields(m_pResult)) return nullptr;
    return m_row[column];
}

bool CMysqlResult::IsNull(int column) const { return Cell(column) == nullptr; }

std::string CMysqlResult::GetText(int column) const { return GetTextOr(column, ""); }

std::string CMysqlResult::GetTextOr(int column, const char* substitute) const {
    const char* cell = Cell(column);
    return cell ? std::string(cell) : std::string(substitute);
}

int CMysqlResult::GetInt(int column) const { return string_to_int(Cell(column)); }

int string_to_int(const char* text) {
    // What "%d" of sscanf reads, without the cost of the scanf machinery on every cell of a large list: white
    // space, a sign and decimal digits, taken as a long (saturated when it does not fit) and cut to an int.
    // Anything else reads as 0.
    if (!text) return 0;
    const char* at = text;
    while (*at == ' ' || (*at >= '\t' && *at <= '\r')) ++at;
    const bool negative = *at == '-';
    if (*at == '-' || *at == '+') ++at;
    if (*at < '0' || *at > '9') return 0;
    const unsigned long long limit = negative ? static_cast<unsigned long long>(LONG_MAX) + 1 : LONG_MAX;
    unsigned long long magnitude = 0;
    bool saturated = false;
    for (; *at >= '0' && *at <= '9'; ++at) {
        const unsigned digit = static_cast<unsigned>(*at - '0');
        if (saturated || magnitude > (limit - digit) / 10) {
            saturated = true;
            continue;
        }
        magnitude = magnitude * 10 + digit;
    }
    if (saturated) magnitude = limit;
    const long value = !negative ? static_cast<long>(magnitude) : magnitude == 0 ? 0 : -static_cast<long>(magnitude - 1) - 1;
    return static_cast<int>(value);
}
