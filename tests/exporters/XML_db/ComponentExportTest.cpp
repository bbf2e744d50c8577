// The component generation (skarrow, vandrel) on a small scripted design: the depth-first data domain
// section, paths, rows, and the error text of every list.
#include <gtest/gtest.h>

#include "ExportFiles.h"
#include "ScriptedDb.h"
#include "component/XML_db.h"

using tamo::exporters::ResultSet;
using tamo::exporters::ResultSets;
using tamo::exporters::component::Build;
using tamo::exporters::component::XML_db;
using tamo::exporters::testing::Answer;
using tamo::exporters::testing::Count;
using tamo::exporters::testing::ErrorOf;
using tamo::exporters::testing::FileExists;
using tamo::exporters::testing::ReadFile;
using tamo::exporters::testing::ScratchFolder;
using tamo::exporters::testing::ScriptedDb;
using tamo::exporters::testing::StatusOnly;
using tamo::exporters::testing::Values;
using Texts = std::vector<std::string>;
using Rows = std::vector<std::vector<std::string>>;

namespace {

// The same answers keyed by bare field names, as vandrel reads them.
ResultSets BareKeys(const ResultSets& keyed) {
    ResultSets bare;
    for (std::size_t index = 0; index < keyed.size(); ++index) {
        ResultSet& set = bare.append();
        for (const auto& [key, column] : keyed.set(index).columns()) {
            const std::string name = key.substr(key.find('.') + 1);
            set.size_column(name, column.size()) = column;
        }
    }
    return bare;
}

class Design : public ScriptedDb<XML_db> {
public:
    explicit Design(Build build = Build::skarrow) : ScriptedDb<XML_db>(build) {
        answers["call componentEntityViewcomponentinfoList(7)"] =
            Answer({"component.id", "component.systemdomain_id", "component.name", "component.seq",
                    "component.description"},
                   {{"7", "3", "ctl", "2024-03-04", "제어기"}});
        answers["call proxyInterfaceViewList(7)"] =
            Answer({"a.id", "a.method_domain_id", "a.component_id", "a.interface_name", "b.method_domain_name",
                    "a.class_name"},
                   {{"31", "50", "7", "o'clock", "ops2", "CClockProxy"}});
        answers["call proxyInterfaceObjectViewList(31)"] =
            Answer({"proxy_interface_object.proxy_interface_id", "proxy_interface_object.object_name",
                    "proxy_interface_object.component_id"},
                   {{"31", "clockA", "7"}, {"31", "clockB", "7"}});
        answers["call stubInterfaceViewList(7)"] =
            Answer({"a.id", "a.method_domain_id", "a.component_id", "a.interface_name", "b.method_domain_name",
                    "a.class_name"},
                   {{"41", "5", "7", "main", "ops", "CMainStub"}});
        answers["call stubInterfaceObjectViewList(41)"] =
            Answer({"stub_interface_object.stub_interface_id", "stub_interface_object.object_name",
                    "stub_interface_object.component_id"},
                   {{"41", "mainObj", "7"}});

        MethodDomain("5", "0", "ops");
        MethodDomain("50", "5", "ops2");
        answers["call methodViewMethodList(5, 'method','ALL',null, '%%')"] =
            Answer({"a.type", "a.code", "a.method_name", "i.in_domain_id", "i.in_data_name", "o.out_domain_id",
                    "o.out_data_name", "a.description", "b.in_domain_name", "c.out_domain_name"},
                   {{"CALL", "4097", "start", "9", "base", "(null)", "(null)", "starts", "top", "(null)"},
                    {"SIGNAL", "10", "ping", "(null)", "(null)", "100", "coord", "", "(null)", "other"}});
        answers["call methodViewMethodList(50, 'method','ALL',null, '%%')"] = Answer({"a.type"}, {});
        answers["call interfaceViewInterfaceList(5, 'method','%%')"] =
            Answer({"interface.name", "interface.user_id", "interface.description", "interface.domain_id",
                    "interface.seq"},
                   {{"main", "admin", "main interface", "5", "2024-05-06"}});
        answers["call interfaceViewInterfaceList(50, 'method','%%')"] =
            Answer({"interface.name", "interface.user_id", "interface.description", "interface.domain_id",
                    "interface.seq"},
                   {{"o'clock", "user", "", "50", "2024-05-07"}});
        answers["call interfaceViewMemberMethodList(5, 'method','main')"] =
            Answer({"x.member", "a.method_name"}, {{"m", "start"}, {"m", "ping"}});
        answers["call interfaceViewMemberMethodList(50, 'method','o\\'clock')"] = Answer({"a.method_name"}, {});

        // top (9) aliases into child (10) below it and child into other (100), which aliases into itself.
        DataDomain("9", "0", "top");
        DataDomain("10", "9", "child");
        DataDomain("100", "0", "other");
        Datas("9", {{"9", "base", "struct", "(null)", "(null)", "(null)"},
                    {"9", "link", "alias", "10", "pos", "child"}});
        Datas("10", {{"10", "pos", "struct", "(null)", "(null)", "(null)"},
                     {"10", "mode", "enum8_t", "(null)", "(null)", "(null)"}});
        Datas("100", {{"100", "coord", "scaled16_t", "(null)", "(null)", "(null)"},
                      {"100", "self", "alias", "100", "coord", "other"}});
        Fields("9", "base", {{"flag", "u_int8_t", "(null)", "(null)", "(null)", "NO", "0"},
                             {"back", "alias", "9", "top", "base", "VARIABLE", "8"}});
        Fields("10", "pos", {{"x", "alias", "100", "other", "coord", "FIX", "2"}});
    }

