// Texts the columns cannot hold: too long, not UTF-8, or characters that no file name or XML document can
// carry. Every procedure that the programs call refuses them in its usual form, and nothing changes.

#include <unistd.h>

#include <algorithm>
#include <map>
#include <set>

#include "SharingTestSupport.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

ConnectionValues Design() { return TestDatabase::Prepare("sharing_texts", true); }

const char* const kTables = "CHECKSUM TABLE account, domain, domain_member, domain_parent, data_item, data_field, "
                            "method, method_interface, interface_member, node, node_port, node_ip, network_link, "
                            "component, component_class, class_object, deployment, custom_entry, domain_system_port";

// The procedures that answer no status set refuse with the reason alone.
bool AnswersNoStatus(const std::string& procedure) {
    static const std::set<std::string> quiet = {"check_child_depth_limit_loop", "check_overlap_ip",
                                                "check_clone_component", "select_network", "select_group"};
    return quiet.count(procedure) || procedure.rfind("check_system_lock_", 0) == 0;
}

::testing::AssertionResult RefusedWith(const RunResult& run, bool withStatus, const std::string& reason) {
    if (run.ok) return ::testing::AssertionFailure() << "was not refused";
    if (run.errorNumber != 1644) return ::testing::AssertionFailure() << "raw error " << run.errorNumber << ": " << run.error;
    if (withStatus && (run.sets.size() != 1 || CellText(run, 0, 0, 0) != "0"))
        return ::testing::AssertionFailure() << "no status row 0 before " << run.error;
    if (!withStatus && !run.sets.empty()) return ::testing::AssertionFailure() << "a set before " << run.error;
    if (run.error != reason) return ::testing::AssertionFailure() << "refused with " << run.error;
    return ::testing::AssertionSuccess();
}

struct Parameter {
    std::string name;
    bool text;
};

// The procedures the account may run, each with its parameters in order.
std::map<std::string, std::vector<Parameter>> Procedures(TestConnection& db) {
    const RunResult rows = db.Run(
        "SELECT r.ROUTINE_NAME, p.PARAMETER_NAME, p.DATA_TYPE FROM information_schema.ROUTINES r "
        "LEFT JOIN information_schema.PARAMETERS p ON p.SPECIFIC_SCHEMA = r.ROUTINE_SCHEMA "
        "AND p.SPECIFIC_NAME = r.ROUTINE_NAME AND p.ORDINAL_POSITION > 0 "
        "WHERE r.ROUTINE_SCHEMA = DATABASE() ORDER BY r.ROUTINE_NAME, p.ORDINAL_POSITION");
    std::map<std::string, std::vector<Parameter>> procedures;
    for (const auto& row : rows.sets.at(0).rows) {
        auto& parameters = procedures[*row.at(0)];
        if (!row.at(1)) continue;
        const std::string type = *row.at(2);
        parameters.push_back({*row.at(1), type.find("blob") != std::string::npos ||
                                              type.find("text") != std::string::npos ||
                                              type.find("char") != std::string::npos});
    }
    return procedures;
}

// The call of a procedure whose text argument `probed` is `value`; the other arguments are plain ("1", "x"), a
// type keyword "alias", so that the reference arguments beside it are taken as one.
std::string ProbeCall(TestConnection& db, const std::string& procedure, const std::vector<Parameter>& parameters,
                      size_t probed, const std::string& value) {
    std::string call = "call " + procedure + "(";
    for (size_t i = 0; i < parameters.size(); ++i) {
        if (i) call += ", ";
        if (i == probed) call += '\'' + db.Escape(value) + '\'';
        else if (!parameters[i].text) call += "1";
        else call += parameters[i].name == "b_type" ? "'alias'" : "'x'";
    }
    return call + ")";
}

