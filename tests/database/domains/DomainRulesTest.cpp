// What the accounts-and-domains procedures refuse, with the Korean reason after the status 0, and what
// their changes leave behind.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "DomainTestSupport.h"

namespace tamo::testing {
namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("domain_rules", true); }

std::string Database() { return "t_domain_rules_sample"; }

struct RefusalCase {
    const char* account;  // nullptr: a session whose password is wrong
    const char* call;
    const char* message;
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << (c.account ? c.account : "-") << ": " << c.call; }

class Refusals : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(Refusals, AnswerStatusZeroAndTheReason) {
    const RefusalCase& c = GetParam();
    TestConnection db(Sample());
    if (c.account) {
        LoginAs(db, c.account);
    } else {
        ASSERT_FALSE(db.Login("admin", "wrong"));
    }
    EXPECT_TRUE(Refused(db.Run(c.call), c.message)) << c.call;
}

// Sample ids: data 1 Nav, 2 Pos (under Nav), 3 기본형, 4 센서 (under Pos), 5 Secret (private); method
// 6 NavService, 7 위치서비스 (under 6); system 9 Ship, 10 조타실 (under 9). Links: Pos -> 기본형, 센서 -> Pos.
INSTANTIATE_TEST_SUITE_P(
    SampleDesign, Refusals,
    ::testing::Values(
        RefusalCase{nullptr, "call mainViewDomainAllList('%%','data')", "로그인 정보가 올바르지 않습니다."},
        RefusalCase{nullptr, "call acountViewUserinfo()", "로그인 정보가 올바르지 않습니다."},
        // Duplicates
        RefusalCase{"admin", "call domainViewNewDomain('data',0,'Nav', 0,'1','')", "같은 경로에 같은 이름의 도메인이 이미 있습니다."},
        RefusalCase{"admin", "call domainViewNewDomain('data', 1,'Pos', 0, '1','')", "같은 경로에 같은 이름의 도메인이 이미 있습니다."},
        RefusalCase{"admin", "call domainViewEditDomain(3,'data','Nav', 0,'1','')", "같은 경로에 같은 이름의 도메인이 이미 있습니다."},
        RefusalCase{"admin", "call acountlistViewNewAcount('user','x','')", "같은 이름의 계정이 이미 있습니다."},
        RefusalCase{"user", "call userViewJoinDomain(1,'data')", "이미 가입했거나 가입을 신청한 도메인입니다."},
        // Cycles
        RefusalCase{"admin", "call domainViewEditUpperIDDomain(1, 4,'data')", "자신의 하위 도메인 아래로 옮길 수 없습니다."},
        RefusalCase{"admin", "call domainViewEditUpperIDDomain(9, 9,'system')", "자신의 하위 도메인 아래로 옮길 수 없습니다."},
        RefusalCase{"admin", "call domainViewNewParentDomain(3,'data', 2, 0)", "부모 도메인 관계가 순환하게 되어"},
        RefusalCase{"admin", "call domainViewNewParentDomain(3,'data', 4, 0)", "부모 도메인 관계가 순환하게 되어"},
        RefusalCase{"admin", "call domainViewNewParentDomain(2,'data', 2, 0)", "도메인 자신을 부모 도메인으로 정할 수 없습니다."},
        // Kinds, names, ports and missing rows
        RefusalCase{"admin", "call domainViewNewDomain('table',0,'x', 0,'1','')", "도메인 종류는 data, method, system"},
        RefusalCase{"admin", "call domainViewNewDomain('data',6,'x', 0,'1','')", "상위 도메인의 종류가 다릅니다."},
        RefusalCase{"admin", "call domainViewNewDomain('data',99999,'x', 0,'1','')", "상위 도메인이 없습니다."},
        RefusalCase{"admin", "call domainViewEditUpperIDDomain(2, 6,'data')", "상위 도메인의 종류가 다릅니다."},
        RefusalCase{"admin", "call domainViewNewParentDomain(2,'data', 6, 0)", "종류가 맞지 않아 연결할 수 없습니다."},
        RefusalCase{"admin", "call domainViewNewParentDomain(6,'data', 7, 1)", "종류가 맞지 않아 연결할 수 없습니다."},
        RefusalCase{"admin", "call domainViewNewParentDomain(2,'data', 99999, 0)", "부모 도메인이 없습니다."},
        RefusalCase{"admin", "call domainViewNewDomain('data',0,'', 0,'1','')", "도메인 이름을 입력하세요."},
        RefusalCase{"admin", "call domainViewNewDomain('data',0,'  ', 0,'1','')", "도메인 이름을 입력하세요."},
        RefusalCase{"admin", "call domainViewNewDomain('data',0,'a\\\\b', 0,'1','')", "도메인 이름에는"},
        RefusalCase{"admin", "call domainViewNewDomain('data',0,'a/b', 0,'1','')", "도메인 이름에는"},
        RefusalCase{"admin", "call domainViewNewDomain('method', 0,'포트', 70000, '1','')", "표준 포트는 0부터 65535까지입니다."},
        RefusalCase{"admin", "call domainViewEditDomain(6,'method','NavService', -1,'1','')", "표준 포트는 0부터 65535까지입니다."},
        RefusalCase{"admin", "call domainViewDeleteDomain(99999,'data')", "도메인이 없습니다."},
        RefusalCase{"admin", "call domainViewDeleteDomain(6,'data')", "도메인의 종류가 다릅니다."},
        RefusalCase{"admin", "call userViewEditDomainUserGuest(3, 'data','user')", "도메인에 가입하지 않은 사용자입니다."},
        RefusalCase{"user", "call userViewSecessionDomain(3,'data')", "가입하지 않은 도메인입니다."},
        RefusalCase{"user", "call userViewJoinDomain(6,'data')", "도메인이 없습니다."},
        RefusalCase{"user", "call domainAccountViewJoinPrivateDomain('없는도메인',0,'data')", "경로에 없는 도메인입니다: 없는도메인"},
        RefusalCase{"user", "call domainAccountViewJoinPrivateDomain('Pos',0,'data')", "경로에 없는 도메인입니다: Pos"},
        // A name no domain can have is refused whole, not answered cut short.
        RefusalCase{"user", "call domainAccountViewJoinPrivateDomain('가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가가',0,'data')", "도메인 이름은 128자까지 쓸 수 있습니다."},
        // Accounts
        RefusalCase{"admin", "call acountlistViewNewAcount('','x','')", "계정 이름이 비어 있습니다."},
        RefusalCase{"admin", "call acountlistViewDeleteAcount('admin')", "자신의 계정은 삭제할 수 없습니다."},
        RefusalCase{"admin", "call acountlistViewToggleSupermanager('admin')", "자신의 관리자 권한은 바꿀 수 없습니다."},
        RefusalCase{"admin", "call acountlistViewDeleteAcount('nobody')", "계정이 없습니다."},
        RefusalCase{"admin", "call acountlistViewToggleNewDomain('admin')", "관리자 계정은 변경할 수 없습니다."},
        RefusalCase{"user", "call acountViewEditAcount('wrong','new','')", "이전 비밀번호가 맞지 않습니다."},
        RefusalCase{"user", "call acountViewEditAcount('user','','')", "새 비밀번호가 비어 있습니다."}));

