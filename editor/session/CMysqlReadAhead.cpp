#include "CMysqlReadAhead.h"

#include "CMysqlQuery.h"

CMysqlReadAhead::CMysqlReadAhead(const std::vector<CString>& texts) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->SendReadAhead(texts, m_answers);
    db->m_readAheads.push_back(this);
}

CMysqlReadAhead::~CMysqlReadAhead() {
    auto& active = CMysqlQuery::GetInstance()->m_readAheads;
    std::erase(active, this);
    for (Answer& answer : m_answers)
        if (!answer.taken)
            for (MYSQL_RES* result : answer.results)
                if (result) mysql_free_result(result);
}

CMysqlReadAhead::Answer* CMysqlReadAhead::Take(const std::string& text) {
    for (Answer& answer : m_answers) {
        if (answer.taken || answer.text != text) continue;
        answer.taken = true;
        return &answer;
    }
    return nullptr;
}