    void DataDomain(const std::string& id, const std::string& upper, const std::string& name) {
        answers["call domainDataInfo(" + id + ", 'data')"] =
            Answer({"domain_data.id", "domain_data.upper_id", "domain_data.name", "domain_data.user_id",
                    "domain_data.public", "domain_data.create_date", "domain_data.last_update",
                    "domain_data.description"},
                   {{id, upper, name, "admin", "1", "2024-01-01", "2024-01-02", name + " data"}});
    }

    void UseBareKeys() {
        for (auto& [call, results] : answers) results = BareKeys(results);
    }
};

std::string Export(Design& db, const std::string& id = "7") {
    ScratchFolder folder;
    db.export_component(id, folder.file("out.xml"));
    return ReadFile(folder.file("out.xml"));
}

TEST(ComponentExport, ComponentWithItsProxyAndStubLists) {
    Design db;
    const std::string xml = Export(db);
    EXPECT_EQ(Values(xml, "component/id"), Texts{"7"});
    EXPECT_EQ(Values(xml, "component/description"), Texts{"제어기"});
    EXPECT_EQ(Values(xml, "component/proxy_list/row/interface_name"), Texts{"o'clock"});
    EXPECT_EQ(Values(xml, "component/proxy_list/row/object_list/row/object_name"), (Texts{"clockA", "clockB"}));
    EXPECT_EQ(Values(xml, "component/proxy_list/row/object_list/row/proxy_interface_id"), (Texts{"31", "31"}));
    EXPECT_EQ(Values(xml, "component/stub_list/row/class_name"), Texts{"CMainStub"});
    EXPECT_EQ(Values(xml, "component/stub_list/row/object_list/row/stub_interface_id"), Texts{"41"});
}

TEST(ComponentExport, MethodDomainsInIdOrderWithSlashPathsCodesAndReferences) {
    Design db;
    const std::string xml = Export(db);
    EXPECT_EQ(Values(xml, "methoddomain/row/id"), (Texts{"5", "50"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/path"), (Texts{"/ops", "/ops/ops2"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/method/row/code"), (Texts{"0x1001", "0x000A"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/method/row/in_data_domain_id"), (Texts{"9", "(null)"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/method/row/out_data_domain"), (Texts{"(null)", "other"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/ref_data_domain/row/data_domain_id"), (Texts{"100", "9"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/interface/row/name"), (Texts{"main", "o'clock"}));
    EXPECT_EQ(Values(xml, "methoddomain/row/interface/row/membermethod/row/method_name"), (Texts{"start", "ping"}));
}

TEST(ComponentExport, ReferencedDataDomainsStandBeforeTheDomainThatRefersToThem) {
    Design db;
    const std::string xml = Export(db);
    // Collected: 100 and 9. other (100) first; then top (9), which needs child (10) first.
    EXPECT_EQ(Values(xml, "datadomain/row/id"), (Texts{"100", "10", "9"}));
    EXPECT_EQ(Values(xml, "datadomain/row/path"), (Texts{"/other", "/top/child", "/top"}));
    EXPECT_EQ(Values(xml, "datadomain/row/domain_name"), (Texts{"other", "child", "top"}));
    // other's alias into itself lists no parent; child lists other (written already); top lists child and not
    // itself (its field "back" aliases into top).
    EXPECT_EQ(Values(xml, "datadomain/row/parent_domain_list/row/parent_domain_id"), (Texts{"100", "10"}));
    EXPECT_EQ(Count(xml, "datadomain/row/parent_domain_list"), 3u);
}

TEST(ComponentExport, DataAndFieldRows) {
    Design db;
    const std::string xml = Export(db);
    EXPECT_EQ(Values(xml, "datadomain/row/data/row/name"), (Texts{"coord", "self", "pos", "mode", "base", "link"}));
    EXPECT_EQ(Values(xml, "datadomain/row/data/row/real_domain_name"),
              (Texts{"(null)", "other", "(null)", "(null)", "(null)", "child"}));
    // Fields for structures only: pos has x, mode (an enumeration) none, base has flag and back.
    EXPECT_EQ(Count(xml, "datadomain/row/data/row/datafield"), 6u);
    EXPECT_EQ(Values(xml, "datadomain/row/data/row/datafield/row/member_name"), (Texts{"x", "flag", "back"}));
    EXPECT_EQ(Values(xml, "datadomain/row/data/row/datafield/row/contain_array"), (Texts{"true", "false", "true"}));
    EXPECT_EQ(Values(xml, "datadomain/row/data/row/datafield/row/real_type"), (Texts{"coord", "NULL", "base"}));
    EXPECT_EQ(Values(xml, "datadomain/row/data/row/datafield/row/physical"), (Texts{"", "", ""}));
}

TEST(ComponentExport, AComponentWithoutClassesWritesEmptySections) {
    Design db;
    db.answers["call proxyInterfaceViewList(7)"] = Answer({"a.id"}, {});
    db.answers["call stubInterfaceViewList(7)"] = StatusOnly("0");
    const std::string xml = Export(db);
    EXPECT_EQ(Count(xml, "component/proxy_list"), 1u);
    EXPECT_EQ(Count(xml, "component/proxy_list/row"), 0u);
    EXPECT_EQ(Count(xml, "component/stub_list/row"), 0u);
    EXPECT_EQ(Count(xml, "methoddomain"), 1u);
    EXPECT_EQ(Count(xml, "methoddomain/row"), 0u);
    EXPECT_EQ(Count(xml, "datadomain/row"), 0u);
}

TEST(ComponentExport, PathsWalkUpAndStopAtACycle) {
    Design db;
    EXPECT_EQ(db.data_domain_path("10"), "/top/child");
    EXPECT_EQ(db.data_domain_path("0"), "");
    EXPECT_EQ(db.method_domain_path("50"), "/ops/ops2");
    db.DataDomain("9", "10", "top");  // 9 -> 10 -> 9
    EXPECT_EQ(db.data_domain_path("10"), "/top/child");
}

TEST(ComponentExport, VandrelReadsBareKeysAndWritesTheSameDocument) {
    Design skarrow;
    Design vandrel(Build::vandrel);
    vandrel.UseBareKeys();
    EXPECT_EQ(Export(vandrel), Export(skarrow));
    EXPECT_EQ(vandrel.calls, skarrow.calls);
}

struct Failure {
    const char* call;
    const char* statement_error;
    const char* status_error;  // null when a failed status test lets the run go on
};

// The call text names the case.
void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.call; }

class ComponentExportFailures : public ::testing::TestWithParam<Failure> {};

TEST_P(ComponentExportFailures, EndTheRunWithTheListsTextAndNoFile) {
    const Failure& failure = GetParam();
    for (Build build : {Build::skarrow, Build::vandrel}) {
        for (bool statement_fails : {true, false}) {
            Design db(build);
            if (build == Build::vandrel) db.UseBareKeys();
            if (statement_fails) db.failing.insert(failure.call);
            else db.answers[failure.call] = StatusOnly("0");
            // vandrel's runner turns every failed statement into "query err".
            const char* expected = !statement_fails                ? failure.status_error
                                   : build == Build::vandrel ? "query err"
                                                                   : failure.statement_error;
            ScratchFolder folder;
            EXPECT_EQ(ErrorOf([&] { db.export_component("7", folder.file("out.xml")); }),
                      expected ? expected : "(no error)")
                << failure.call << (build == Build::vandrel ? ", vandrel" : ", skarrow")
                << (statement_fails ? ": statement fails" : ": status fails");
            EXPECT_EQ(FileExists(folder.file("out.xml")), expected == nullptr);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, ComponentExportFailures,
    ::testing::Values(Failure{"call componentEntityViewcomponentinfoList(7)", "query err", "query result err"},
                      Failure{"call proxyInterfaceViewList(7)", "query err", nullptr},
                      Failure{"call proxyInterfaceObjectViewList(31)", "query err", nullptr},
                      Failure{"call stubInterfaceViewList(7)", "query error", nullptr},
                      Failure{"call stubInterfaceObjectViewList(41)", "query error", nullptr},
                      Failure{"call domainMethodInfo(50, 'method')", "query error", nullptr},
                      Failure{"call methodViewMethodList(5, 'method','ALL',null, '%%')", "query error", nullptr},
                      Failure{"call interfaceViewInterfaceList(50, 'method','%%')", "query error", nullptr},
                      Failure{"call interfaceViewMemberMethodList(5, 'method','main')", "query_err", nullptr},
                      Failure{"call domainDataInfo(10, 'data')", "query error", "result error"},
                      Failure{"call metadataViewMetadataList(100, '%%', 'data')", "query error", "result error"},
                      Failure{"call metadataViewMetafieldList(9, 'base', 'data')", "query error", "result error"}));

// A domain that the rows refer to and that the server refuses to the account is named with the server's reason;
// vandrel, the older build, keeps its "query err".
TEST(ComponentExport, AReferencedDomainTheAccountMayNotReadIsNamed) {
    const std::string reason = "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다.";
    const std::pair<const char*, std::string> cases[] = {
        {"call domainMethodInfo(50, 'method')", "참조하는 메서드 도메인 ops2(id 50)을(를) 읽을 수 없습니다: " + reason},
        {"call domainDataInfo(10, 'data')", "참조하는 데이타 도메인 child(id 10)을(를) 읽을 수 없습니다: " + reason},
        {"call domainDataInfo(100, 'data')", "참조하는 데이타 도메인 other(id 100)을(를) 읽을 수 없습니다: " + reason},
    };
    for (const auto& [call, error] : cases) {
        for (Build build : {Build::skarrow, Build::vandrel}) {
            Design db(build);
            if (build == Build::vandrel) db.UseBareKeys();
            db.refusing[call] = reason;
            ScratchFolder folder;
            EXPECT_EQ(ErrorOf([&] { db.export_component("7", folder.file("out.xml")); }),
                      build == Build::vandrel ? "query err" : error)
                << call;
            EXPECT_FALSE(FileExists(folder.file("out.xml"))) << call;
        }
    }
}

TEST(ComponentExport, AFailedMethodDomainInfoLeavesThePathEmpty) {
    Design db;
    db.answers["call domainMethodInfo(50, 'method')"] = StatusOnly("0");
    const std::string xml = Export(db);
    EXPECT_EQ(Values(xml, "methoddomain/row/path"), (Texts{"/ops", ""}));
    EXPECT_EQ(Values(xml, "methoddomain/row/name"), (Texts{"ops", "(null)"}));
}

TEST(ComponentExport, AFailedPathLookupEndsOnlyVandrelsRun) {
    const std::string lookup = "call domainDataInfo(9, 'data')";
    Design skarrow;
    skarrow.answers.erase(lookup);
    skarrow.answers["call domainDataInfo(10, 'data')"] = Answer({"domain_data.upper_id", "domain_data.name"},
                                                                {{"77", "child"}});
    skarrow.failing.insert("call domainDataInfo(77, 'data')");
    EXPECT_EQ(skarrow.data_domain_path("10"), "/child");

    Design vandrel(Build::vandrel);
    vandrel.UseBareKeys();
    vandrel.failing.insert(lookup);
    EXPECT_EQ(ErrorOf([&] { vandrel.data_domain_path("10"); }), "query err");
}

TEST(ComponentExport, UnknownOrMalformedComponentIdsEndTheRunWithoutAFile) {
    struct Case {
        const char* id;
        const char* error;
    };
    for (const Case& c : {Case{"8", "component don't exist"}, Case{"7; drop", "query err"}, Case{"", "query err"}}) {
        Design db;
        db.answers["call componentEntityViewcomponentinfoList(8)"] = Answer({"component.id"}, {});
        ScratchFolder folder;
        EXPECT_EQ(ErrorOf([&] { db.export_component(c.id, folder.file("out.xml")); }), c.error) << c.id;
        EXPECT_FALSE(FileExists(folder.file("out.xml"))) << c.id;
    }
}

}  // namespace
