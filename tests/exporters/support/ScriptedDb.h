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
// texts map to answers or to a failure; any other call answers status 1 and an empty data set. Every call text
// is recorded in order.
template <typename Db>
class ScriptedDb : public Db {
public:
    using Db::Db;

    std::map<std::string, ResultSets> answers;
    std::set<std::string> failing;
    std::vector<std::string> calls;

    const char* run_query(ResultSets& results, const char* text, std::size_t length) override {
        const std::string call(text, length);
        calls.push_back(call);
        if (failing.count(call)) return "scripted failure";
        auto answer = answers.find(call);
        results = answer != answers.end() ? answer->second : Answer({"x.none"}, {});
        return nullptr;
    }

    // Opens the protected id maps to the tests.
    IdMap& method_domains() { return this->used_method_domains; }
    IdMap& data_domains() { return this->used_data_domains; }
};

}  // namespace tamo::exporters::testing
