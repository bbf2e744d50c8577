#pragma once

#include <functional>
#include <string>
#include <vector>

#include "TestDatabase.h"

namespace tamo::exporters::testing {

// Enters a small design through the procedures, logged in as admin, the way the editor would.
class DesignBuilder {
public:
    explicit DesignBuilder(const tamo::testing::ConnectionValues& values);

    // Runs a statement that must succeed (the failure is thrown with the server's text) and answers its sets.
    tamo::testing::RunResult Call(const std::string& statement);
    // A new domain of a kind under a parent (0 at the top); its id.
    std::string NewDomain(const std::string& kind, const std::string& upper_id, const std::string& name,
                          const std::string& description = "");
    // The id of the domain of a kind with this name (names are unique in the fixtures).
    std::string DomainId(const std::string& kind, const std::string& name);
    // The id of a data item, by domain and name.
    std::string DataId(const std::string& domain_id, const std::string& name);
    // Text for a call argument: escaped, in single quotes.
    std::string Text(const std::string& text);
    // Runs SQL as the server's administrator: what no procedure lets in any more, as an older design
    // database may still hold it.
    void Admin(const std::string& sql);

private:
    std::string database_;
    tamo::testing::TestConnection db_;
};

// A design database of the test server for one suite, created once per test run: from the sample design (or
// empty), with `build` run on it once. Every test process of the run gets the same database.
tamo::testing::ConnectionValues PrepareDesign(const std::string& name, bool with_sample,
                                              const std::function<void(DesignBuilder&)>& build = {});

// The nine arguments of an exporter run on that database.
std::vector<std::string> ExporterArguments(const tamo::testing::ConnectionValues& values, const std::string& user,
                                           const std::string& password, const std::string& id,
                                           const std::string& save_path);

}  // namespace tamo::exporters::testing
