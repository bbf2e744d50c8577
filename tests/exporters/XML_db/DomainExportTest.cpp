// The domain generation (pelvane, quorrin) on a small scripted design: documents, id order, alias waves,
// and the error text of every list.
#include <gtest/gtest.h>

#include "ExportFiles.h"
#include "ScriptedDb.h"
#include "domain/XML_db.h"

using tamo::exporters::domain::DataFields;
using tamo::exporters::domain::XML_db;
using tamo::exporters::testing::Answer;
using tamo::exporters::testing::ErrorOf;
using tamo::exporters::testing::FileExists;
using tamo::exporters::testing::ReadFile;
using tamo::exporters::testing::ScratchFolder;
using tamo::exporters::testing::ScriptedDb;
using tamo::exporters::testing::StatusOnly;
using tamo::exporters::testing::Values;
using Texts = std::vector<std::string>;

namespace {

class Design : public ScriptedDb<XML_db> {
public:
    explicit Design(DataFields fields) : ScriptedDb<XML_db>(fields) {
        // Data domains: top (9) with child (10) below it, other (100) at the top level.
        Domain("data", "9", "0", "top");
        Domain("data", "10", "9", "child");
        Domain("data", "100", "0", "other");
        Datas("10", {{"10", "pos", "struct", "(null)", "(null)", "(null)"},
                     {"10", "mode", "enum8_t", "(null)", "(null)", "(null)"},
                     {"10", "ref", "alias", "9", "base", "top"}});
        Datas("9", {{"9", "base", "u_int8_t", "(null)", "(null)", "(null)"},
                    {"9", "back", "alias", "10", "pos", "child"}});
        Datas("100", {{"100", "coord", "scaled16_t", "(null)", "(null)", "(null)"}});
        Fields("10", "pos", {{"x", "alias", "100", "other", "coord", "NO", "0"},
                             {"n", "int32_t", "(null)", "(null)", "(null)", "FIX", "4"}});
        Fields("10", "mode", {{"ON", "enum8_t", "(null)", "(null)", "(null)", "NO", "0"}});

        // System site (1) holds plant (3), whose sub-system line (4) hangs below it.
        Domain("system", "1", "0", "site");
        Domain("system", "3", "1", "plant");
        Domain("system", "4", "3", "line");
        answers["call domainViewDomainInfo(3, 'system')"] =
            Answer({"a.id", "a.upper_id", "a.name", "u.user_id", "a.public", "a.create_date", "a.last_update",
                    "a.description"},
                   {{"3", "1", "plant", "admin", "1", "2024-01-02", "2024-02-03", "공장"}});
        answers["call systemDomainPortViewList(3)"] =
            Answer({"domain_system_port.seq", "domain_system_port.port_num", "domain_system_port.port_group",
                    "domain_system_port.description"},
                   {{"1", "7000", "1", "control"}, {"2", "7001", "1", "(null)"}});
        answers["call systemDomainPortViewList(4)"] =
            Answer({"domain_system_port.seq", "domain_system_port.port_num", "domain_system_port.port_group",
                    "domain_system_port.description"},
                   {{"3", "8000", "2", "line port"}});
        answers["call NetworklinkViewNetworkinkList(3)"] =
            Answer({"x.s_node_id", "x.sname", "x.s_port_id", "x.d_node_id", "x.dname", "x.d_port_id"},
                   {{"21", "pc", "1", "0", "(null)", "7000"}});
        answers["call nodeViewList(3)"] =
            Answer({"xxx.Id", "xxx.domain_id", "xxx.aname", "xxx.type", "xxx.description", "xxx.sub_system_domain_id",
                    "s.sub_system_name"},
                   {{"20", "3", "r1", "urouter", "router", "(null)", "(null)"},
                    {"21", "3", "pc", "computer", "", "(null)", "(null)"},
                    {"22", "3", "sub", "sub_system", "line", "4", "line"}});
        answers["call nodeDeploymentViewInstallList(3,21)"] =
            Answer({"A.id", "A.component_id", "A.systemdomain_id", "A.name", "A.seq", "A.description"},
                   {{"1", "7", "3", "ctl", "2024-03-04", "controller"}});
        answers["call nodeDeploymentViewInstallList(3,20)"] = Answer({"A.id"}, {});
        answers["call nodeDeploymentViewInstallList(3,22)"] = Answer({"A.id"}, {});
        answers["call coustim_proxyViewlistinfo(21,7)"] =
            Answer({"b.interface_name", "b.class_name", "a.object_id", "c.name", "c.id", "a.object_name", "a.public"},
                   {{"main", "CMainProxy", "11", "ops", "5", "mainObj", "1"}});
        answers["call coustim_stubViewlistinfo(21,7)"] =
            Answer({"a.object_id", "b.interface_name", "b.class_name", "c.name", "c.id", "a.object_name", "a.public"},
                   {{"12", "o'clock", "CClockStub", "ops2", "50", "clockObj", "0"}});

        // Method domains ops (5) and ops2 (50) below it.
        Domain("method", "5", "0", "ops");
        Domain("method", "50", "5", "ops2");
        MethodDomain("5", "0", "ops");
        MethodDomain("50", "5", "ops2");
        answers["call methodViewMethodList(5, 'method','ALL',null, '%%')"] =
            Answer({"a.type", "a.code", "a.method_name", "i.in_domain_id", "i.in_data_name", "o.out_domain_id",
                    "o.out_data_name", "a.description", "b.in_domain_name", "c.out_domain_name"},
                   {{"CALL", "4097", "start", "10", "pos", "(null)", "(null)", "starts", "child", "(null)"},
                    {"SIGNAL", "10", "ping", "(null)", "(null)", "100", "coord", "", "(null)", "other"}});
        answers["call interfaceViewInterfaceList(5, 'method','%%')"] =
            Answer({"interface.name", "interface.user_id", "interface.description", "interface.domain_id",
                    "interface.seq"},
                   {{"main", "admin", "main interface", "5", "2024-05-06"},
                    {"o'clock", "user", "", "5", "2024-05-07"}});
        answers["call methodViewMethodList(50, 'method','ALL',null, '%%')"] = Answer({"a.type"}, {});
        answers["call interfaceViewInterfaceList(50, 'method','%%')"] = Answer({"interface.name"}, {});
        answers["call interfaceViewMemberMethodList(5, 'method','main')"] =
            Answer({"x.member", "a.method_name"}, {{"m", "start"}, {"m", "ping"}});
        answers["call interfaceViewMemberMethodList(5, 'method','o\\'clock')"] =
            Answer({"x.member", "a.method_name"}, {{"m", "ping"}});
    }