// Each text argument of each procedure in turn gets a text over every column, bytes that are no UTF-8, a NUL and a
// control character. The check of the texts comes before anything else.
TEST(Texts, EveryProcedureRefusesTextsTooLongOrNotUtf8AndChangesNothing) {
    const ConnectionValues server = Design();
    TestConnection db(server);
    ASSERT_TRUE(db.Login("admin", "admin"));
    const std::string before = TestDatabase::AdminQuery(server.database, kTables);
    const std::pair<std::string, std::string> probes[] = {
        {std::string(70000, 'x'), "입력한 값이 너무 깁니다."},
        {std::string("ab\xff\xfe" "c"), "입력한 값에 쓸 수 없는 문자가 있습니다."},
        {std::string("a\0b", 3), "입력한 값에 쓸 수 없는 문자가 있습니다."},
        {std::string("a\x1b" "b"), "입력한 값에 쓸 수 없는 문자가 있습니다."},
    };
    int tries = 0;
    for (const auto& [procedure, parameters] : Procedures(db)) {
        for (size_t probed = 0; probed < parameters.size(); ++probed) {
            if (!parameters[probed].text) continue;
            for (const auto& [value, reason] : probes) {
                EXPECT_TRUE(RefusedWith(db.Run(ProbeCall(db, procedure, parameters, probed, value)),
                                        !AnswersNoStatus(procedure), reason))
                    << procedure << ", argument " << parameters[probed].name << ": " << reason;
                ++tries;
            }
        }
    }
    EXPECT_GT(tries, 600);
    EXPECT_EQ(TestDatabase::AdminQuery(server.database, kTables), before);
}

// A text that the check of texts lets through but that no name or short column holds: each procedure does its
// work or refuses in its own form, never with the server's own text.
TEST(Texts, NoProcedureAnswersATextThatFitsNoColumnWithARawError) {
    const ConnectionValues server = TestDatabase::Prepare("sharing_texts_column", true);
    TestConnection db(server);
    ASSERT_TRUE(db.Login("admin", "admin"));
    // Just over a type keyword, a name, a description of an account, a path, and the longest text.
    for (const size_t length : {33, 129, 1100, 5000, 65535}) {
        const std::string value(length, 'w');
        for (const auto& [procedure, parameters] : Procedures(db)) {
            for (size_t probed = 0; probed < parameters.size(); ++probed) {
                if (!parameters[probed].text) continue;
                const RunResult run = db.Run(ProbeCall(db, procedure, parameters, probed, value));
                if (run.ok) continue;
                const std::string what = procedure + ", argument " + parameters[probed].name + ", " +
                                         std::to_string(length) + " bytes: " + run.error;
                EXPECT_EQ(run.errorNumber, 1644u) << what;
                EXPECT_TRUE(std::any_of(run.error.begin(), run.error.end(), [](char c) { return c & 0x80; })) << what;
                if (!AnswersNoStatus(procedure)) {
                    EXPECT_TRUE(RefusedProperly(run)) << what;
                }
            }
        }
    }
}

// Texts that fit the check of texts but not their column: the server's own refusal comes back in the usual form.
TEST(Texts, ATextLongerThanItsColumnIsRefused) {
    const ConnectionValues server = Design();
    TestConnection db(server);
    ASSERT_TRUE(db.Login("admin", "admin"));
    const std::string before = TestDatabase::AdminQuery(server.database, kTables);
    const std::string name129(129, 'n');
    const std::string calls[] = {
        "call metadataViewNewMetadata(1, 'Long', 'scaled16_t', 0, '" + std::string(65, '9') + "', '', '')",
        "call metadataViewNewMetafield(1, 'Position', 'f', 0, 'int32_t', 0, '', '', '" + std::string(65, '9') +
            "', 'NO', 0, '')",
        "call xmldocumentViewimportData(1, 'Long', 'int8_t', '" + name129 + "', 0, '', '', '', '')",
        "call acountlistViewNewAcount('long', 'pw', '" + std::string(1025, 'd') + "')",
        "call methodViewNewMethod(6, '" + std::string(33, 'T') + "', 30000, 'Long', 0, '', 0, '', '')",
        "call domainViewNewDomain('data', 0, '" + name129 + "', 0, '1', '')",
        "call nodeNewNodes(9, '" + name129 + "', 'computer', '', 0)",
    };
    for (const std::string& call : calls) {
        const RunResult result = db.Run(call);
        EXPECT_TRUE(RefusedProperly(result)) << call.substr(0, 60);
        EXPECT_EQ(result.error.find("Data too long"), std::string::npos) << result.error;
    }
    EXPECT_EQ(TestDatabase::AdminQuery(server.database, kTables), before);
}