// The domains' rows as admin sees them: name -> (id, parent).
std::map<std::string, std::pair<std::string, std::string>> DomainsOf(TestConnection& db, const std::string& kind) {
    std::map<std::string, std::pair<std::string, std::string>> domains;
    RunResult run = db.Run("call mainViewDomainAllList('%%','" + kind + "')");
    EXPECT_TRUE(Succeeded(run));
    if (run.sets.size() == 2)
        for (const auto& row : run.sets[1].rows) domains[row[1].value_or("")] = {row[0].value_or(""), row[2].value_or("")};
    return domains;
}

int CreateDomain(TestConnection& db, const std::string& kind, int upper, const std::string& name,
                 const char* isPublic = "1") {
    RunResult run = db.Run("call domainViewNewDomain('" + kind + "'," + std::to_string(upper) + ",'" + db.Escape(name) +
                           "', 0,'" + isPublic + "','')");
    EXPECT_TRUE(Succeeded(run)) << name << ": " << run.error;
    return NewDomainId(run);
}

TEST(DomainRules, DeletingADomainTakesItsSubDomainsMembersAndLinks) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    const int top = CreateDomain(db, "data", 0, "삭제시험");
    const int child = CreateDomain(db, "data", top, "삭제_하위");
    const int grandchild = CreateDomain(db, "data", child, "삭제_손자");
    ASSERT_TRUE(Succeeded(db.Run("call domainViewNewParentDomain(" + std::to_string(child) + ",'data', 3, 0)")));
    ASSERT_TRUE(Succeeded(db.Run("call domainViewNewParentDomain(3,'data', " + std::to_string(grandchild) + ", 0)")));

    ASSERT_TRUE(Succeeded(db.Run("call domainViewDeleteDomain(" + std::to_string(top) + ",'data')")));

    const auto domains = DomainsOf(db, "data");
    for (const char* name : {"삭제시험", "삭제_하위", "삭제_손자"}) EXPECT_EQ(domains.count(name), 0u) << name;
    EXPECT_EQ(domains.count("Nav"), 1u);
    const std::string ids = std::to_string(top) + "," + std::to_string(child) + "," + std::to_string(grandchild);
    EXPECT_EQ(TestDatabase::AdminQuery(Database(), "SELECT COUNT(*) FROM domain_member WHERE domain_id IN (" + ids + ")"),
              "0\n");
    EXPECT_EQ(TestDatabase::AdminQuery(Database(), "SELECT COUNT(*) FROM domain_parent WHERE domain_id IN (" + ids +
                                                       ") OR parent_id IN (" + ids + ")"),
              "0\n");
}

