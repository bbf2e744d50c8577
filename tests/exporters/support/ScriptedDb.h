#pragma once

#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "ExportError.h"
#include "ResultSets.h"
#include "XML_db_core.h"

namespace tamo::exporters::testing {

// The answer of a stored procedure: the status set ("test" = `status`) and one data set with these keys and
// rows. Cells written "(null)" stand for NULL, as the statement runner stores them.
ResultSets Answer(const std::vector<std::string>& keys, const std::vector<std::vector<std::string>>& rows,
                  const std::string& status = "1");
// A status set only, such as a refusal answers.
ResultSets StatusOnly(const std::string& status);

// The text of the ExportError that `run` ends with, or "(no error)".
template <typename Run>
std::string ErrorOf(Run&& run) {
    try {
        run();
        return "(no error)";
    } catch (const ExportError& error) {
        return error.what();
    }
}

// An XML_db of either generation whose statements are answered from a script instead of a server: exact call
// texts map to answers, to a failure, or to a refusal (the status row 0, then the reason as the statement's
// error); any other call answers status 1 and an empty data set. Every call text is recorded in order.
template <typename Db>
class ScriptedDb : public Db {
public:
    using Db::Db;

    std::map<std::string, ResultSets> answers;
    std::set<std::string> failing;
    std::map<std::string, std::string> refusing;
    std::vector<std::string> calls;

    const char* run_query(ResultSets& results, const char* text, std::size_t length) override {
        const std::string call(text, length);
        calls.push_back(call);
        if (failing.count(call)) return "scripted failure";
        if (auto refusal = refusing.find(call); refusal != refusing.end()) {
            results = StatusOnly("0");
            return refusal->second.c_str();
        }
        auto answer = answers.find(call);
        results = answer != answers.end() ? answer->second : Answer({"x.none"}, {});
        return nullptr;
    }

    // Scripted answers of the lists that both generations read, with fixed values where the tests do not care.
    void MethodDomain(const std::string& id, const std::string& upper, const std::string& name) {
        answers["call domainMethodInfo(" + id + ", 'method')"] =
            Answer({"domain_method.id", "domain_method.upper_id", "domain_method.name", "domain_method.user_id",
                    "domain_method.public", "domain_method.standard_port", "domain_method.create_date",
                    "domain_method.last_update", "domain_method.description"},
                   {{id, upper, name, "admin", "1", "9100", "2024-01-01", "2024-01-02", name + " methods"}});
    }

    // Rows: domain id, name, type, referenced domain id, referenced data name, referenced domain name.
    void Datas(const std::string& domain, const std::vector<std::vector<std::string>>& rows) {
        std::vector<std::vector<std::string>> full;
        for (const auto& r : rows) full.push_back({r[0], r[1], r[2], r[3], r[4], "0", "100", r[1] + " text", r[5]});
        answers["call metadataViewMetadataList(" + domain + ", '%%', 'data')"] =
            Answer({"a.domain_id", "a.name", "a.type", "b.real_domain_id", "b.real_data_name", "a.scmin", "a.scmax",
                    "a.description", "c.real_domain_name"},
                   full);
    }

    // Rows: member, type, referenced domain id, referenced domain name, referenced data name, array type, size.
    void Fields(const std::string& domain, const std::string& data, const std::vector<std::vector<std::string>>& rows) {
        std::vector<std::vector<std::string>> full;
        for (const auto& r : rows) full.push_back({r[0], r[1], r[2], r[3], r[4], "32", "-1", "1", r[5], r[6], "f"});
        answers["call metadataViewMetafieldList(" + domain + ", '" + data + "', 'data')"] =
            Answer({"a.member_name", "a.type", "i.real_domain_id", "b.real_domain_name", "i.real_data_name",
                    "a.bitsize", "a.scimin", "a.scimax", "a.arraytype", "a.arraysize", "a.description"},
                   full);
    }

    // Opens the protected id maps to the tests.
    IdMap& method_domains() { return this->used_method_domains; }
    IdMap& data_domains() { return this->used_data_domains; }
};

}  // namespace tamo::exporters::testing