// Names that cannot be a file name or an XML text, for each kind of named thing.
TEST(Texts, NamesThatCannotBeAFileNameOrXmlAreRefused) {
    const ConnectionValues server = Design();
    TestConnection db(server);
    ASSERT_TRUE(db.Login("admin", "admin"));
    const std::string before = TestDatabase::AdminQuery(server.database, kTables);
    const std::string names[] = {".", "..", "a\x01" "b", "a\xef\xbf\xbe" "b", "a\xed\xa0\x80" "b",
                                 std::string("a\0b", 3), "a\tb", "a\x7f" "b", "a\xc2\x85" "b"};
    const char* creations[] = {
        "call domainViewNewDomain('data', 0, '%s', 0, '1', '')",
        "call metadataViewNewMetadata(1, '%s', 'struct', 0, '', '', '')",
        "call metadataViewNewMetafield(1, 'Position', '%s', 0, 'int32_t', 0, '', '', '', 'NO', 0, '')",
        "call methodViewNewMethod(6, 'CALL', 30001, '%s', 0, '', 0, '', '')",
        "call interfaceViewNewInterface(6, 'method', '%s', '')",
        "call nodeNewNodes(9, '%s', 'computer', '', 0)",
        "call componentsNewcomponent(9, '%s', '')",
    };
    for (const char* creation : creations) {
        for (const std::string& name : names) {
            std::string call = creation;
            call.replace(call.find("%s"), 2, db.Escape(name));
            EXPECT_TRUE(RefusedProperly(db.Run(call))) << creation << " with " << ::testing::PrintToString(name);
        }
    }
    // Components and classes name folders and files of the generated sources.
    for (const std::string name : {"a/b", "a\\b"})
        EXPECT_TRUE(Refused(db.Run("call componentsNewcomponent(9, '" + db.Escape(name) + "', '')"),
                            "컴포넌트 이름에는 \\ 와 / 를 쓸 수 없습니다."));
    EXPECT_EQ(TestDatabase::AdminQuery(server.database, kTables), before);
}

// A description that XML carries is stored. It runs in a database of its own: the other tests here compare the
// tables before and after, and they run at the same time.
TEST(Texts, DescriptionsRefuseOnlyWhatXmlCannotCarry) {
    const ConnectionValues server = TestDatabase::Prepare("sharing_texts_described", true);
    TestConnection db(server);
    ASSERT_TRUE(db.Login("admin", "admin"));
    const std::string described = "IDescribed" + std::to_string(getpid() % 100000);
    for (const std::string& description : {std::string("a\x01" "b"), std::string("a\xef\xbf\xbf" "b"),
                                           std::string("a\xed\xbf\xbf" "b"), std::string("a\0b", 3)})
        EXPECT_TRUE(Refused(db.Run("call interfaceViewNewInterface(6, 'method', '" + described + "', '" +
                                   db.Escape(description) + "')"),
                            "입력한 값에 쓸 수 없는 문자가 있습니다."));
    EXPECT_TRUE(Succeeded(db.Run("call interfaceViewNewInterface(6, 'method', '" + described + "', '" +
                                 db.Escape("여러 줄\n\t들여쓴 줄\r\n끝 😀") + "')")));
}

}  // namespace