TEST(DomainRules, DataUsedFromAnotherDomainKeepsItsDomain) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    const int data = CreateDomain(db, "data", 0, "사용중_데이타");
    const int child = CreateDomain(db, "data", data, "사용중_하위");
    RunResult method = db.Run("call domainViewNewDomain('method', 0,'사용하는_메서드', 0, '1','')");
    const int methods = NewDomainId(method);
    ASSERT_GT(methods, 0) << method.error;
    const std::string childId = std::to_string(child);
    ASSERT_TRUE(Succeeded(db.Run("call metadataViewNewMetadata(" + childId + ",'Speed','int32_t',0,'','','')")));
    ASSERT_TRUE(Succeeded(db.Run("call methodViewNewMethod(" + std::to_string(methods) + ",'SIGNAL','1','setSpeed'," +
                                 childId + ",'Speed',0,'','')")));

    EXPECT_TRUE(Refused(db.Run("call domainViewDeleteDomain(" + std::to_string(data) + ",'data')"),
                        "사용하고 있어 삭제할 수 없습니다. 사용하는 곳: 메서드 setSpeed"));
    EXPECT_EQ(DomainsOf(db, "data").count("사용중_하위"), 1u);

    ASSERT_TRUE(Succeeded(db.Run("call methodViewDeleteMethod(" + std::to_string(methods) + ",'setSpeed')")));
    EXPECT_TRUE(Succeeded(db.Run("call domainViewDeleteDomain(" + std::to_string(data) + ",'data')")));
    EXPECT_EQ(DomainsOf(db, "data").count("사용중_하위"), 0u);
}

// Content that another table's foreign key holds on to: a component class bound to an interface.
TEST(DomainRules, AnInterfaceBoundToAComponentKeepsItsMethodDomain) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    const int methods = CreateDomain(db, "method", 0, "묶인_서비스");
    const int system = CreateDomain(db, "system", 0, "묶는 시스템");
    ASSERT_TRUE(Succeeded(db.Run("call interfaceViewNewInterface('" + std::to_string(methods) + "','method','IBound','')")));
    RunResult component = db.Run("call componentsNewcomponent(" + std::to_string(system) + ",'Binder','')");
    ASSERT_TRUE(Succeeded(component)) << component.error;
    ASSERT_TRUE(Succeeded(db.Run("call proxyInterfaceRalationViewNewInterface(" + CellText(component, 1, 0, 0) + ", " +
                                 std::to_string(methods) + ",'IBound','BoundProxy')")));

    EXPECT_TRUE(Refused(db.Run("call domainViewDeleteDomain(" + std::to_string(methods) + ",'method')"),
                        "다른 곳에서 사용하고 있어"));
    EXPECT_EQ(DomainsOf(db, "method").count("묶인_서비스"), 1u);
    RunResult interfaces = db.Run("call interfaceViewInterfaceList('" + std::to_string(methods) + "','method','%')");
    ASSERT_TRUE(Succeeded(interfaces));
    EXPECT_EQ(interfaces.sets[1].rows.size(), 1u);

    // Deleting the system domain takes the component and its class, and frees the method domain.
    ASSERT_TRUE(Succeeded(db.Run("call domainViewDeleteDomain(" + std::to_string(system) + ",'system')")));
    EXPECT_TRUE(Succeeded(db.Run("call domainViewDeleteDomain(" + std::to_string(methods) + ",'method')")));
}

