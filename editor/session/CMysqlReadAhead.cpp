#include "CMysqlReadAhead.h"

#include "CMysqlQuery.h"

CMysqlReadAhead::Peeking::Peeking() { CMysqlQuery::GetInstance()->m_peeking = true; }

CMysqlReadAhead::Peeking::~Peeking() { CMysqlQuery::GetInstance()->m_peeking = false; }

CMysqlReadAhead::CMysqlReadAhead(const std::vector<CString>& texts) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    db->SendReadAhead(texts, m_answers);
    for (size_t i = 0; i < m_answers.size(); ++i) m_byText[m_answers[i].text].push_back(i);
    db->m_readAheads.push_back(this);
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
