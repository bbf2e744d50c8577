#pragma once

// Two engineers on one design: the user's session, which reads and edits, and the maker's, which makes the rows
// and reads none, on a design with one row of every edit kind the server checks against a colleague's change.
// In the calls, "{name}" stands for an id of the design and "{P}" for the test's name prefix.

#include <unistd.h>

#include <map>
#include <regex>
#include <string>

#include "SharingTestSupport.h"

namespace tamo::testing::sharing {

class EditKindsTest : public ::testing::Test {
protected:
    // The design database of the test program, and the letters its names begin with.
    EditKindsTest(const char* database, const char* prefix)
        : server_(TestDatabase::Prepare(database, false)), prefixLetters_(prefix) {}

    void SetUp() override {
        ASSERT_TRUE(user_.connected() && maker_.connected());
        LoginAs(user_, "admin");
        LoginAs(maker_, "admin");
        static int test = 0;
        prefix_ = prefixLetters_ + std::to_string(getpid() % 100000) + "_" + std::to_string(++test) + "_";
    }

    RunResult Done(TestConnection& db, const std::string& call) {
        RunResult run = db.Run(Expand(call));
        EXPECT_TRUE(Succeeded(run)) << Expand(call);
        return run;
    }
    // Makes the row through making_ and keeps the id the call answers under the name.
    int NewId(const std::string& name, const std::string& call) {
        RunResult run = Done(*making_, call);
        if (run.sets.size() == 2 && run.sets[1].rows.size() == 1) ids_[name] = std::stoi(CellText(run, 1, 0, 0));
        return ids_[name];
    }
    int IdOf(const std::string& name, const std::string& sql) {
        ids_[name] = std::stoi(Row(sql));
        return ids_[name];
    }
    std::string Expand(const std::string& text) const {
        std::string out = std::regex_replace(text, std::regex(R"(\{P\})"), prefix_);
        for (const auto& [name, id] : ids_)
            out = std::regex_replace(out, std::regex("\\{" + name + "\\}"), std::to_string(id));
        return out;
    }
    // Every row the query answers, and its one value.
    std::string Rows(const std::string& sql) { return TestDatabase::AdminQuery(server_.database, Expand(sql)); }
    std::string Row(const std::string& sql) { return AdminValue(server_.database, Expand(sql)); }

    // Data, methods and a system: a domain of each kind with one row of every edit kind, made through making_.
    void MakeDesign() {
        NewId("D", "call domainViewNewDomain('data', 0, '{P}D', 0, '1', '')");
        NewId("D2", "call domainViewNewDomain('data', 0, '{P}D2', 0, '1', '')");
        Done(*making_, "call metadataViewNewMetadata({D}, 'T', 'scaled8_t', 0, '0', '10', '')");
        Done(*making_, "call metadataViewNewMetadata({D}, 'S', 'struct', 0, '', '', '')");
        Done(*making_, "call metadataViewNewMetafield({D}, 'S', 'f', 0, 'int8_t', 0, '', '', '', 'NO', 0, '')");
        Done(*making_, "call metadataViewNewMetadata({D}, 'E', 'enum8_t', 0, '', '', '')");
        Done(*making_, "call metadataViewNewMetafield({D}, 'E', 'k', 0, 'const', 0, '', '1', '', 'NO', 0, '')");

        NewId("M", "call domainViewNewDomain('method', 0, '{P}M', 0, '1', '')");
        Done(*making_, "call methodViewNewMethod({M}, 'CALL', 1, 'm', 0, '', 0, '', '')");
        for (const char* name : {"I", "I2", "J"})
            Done(*making_, std::string("call interfaceViewNewInterface({M}, 'method', '") + name + "', '')");

        NewId("Y", "call domainViewNewDomain('system', 0, '{P}Y', 0, '1', '')");
        NewId("Ysub", "call domainViewNewDomain('system', {Y}, '{P}Ysub', 0, '1', '')");
        Done(*making_, "call domainPortViewNewPort({Y}, 1, 1, '')");
        Done(*making_, "call domainPortViewNewPort({Ysub}, 5, 5, '')");
        Done(*making_, "call domainPortViewNewPort({Ysub}, 6, 6, '')");
        NewId("ns", "call nodeNewNodes({Y}, 'ns', 'sub_system', '', {Ysub})");
        NewId("n1", "call nodeNewNodes({Y}, 'n1', 'computer', '', {Ysub})");
        NewId("n2", "call nodeNewNodes({Y}, 'n2', 'computer', '', {Ysub})");
        Done(*making_, "call networkNewip({n1}, '10.0.0.5', '255.0.0.0', '10.X.X.X', '0.0.0.0', '0.0.0.0', '5', '')");
        Done(*making_, "call NetworklinkViewNewNetworkink({n1}, 0, 5, {n2}, 0, 5)");
        NewId("C", "call componentsNewcomponent({Y}, 'C', '')");
        Done(*making_, "call insertProxyInserfaceRelation({Y}, {C}, {M}, 'I', 'cls', 'obj')");
        IdOf("cls", "SELECT id FROM component_class WHERE component_id = {C}");
        Done(*making_, "call nodeDeploymentViewNewcomponent({n1}, {C}, {Y}, 0)");
        IdOf("entry", "SELECT e.id FROM custom_entry e JOIN deployment dp ON dp.id = e.deployment_id WHERE dp.node_id = {n1}");
        Done(*making_, "call acountlistViewNewAcount('{P}acct', 'pw', '')");
    }

    ConnectionValues server_;
    TestConnection user_{server_};
    TestConnection maker_{server_};     // makes the rows; it reads none
    TestConnection* making_ = &maker_;  // what MakeDesign and NewId make their rows through
    std::map<std::string, int> ids_;
    std::string prefix_;

private:
    std::string prefixLetters_;
};

}  // namespace tamo::testing::sharing