// A parent system locks the sub-system domain its sub-system node stands for.
TEST(DomainRules, ALockedSubSystemKeepsItsDomain) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    const int parent = CreateDomain(db, "system", 0, "잠그는 시스템");
    const int sub = CreateDomain(db, "system", 0, "잠긴 시스템");
    const int inner = CreateDomain(db, "system", sub, "잠긴 하위");
    RunResult made = db.Run("call nodeNewNodes(" + std::to_string(parent) + ",'잠금 노드','sub_system',''," +
                            std::to_string(inner) + ")");
    ASSERT_TRUE(Succeeded(made)) << made.error;
    RunResult lock = db.Run("call NodeViewEditNode(" + CellText(made, 1, 0, 0) + ", " + std::to_string(parent) +
                            ",'잠금 노드','sub_system',''," + std::to_string(inner) + ", 1)");
    ASSERT_TRUE(Succeeded(lock)) << lock.error;
    for (int locked : {sub, inner}) {
        EXPECT_TRUE(Refused(db.Run("call domainViewDeleteDomain(" + std::to_string(locked) + ",'system')"),
                            "상위 시스템의 Subsystem Node가 Lock 상태여서 삭제할 수 없습니다."));
    }
    EXPECT_EQ(DomainsOf(db, "system").count("잠긴 하위"), 1u);

    // A subtree that holds the locking node as well goes as a whole.
    ASSERT_TRUE(Succeeded(db.Run("call domainViewEditUpperIDDomain(" + std::to_string(sub) + ", " +
                                 std::to_string(parent) + ",'system')")));
    EXPECT_TRUE(Succeeded(db.Run("call domainViewDeleteDomain(" + std::to_string(parent) + ",'system')")));
    EXPECT_EQ(DomainsOf(db, "system").count("잠긴 하위"), 0u);

    // Unlocked, a sub-system domain may go; its node then stands for no domain.
    const int other = CreateDomain(db, "system", 0, "풀린 시스템");
    const int freed = CreateDomain(db, "system", 0, "풀린 하위");
    ASSERT_TRUE(Succeeded(db.Run("call nodeNewNodes(" + std::to_string(other) + ",'풀린 노드','sensor',''," +
                                 std::to_string(freed) + ")")));
    EXPECT_TRUE(Succeeded(db.Run("call domainViewDeleteDomain(" + std::to_string(freed) + ",'system')")));
    RunResult nodes = db.Run("call nodeViewList(" + std::to_string(other) + ")");
    ASSERT_TRUE(Succeeded(nodes));
    ASSERT_EQ(nodes.sets[1].rows.size(), 1u);
    const std::string standsFor = CellText(nodes, 1, 0, 5);
    EXPECT_TRUE(standsFor == "<NULL>" || standsFor == "0") << standsFor;
}

TEST(DomainRules, AMoveReparentsTheDomainAndItsPathFollows) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    const int moved = CreateDomain(db, "system", 9, "이동시험");
    const int below = CreateDomain(db, "system", moved, "이동 하위");
    auto path = [&](int id) { return CellText(db.Run("call get_domain_path(" + std::to_string(id) + ",'system')"), 1, 0, 0); };
    EXPECT_EQ(path(below), "Ship\\이동시험\\이동 하위\\");

    ASSERT_TRUE(Succeeded(db.Run("call domainViewEditUpperIDDomain(" + std::to_string(moved) + ", 12,'system')")));
    EXPECT_EQ(path(below), "Operator's Console\\이동시험\\이동 하위\\");
    EXPECT_TRUE(Refused(db.Run("call domainViewEditUpperIDDomain(12, " + std::to_string(below) + ",'system')"),
                        "자신의 하위 도메인 아래로 옮길 수 없습니다."));
    ASSERT_TRUE(Succeeded(db.Run("call domainViewEditUpperIDDomain(" + std::to_string(moved) + ", 0,'system')")));
    EXPECT_EQ(path(below), "이동시험\\이동 하위\\");
    EXPECT_EQ(path(moved), "이동시험\\");
}