    void Domain(const std::string& kind, const std::string& id, const std::string& upper, const std::string& name) {
        const std::string table = "domain_" + kind;
        answers["call domain_table_Info(" + id + ", '" + kind + "')"] =
            Answer({table + ".id", table + ".upper_id", table + ".name"}, {{id, upper, name}});
        if (kind == "data")
            answers["call domainDataInfo(" + id + ", 'data')"] =
                Answer({"domain_data.id", "domain_data.upper_id", "domain_data.name", "domain_data.user_id",
                        "domain_data.public", "domain_data.create_date", "domain_data.last_update",
                        "domain_data.description"},
                       {{id, upper, name, "admin", "1", "2024-01-01", "2024-01-0" + id.substr(0, 1), name + " data"}});
    }

};

std::string ExportData(Design& db, const std::string& id) {
    ScratchFolder folder;
    db.export_data_domain(id, folder.file("out.xml"));
    return ReadFile(folder.file("out.xml"));
}

std::string ExportSystem(Design& db, const std::string& id) {
    ScratchFolder folder;
    db.export_system_domain(id, folder.file("out.xml"));
    return ReadFile(folder.file("out.xml"));
}

TEST(DomainExport, DataDomainsAreWrittenInWavesEachOnce) {
    Design db(DataFields::structures_and_enumerations);
    const std::string xml = ExportData(db, "10");
    // child (10) first; then the wave its aliases found, in id order: other (100) before top (9). top's alias
    // back into child writes nothing again.
    EXPECT_EQ(Values(xml, "data_domains/data_domain/name"), (Texts{"child", "other", "top"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/path"), (Texts{"top::child", "other", "top"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/author"), (Texts{"admin", "admin", "admin"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/edit-day"), (Texts{"2024-01-01", "2024-01-01", "2024-01-09"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/name"),
              (Texts{"pos", "mode", "ref", "coord", "base", "back"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/real_domain_path"),
              (Texts{"", "", "top", "", "", "top::child"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/real_data"),
              (Texts{"(null)", "(null)", "base", "(null)", "(null)", "pos"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/physical"), Texts(6, ""));
}

TEST(DomainExport, CollectedDomainsAreWalkedInIdTextOrder) {
    Design db(DataFields::structures_and_enumerations);
    db.data_domains() = {{"9", ""}, {"100", ""}, {"10", ""}};
    auto document = db.create_document("tamo_system_interface");
    db.add_data_domains(document->getDocumentElement());
    const std::string xml = db.serialize_document(document.get());
    EXPECT_EQ(Values(xml, "data_domains/data_domain/name"), (Texts{"child", "other", "top"}));
}

TEST(DomainExport, PelvaneWritesStructureFieldsAndEnumerationConstantsQuorrinOnlyFields) {
    Design pelvane(DataFields::structures_and_enumerations);
    const std::string xml = ExportData(pelvane, "10");
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/member_name"),
              (Texts{"x", "n", "ON"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/real_domain_path"),
              (Texts{"other", "", ""}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/real_type"),
              (Texts{"coord", "NULL", "NULL"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/arraysize"),
              (Texts{"0", "4", "0"}));

    Design quorrin(DataFields::structures_only);
    quorrin.data_domains() = {{"10", ""}};
    auto document = quorrin.create_document("tamo_system_interface");
    quorrin.add_data_domains(document->getDocumentElement());
    EXPECT_EQ(Values(quorrin.serialize_document(document.get()),
                     "data_domains/data_domain/datas/data/datafields/datafield/member_name"),
              (Texts{"x", "n"}));
}

TEST(DomainExport, SystemDocumentHoldsTheSystemItsMethodDomainsAndTheirDataDomains) {
    Design db(DataFields::structures_only);
    const std::string xml = ExportSystem(db, "3");
    EXPECT_EQ(Values(xml, "system/name"), Texts{"plant"});
    EXPECT_EQ(Values(xml, "system/path"), Texts{"site::plant"});
    EXPECT_EQ(Values(xml, "system/description"), Texts{"공장"});
    EXPECT_EQ(Values(xml, "system/ports/port/number"), (Texts{"7000", "7001"}));
    EXPECT_EQ(Values(xml, "system/ports/port/description"), (Texts{"control", "(null)"}));
    EXPECT_EQ(Values(xml, "system/links/link/d_node_name"), Texts{"(null)"});
    EXPECT_EQ(Values(xml, "system/links/link/d_node_id"), Texts{"0"});
    EXPECT_EQ(Values(xml, "system/nodes/node/name"), (Texts{"r1", "pc", "sub"}));
    // A router without sub-system: empty path, empty port list.
    EXPECT_EQ(Values(xml, "system/nodes/node/subsystem"), (Texts{"", "", "site::plant::line"}));
    EXPECT_EQ(Values(xml, "system/nodes/node/ports/port/number"), Texts{"8000"});
    EXPECT_EQ(Values(xml, "system/nodes/node/processes/process/component"), Texts{"site::plant7"});
    EXPECT_EQ(Values(xml, "system/nodes/node/processes/process/proxies/proxy/name"), Texts{"mainObj_11"});
    EXPECT_EQ(Values(xml, "system/nodes/node/processes/process/proxies/proxy/interface_path"), Texts{"ops"});
    EXPECT_EQ(Values(xml, "system/nodes/node/processes/process/stubes/stub/interface_path"), Texts{"ops::ops2"});
    EXPECT_EQ(Values(xml, "system/nodes/node/processes/process/stubes/stub/interface"), Texts{"o'clock"});

    EXPECT_EQ(Values(xml, "method_domains/method_domain/path"), (Texts{"ops", "ops::ops2"}));
    EXPECT_EQ(Values(xml, "method_domains/method_domain/standard_port"), (Texts{"9100", "9100"}));
    EXPECT_EQ(Values(xml, "method_domains/method_domain/methods/method/code"), (Texts{"0x1001", "0x000A"}));
    // A method without input data: empty path, "(null)" data, and no data domain collected for it.
    EXPECT_EQ(Values(xml, "method_domains/method_domain/methods/method/in_data_domain_path"),
              (Texts{"top::child", ""}));
    EXPECT_EQ(Values(xml, "method_domains/method_domain/methods/method/in_data"), (Texts{"pos", "(null)"}));
    EXPECT_EQ(Values(xml, "method_domains/method_domain/methods/method/out_data_domain_path"),
              (Texts{"", "other"}));
    EXPECT_EQ(Values(xml, "method_domains/method_domain/interfaces/interface/name"), (Texts{"main", "o'clock"}));
    EXPECT_EQ(Values(xml, "method_domains/method_domain/interfaces/interface/membermethods/membermethod/method_name"),
              (Texts{"start", "ping", "ping"}));

    EXPECT_EQ(Values(xml, "data_domains/data_domain/name"), (Texts{"child", "other", "top"}));
    EXPECT_EQ(Values(xml, "data_domains/data_domain/datas/data/datafields/datafield/member_name"),
              (Texts{"x", "n"}));
}

TEST(DomainExport, EveryStatementIsScripted) {
    // Guards the call texts: the exporter sends exactly the scripted ones, plus path lookups of ids that have
    // no parent ("(null)" ids never reach the server).
    Design db(DataFields::structures_only);
    ExportSystem(db, "3");
    for (const std::string& call : db.calls)
        EXPECT_TRUE(db.answers.count(call) || call == "call systemDomainPortViewList(NULL)") << call;
}

TEST(DomainExport, AParentCycleEndsThePathWalk) {
    Design db(DataFields::structures_only);
    db.Domain("data", "9", "10", "top");  // top now claims child as its parent: 9 -> 10 -> 9
    EXPECT_EQ(db.domain_path("10", "data"), "top::child");
    EXPECT_EQ(db.domain_path("0", "data"), "");
    EXPECT_EQ(db.domain_path("(null)", "data"), "");
}

struct Failure {
    const char* call;
    const char* statement_error;  // the text when the statement fails
    const char* status_error;     // the text when the status test fails; null when the run goes on
};

// The call text names the case.
void PrintTo(const Failure& failure, std::ostream* os) { *os << failure.call; }

class DomainExportFailures : public ::testing::TestWithParam<Failure> {};

TEST_P(DomainExportFailures, EndTheRunWithTheListsTextAndNoFile) {
    const Failure& failure = GetParam();
    for (bool statement_fails : {true, false}) {
        Design db(DataFields::structures_and_enumerations);
        if (statement_fails) db.failing.insert(failure.call);
        else db.answers[failure.call] = StatusOnly("0");
        const char* expected = statement_fails ? failure.statement_error : failure.status_error;
        ScratchFolder folder;
        EXPECT_EQ(ErrorOf([&] { db.export_system_domain("3", folder.file("out.xml")); }),
                  expected ? expected : "(no error)")
            << failure.call << (statement_fails ? ": statement fails" : ": status fails");
        EXPECT_EQ(FileExists(folder.file("out.xml")), expected == nullptr);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lists, DomainExportFailures,
    ::testing::Values(
        Failure{"call domainViewDomainInfo(3, 'system')", "query err", "query result err"},
        Failure{"call systemDomainPortViewList(3)", "query err", "query result err"},
        Failure{"call systemDomainPortViewList(4)", "query err", "query result err"},
        Failure{"call NetworklinkViewNetworkinkList(3)", "query err", "query result err"},
        Failure{"call nodeViewList(3)", "query err", "query result err"},
        Failure{"call nodeDeploymentViewInstallList(3,21)", "query err", "query result err"},
        Failure{"call coustim_proxyViewlistinfo(21,7)", "query err", "query result err"},
        Failure{"call coustim_stubViewlistinfo(21,7)", "query err", "query result err"},
        Failure{"call domainMethodInfo(50, 'method')", "query error", "query result err"},
        Failure{"call methodViewMethodList(5, 'method','ALL',null, '%%')", "query error", "query result err"},
        Failure{"call interfaceViewInterfaceList(5, 'method','%%')", "query error", "query result err"},
        Failure{"call interfaceViewMemberMethodList(5, 'method','o\\'clock')", "query_err", "query result err"},
        Failure{"call domainDataInfo(100, 'data')", "query error", "query result error"},
        Failure{"call metadataViewMetadataList(9, '%%', 'data')", "query err", nullptr},
        Failure{"call metadataViewMetafieldList(10, 'pos', 'data')", "query err", "query result err"},
        // A path lookup that fails only shortens the path.
        Failure{"call domain_table_Info(1, 'system')", nullptr, nullptr}));

// A domain that the rows refer to and that the server refuses to the account (a colleague made it private after
// the reference was made) ends the run with a text that names it, by the name the referring row gives, and the
// server's reason; the domain a run starts from keeps the list's text.
TEST(DomainExport, AReferencedDomainTheAccountMayNotReadIsNamed) {
    const std::string reason = "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다.";
    const struct {
        const char* call;
        bool system;  // quorrin on plant (3), else pelvane on child (10)
        std::string error;
    } cases[] = {
        {"call systemDomainPortViewList(4)", true, "참조하는 시스템 도메인 line(id 4)을(를) 읽을 수 없습니다: " + reason},
        {"call domainMethodInfo(50, 'method')", true, "참조하는 메서드 도메인 ops2(id 50)을(를) 읽을 수 없습니다: " + reason},
        {"call domainDataInfo(100, 'data')", true, "참조하는 데이타 도메인 other(id 100)을(를) 읽을 수 없습니다: " + reason},
        {"call domainDataInfo(9, 'data')", false, "참조하는 데이타 도메인 top(id 9)을(를) 읽을 수 없습니다: " + reason},
        {"call domainDataInfo(10, 'data')", false, "query error"},
        {"call systemDomainPortViewList(3)", true, "query err"},
    };
    for (const auto& c : cases) {
        Design db(DataFields::structures_and_enumerations);
        db.refusing[c.call] = reason;
        ScratchFolder folder;
        EXPECT_EQ(ErrorOf([&] {
                      if (c.system) db.export_system_domain("3", folder.file("out.xml"));
                      else db.export_data_domain("10", folder.file("out.xml"));
                  }),
                  c.error)
            << c.call;
        EXPECT_FALSE(FileExists(folder.file("out.xml"))) << c.call;
    }
}

TEST(DomainExport, UnknownIdsEndTheRunOrArePassedOver) {
    ScratchFolder folder;
    Design system(DataFields::structures_only);
    system.answers["call domainViewDomainInfo(3, 'system')"] = Answer({"a.name"}, {});
    EXPECT_EQ(ErrorOf([&] { system.export_system_domain("3", folder.file("out.xml")); }), "system don't exist");
    EXPECT_FALSE(FileExists(folder.file("out.xml")));

    // So does the data domain a run starts from: without it there is nothing to write.
    Design data(DataFields::structures_and_enumerations);
    EXPECT_EQ(ErrorOf([&] { data.export_data_domain("77", folder.file("out.xml")); }), "data domain don't exist");
    EXPECT_FALSE(FileExists(folder.file("out.xml")));
}

TEST(DomainExport, AnIdThatIsNoNumberIsRefusedBeforeAnyStatement) {
    for (const char* id : {"1 or 1=1", "", "3)", "(null)"}) {
        Design db(DataFields::structures_only);
        ScratchFolder folder;
        EXPECT_EQ(ErrorOf([&] { db.export_system_domain(id, folder.file("out.xml")); }), "query err") << id;
        EXPECT_TRUE(db.calls.empty()) << id;
    }
}

}  // namespace