TEST(DomainRules, PathsAndTreeListsFollowTheSampleTree) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    EXPECT_EQ(CellText(db.Run("call get_domain_path(4,'data')"), 1, 0, 0), "Nav\\Pos\\센서\\");
    EXPECT_EQ(CellText(db.Run("call get_domain_path(2,'data')"), 1, 0, 0), "Nav\\Pos\\");
    EXPECT_EQ(CellText(db.Run("call get_domain_path(1,'data')"), 1, 0, 0), "Nav\\");
    EXPECT_EQ(CellText(db.Run("call get_domain_path(7,'method')"), 1, 0, 0), "NavService\\위치서비스\\");

    // Below Nav: the whole subtree, each row with its parent (column 2).
    RunResult below = db.Run("call mainViewDomainList(1,'data')");
    ASSERT_TRUE(Succeeded(below));
    ASSERT_EQ(below.sets[1].rows.size(), 2u);
    EXPECT_EQ(CellText(below, 1, 0, 1), "Pos");
    EXPECT_EQ(CellText(below, 1, 0, 2), "1");
    EXPECT_EQ(CellText(below, 1, 1, 1), "센서");
    EXPECT_EQ(CellText(below, 1, 1, 2), "2");

    RunResult parents = db.Run("call inheritance_data_dataViewDomainList(4)");
    ASSERT_TRUE(Succeeded(parents));
    ASSERT_EQ(parents.sets[1].rows.size(), 1u);
    EXPECT_EQ(CellText(parents, 1, 0, 2), "Pos");
    RunResult used = db.Run("call inheritance_method_dataViewDomainList(7)");
    ASSERT_TRUE(Succeeded(used));
    ASSERT_EQ(used.sets[1].rows.size(), 2u);
    EXPECT_EQ(CellText(used, 1, 0, 2), "Pos");
    EXPECT_EQ(CellText(used, 1, 1, 2), "기본형");
    RunResult methodParents = db.Run("call inheritance_method_methodViewDomainList(7)");
    ASSERT_TRUE(Succeeded(methodParents));
    ASSERT_FALSE(methodParents.sets[1].rows.empty());
    EXPECT_EQ(CellText(methodParents, 1, 0, 2), "NavService");
}

TEST(DomainRules, PrivateDomainsAreReachedThroughTheirPathAndOpenToMembersOnly) {
    TestConnection admin(Sample());
    LoginAs(admin, "admin");
    ASSERT_TRUE(Succeeded(admin.Run("call acountlistViewNewAcount('joiner','joiner','가입 시험')")));
    const int outer = CreateDomain(admin, "method", 0, "숨은_서비스", "0");
    const int inner = CreateDomain(admin, "method", outer, "안쪽", "0");

    TestConnection joiner(Sample());
    LoginAs(joiner, "joiner");
    EXPECT_EQ(DomainsOf(joiner, "method").count("숨은_서비스"), 0u);
    RunResult first = joiner.Run("call domainAccountViewJoinPrivateDomain('숨은_서비스',0,'method')");
    ASSERT_TRUE(Succeeded(first));
    EXPECT_EQ(CellText(first, 1, 0, 0), std::to_string(outer));
    RunResult second = joiner.Run("call domainAccountViewJoinPrivateDomain('안쪽'," + std::to_string(outer) + ",'method')");
    ASSERT_TRUE(Succeeded(second));
    EXPECT_EQ(CellText(second, 1, 0, 0), std::to_string(inner));

    // An applicant still reads nothing; the manager sees the application and admits it.
    EXPECT_TRUE(Refused(joiner.Run("call domainMethodInfo(" + std::to_string(outer) + ",'method')"), "비공개 도메인입니다."));
    RunResult members = admin.Run("call userViewUserList(" + std::to_string(outer) + ",'method','%joi%','all')");
    ASSERT_TRUE(Succeeded(members));
    ASSERT_EQ(members.sets[1].rows.size(), 1u);
    EXPECT_EQ(CellText(members, 1, 0, 1), "applicant");
    EXPECT_EQ(CellText(members, 1, 0, 2), "가입 시험");
    ASSERT_TRUE(Succeeded(admin.Run("call userViewEditDomainUserGuest(" + std::to_string(outer) + ", 'method','joiner')")));

    EXPECT_TRUE(Succeeded(joiner.Run("call domainMethodInfo(" + std::to_string(outer) + ",'method')")));
    EXPECT_EQ(DomainsOf(joiner, "method").count("숨은_서비스"), 1u);
    EXPECT_EQ(DomainsOf(joiner, "method").count("안쪽"), 0u);
}

TEST(DomainRules, TheCreatorManagesTheNewDomain) {
    TestConnection db(Sample());
    LoginAs(db, "kim");
    const int id = CreateDomain(db, "data", 0, "김의_도메인");
    ASSERT_GT(id, 0);
    RunResult members = db.Run("call userViewUserList(" + std::to_string(id) + ",'data','%%','manager')");
    ASSERT_TRUE(Succeeded(members));
    ASSERT_EQ(members.sets[1].rows.size(), 1u);
    EXPECT_EQ(CellText(members, 1, 0, 0), "kim");
    EXPECT_TRUE(Succeeded(db.Run("call domainViewEditDomain(" + std::to_string(id) + ",'data','김의_도메인', 0,'0','비공개로')")));
    RunResult info = db.Run("call domainDataInfo(" + std::to_string(id) + ",'data')");
    EXPECT_EQ(CellText(info, 1, 0, 3), "kim");
    EXPECT_EQ(CellText(info, 1, 0, 4), "0");
    EXPECT_EQ(CellText(info, 1, 0, 7), "비공개로");
}

TEST(DomainRules, APasswordChangeKeepsTheSessionWorking) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    ASSERT_TRUE(Succeeded(db.Run("call acountlistViewNewAcount('changer','changer','')")));
    LoginAs(db, "changer");
    ASSERT_TRUE(Succeeded(db.Run("call acountViewEditAcount('changer','새 비밀번호','바뀐 설명')")));
    RunResult own = db.Run("call acountInfoAccessUser()");
    ASSERT_TRUE(Succeeded(own));
    EXPECT_EQ(CellText(own, 1, 0, 4), "바뀐 설명");
    EXPECT_FALSE(db.Login("changer", "changer"));
    EXPECT_TRUE(db.Login("changer", "새 비밀번호"));
}

TEST(DomainRules, SearchesMatchNameBeginningsInReadableDomains) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    const int domain = CreateDomain(db, "data", CreateDomain(db, "data", 0, "찾기_상위"), "검색시험");
    ASSERT_TRUE(Succeeded(db.Run("call metadataViewNewMetadata(" + std::to_string(domain) + ",'검색항목','struct',0,'','','')")));
    ASSERT_TRUE(Succeeded(db.Run("call metadataViewNewMetadata(" + std::to_string(domain) + ",'항목_검색','int8_t',0,'','','')")));

    RunResult hits = db.Run("call select_search_data_name('검색')");
    ASSERT_TRUE(Succeeded(hits));
    ASSERT_EQ(hits.sets[1].rows.size(), 2u);
    EXPECT_EQ(CellText(hits, 1, 0, 1), "domain");
    EXPECT_EQ(CellText(hits, 1, 0, 2), "검색시험");
    EXPECT_EQ(CellText(hits, 1, 0, 3), "찾기_상위\\검색시험\\");
    EXPECT_EQ(CellText(hits, 1, 1, 1), "struct");
    EXPECT_EQ(CellText(hits, 1, 1, 2), "검색항목");
    EXPECT_EQ(CellText(hits, 1, 1, 3), "찾기_상위\\검색시험\\");

    // Wildcards are plain characters, an empty word finds nothing, private domains stay hidden.
    for (const char* word : {"%", "_", ""}) {
        RunResult none = db.Run(std::string("call select_search_data_name('") + word + "')");
        ASSERT_TRUE(Succeeded(none));
        EXPECT_TRUE(none.sets[1].rows.empty()) << word;
    }
    RunResult secret = db.Run("call select_search_data_name('Secr')");
    EXPECT_EQ(CellText(secret, 1, 0, 2), "Secret");
    LoginAs(db, "user");
    secret = db.Run("call select_search_data_name('Secr')");
    ASSERT_TRUE(Succeeded(secret));
    for (const auto& row : secret.sets[1].rows) EXPECT_NE(row[3].value_or("").rfind("Secret\\", 0), 0u);
    RunResult bridge = db.Run("call select_search_system_name('조타')");
    ASSERT_TRUE(Succeeded(bridge));
    ASSERT_FALSE(bridge.sets[1].rows.empty());
    EXPECT_EQ(CellText(bridge, 1, 0, 3), "Ship\\조타실\\");

    // In the system tree nodes and components sit in their domain's folders.
    LoginAs(db, "admin");
    const int system = CreateDomain(db, "system", 0, "찾는 시스템");
    ASSERT_TRUE(Succeeded(db.Run("call nodeNewNodes(" + std::to_string(system) + ",'찾는 노드','computer','', 0)")));
    ASSERT_TRUE(Succeeded(db.Run("call componentsNewcomponent(" + std::to_string(system) + ",'찾는 부품','')")));
    RunResult hits2 = db.Run("call select_search_system_name('찾는')");
    ASSERT_TRUE(Succeeded(hits2));
    ASSERT_EQ(hits2.sets[1].rows.size(), 3u);
    EXPECT_EQ(CellText(hits2, 1, 0, 1), "domain");
    EXPECT_EQ(CellText(hits2, 1, 0, 3), "찾는 시스템\\");
    EXPECT_EQ(CellText(hits2, 1, 1, 1), "computer");
    EXPECT_EQ(CellText(hits2, 1, 1, 2), "찾는 노드");
    EXPECT_EQ(CellText(hits2, 1, 1, 3), "찾는 시스템\\Nodes\\");
    EXPECT_EQ(CellText(hits2, 1, 2, 1), "component");
    EXPECT_EQ(CellText(hits2, 1, 2, 3), "찾는 시스템\\Components\\");
}

TEST(DomainRules, StandardPortCheckListsTheProtocolsOfThatPortOnly) {
    TestConnection db(Sample());
    LoginAs(db, "user");
    RunResult http = db.Run("call standard_portViewCheckPort('80/%')");
    ASSERT_TRUE(Succeeded(http));
    ASSERT_FALSE(http.sets[1].rows.empty());
    for (const auto& row : http.sets[1].rows) {
        EXPECT_EQ(row[0].value_or(""), "1");
        EXPECT_EQ(row[1].value_or("").rfind("80/", 0), 0u) << row[1].value_or("");
    }
    EXPECT_EQ(CellText(http, 1, 0, 2), "http");
    RunResult free = db.Run("call standard_portViewCheckPort('10003/%')");
    ASSERT_TRUE(Succeeded(free));
    EXPECT_TRUE(free.sets[1].rows.empty());
}

// Inside a caller's transaction (the document import wraps its run in one) a procedure neither commits nor
// loses the caller's earlier work when it refuses.
TEST(DomainRules, ChangesInsideACallersTransactionCommitNothing) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    ASSERT_TRUE(db.Run("START TRANSACTION").ok);
    const int first = CreateDomain(db, "data", 0, "트랜잭션_시험");
    ASSERT_GT(first, 0);
    EXPECT_TRUE(Refused(db.Run("call domainViewNewDomain('data',0,'트랜잭션_시험', 0,'1','')"), "이미 있습니다"));
    ASSERT_TRUE(Succeeded(db.Run("call domainViewEditDomain(" + std::to_string(first) + ",'data','트랜잭션_시험', 0,'1','그 사이의 변경')")));
    EXPECT_TRUE(Refused(db.Run("call domainViewNewDomain('data',0,'Nav', 0,'1','')"), "이미 있습니다"));
    EXPECT_TRUE(Refused(db.Run("call domainViewDeleteDomain(99999,'data')"), "도메인이 없습니다."));
    EXPECT_EQ(CellText(db.Run("call domainDataInfo(" + std::to_string(first) + ",'data')"), 1, 0, 7), "그 사이의 변경");
    EXPECT_EQ(DomainsOf(db, "data").count("트랜잭션_시험"), 1u);
    ASSERT_TRUE(db.Run("ROLLBACK").ok);
    EXPECT_EQ(DomainsOf(db, "data").count("트랜잭션_시험"), 0u);
    EXPECT_EQ(TestDatabase::AdminQuery(Database(), "SELECT COUNT(*) FROM domain WHERE name = '트랜잭션_시험'"), "0\n");
}

}  // namespace
}  // namespace tamo::testing
