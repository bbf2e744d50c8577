// The shape of every answer of the accounts-and-domains procedures, against the sample design: the number of
// result sets, the status, the column count, and the keys that the exporters read.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "DomainTestSupport.h"

namespace tamo::testing {
namespace {

ConnectionValues Sample() { return TestDatabase::Prepare("domain_contract", true); }

struct ReaderCase {
    const char* call;
    size_t columns;               // of the data set
    int rows;                     // -1: not checked
    std::vector<std::string> keys;  // keys the exporters read (empty: read by position only)
};

void PrintTo(const ReaderCase& c, std::ostream* os) { *os << c.call; }

class Readers : public ::testing::TestWithParam<ReaderCase> {};

TEST_P(Readers, AnswerTheStatusThenExactlyOneDataSet) {
    const ReaderCase& c = GetParam();
    TestConnection db(Sample());
    LoginAs(db, "admin");
    RunResult run = db.Run(c.call);
    ASSERT_TRUE(Succeeded(run)) << c.call;
    ASSERT_EQ(run.sets.size(), 2u) << c.call;
    EXPECT_EQ(run.sets[1].keys.size(), c.columns) << c.call;
    if (c.rows >= 0) {
        EXPECT_EQ(run.sets[1].rows.size(), static_cast<size_t>(c.rows)) << c.call;
    }
    for (const std::string& key : c.keys) {
        EXPECT_NE(std::find(run.sets[1].keys.begin(), run.sets[1].keys.end(), key), run.sets[1].keys.end())
            << c.call << " lacks the key " << key;
    }
}

const std::vector<std::string> kDataDomainKeys = {
    "domain_data.id",     "domain_data.upper_id",    "domain_data.name",        "domain_data.user_id",
    "domain_data.public", "domain_data.create_date", "domain_data.last_update", "domain_data.description"};
const std::vector<std::string> kMethodDomainKeys = {
    "domain_method.id",          "domain_method.upper_id",    "domain_method.name",
    "domain_method.user_id",     "domain_method.public",      "domain_method.standard_port",
    "domain_method.create_date", "domain_method.last_update", "domain_method.description"};

INSTANTIATE_TEST_SUITE_P(
    SampleDesign, Readers,
    ::testing::Values(
        ReaderCase{"call acountlistViewAcountList('%%')", 5, 4, {}},
        ReaderCase{"call acountlistViewAcountList('%ki%')", 5, 1, {}},
        ReaderCase{"call acountInfoAccessUser()", 5, 1, {}},
        ReaderCase{"call acountViewUserinfo()", 5, 1, {}},
        ReaderCase{"call userViewUserList(1,'data','%%','all')", 3, 3, {}},
        ReaderCase{"call userViewUserList(1, 'data','%%','manager')", 3, 2, {}},
        ReaderCase{"call userViewUserList(5,'data','%%','all')", 3, 3, {}},
        ReaderCase{"call select_search_data_name('Pos')", 4, -1, {}},
        ReaderCase{"call select_search_method_name('Nav')", 4, -1, {}},
        ReaderCase{"call select_search_system_name('조타')", 4, -1, {}},
        ReaderCase{"call mainViewDomainAllList('%%','data')", 9, 5, {}},
        ReaderCase{"call mainViewDomainAllList('%%','method')", 9, 3, {}},
        ReaderCase{"call mainViewDomainAllList('%%','system')", 9, -1, {}},
        ReaderCase{"call mainViewDomainAllList('%%','nothing')", 9, 0, {}},
        ReaderCase{"call mainViewDomainList('0','data')", 9, 5, {}},
        ReaderCase{"call mainViewDomainList(1, 'data')", 9, 2, {}},
        ReaderCase{"call mainViewDomainList(9,'system')", 9, -1, {}},
        ReaderCase{"call mainViewDomainList(12345,'system')", 9, 0, {}},
        ReaderCase{"call domainDataInfo(2, 'data')", 8, 1, kDataDomainKeys},
        ReaderCase{"call domainDataInfo(0,'data')", 8, 0, {}},
        ReaderCase{"call domainDataInfo(NULL,'data')", 8, 0, {}},
        ReaderCase{"call domainDataInfo(6,'data')", 8, 0, {}},
        ReaderCase{"call domainMethodInfo(6, 'method')", 9, 1, kMethodDomainKeys},
        ReaderCase{"call domainMethodInfo(12345,'method')", 9, 0, {}},
        ReaderCase{"call domainMethodInfo(2,'data')", 8, 1, kDataDomainKeys},
        ReaderCase{"call inheritance_data_dataViewDomainList(2)", 8, 1, {}},
        ReaderCase{"call inheritance_method_dataViewDomainList(6)", 8, 2, {}},
        ReaderCase{"call inheritance_method_methodViewDomainList(7)", 8, -1, {}},
        ReaderCase{"call get_domain_path(4,'data')", 1, 1, {}},
        ReaderCase{"call get_domain_path(0,'data')", 1, 0, {}},
        ReaderCase{"call domainviewCheckOverlapDomainName(0, 0,'Nav', 'data')", 3, 1, {}},
        ReaderCase{"call domainviewCheckOverlapDomainName(1, 0,'Nav', 'data')", 3, 0, {}},
        ReaderCase{"call standard_portViewCheckPort('80/%')", 4, -1, {}},
        ReaderCase{"call standard_portViewCheckPort('10000/%')", 4, 0, {}},
        ReaderCase{"call domain_table_Info(2, 'data')", 3, 1, {"domain_data.upper_id", "domain_data.name"}},
        ReaderCase{"call domain_table_Info(7, 'method')", 3, 1, {"domain_method.upper_id", "domain_method.name"}},
        ReaderCase{"call domain_table_Info(10, 'system')", 3, 1, {"domain_system.upper_id", "domain_system.name"}},
        ReaderCase{"call domainViewDomainInfo(9, 'system')", 8, 1,
                   {"a.name", "u.user_id", "a.description", "a.create_date", "a.last_update"}},
        ReaderCase{"call domainViewDomainInfo(12345, 'system')", 8, 0, {}}));

TEST(DomainContract, TheLoginAnswersOneStatusSetOnly) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    RunResult run = db.Run("call loginResult()");
    ASSERT_TRUE(Succeeded(run));
    EXPECT_EQ(run.sets.size(), 1u);
}

TEST(DomainContract, ExporterReadsKeepTheEditorsColumnPositions) {
    TestConnection db(Sample());
    LoginAs(db, "admin");
    RunResult data = db.Run("call domainDataInfo(2,'data')");
    ASSERT_TRUE(Succeeded(data));
    EXPECT_EQ(data.sets[1].keys, kDataDomainKeys);
    EXPECT_EQ(CellText(data, 1, 0, 1), "1");
    EXPECT_EQ(CellText(data, 1, 0, 2), "Pos");
    RunResult method = db.Run("call domainMethodInfo(6,'method')");
    ASSERT_TRUE(Succeeded(method));
    EXPECT_EQ(method.sets[1].keys, kMethodDomainKeys);
    EXPECT_EQ(CellText(method, 1, 0, 5), "10000");
    RunResult system = db.Run("call domainViewDomainInfo(9,'system')");
    ASSERT_TRUE(Succeeded(system));
    EXPECT_EQ(CellText(system, 1, 0, 2), "Ship");
    EXPECT_EQ(CellText(system, 1, 0, 3), "admin");
}

// Every changing procedure answers the status set alone (a lookup-and-join answers its id as well).
TEST(DomainContract, ChangesAnswerTheStatusSetAlone) {
    // Its own database: the readers above count accounts and members.
    TestConnection db(TestDatabase::Prepare("domain_contract_changes", true));
    LoginAs(db, "admin");
    auto changes = [&](const std::string& call, size_t sets = 1) {
        RunResult run = db.Run(call);
        EXPECT_TRUE(Succeeded(run)) << call;
        EXPECT_EQ(run.sets.size(), sets) << call;
        return run;
    };
    const int id = NewDomainId(changes("call domainViewNewDomain('method', 0,'계약시험', 20000, '1','설명')", 2));
    ASSERT_GT(id, 0);
    const std::string ids = std::to_string(id);
    const int child = NewDomainId(changes("call domainViewNewDomain('method'," + ids + ",'계약_하위', 0,'0','')", 2));
    ASSERT_GT(child, 0);
    changes("call domainViewEditDomain(" + ids + ",'method','계약시험2', 20001,'0','바뀐 설명')");
    changes("call domainViewEditUpperIDDomain(" + std::to_string(child) + ", 0,'method')");
    changes("call domainViewNewParentDomain(" + ids + ",'data', 1, 1)");
    changes("call domainViewDeleteParentDomain(" + ids + ", 'data', 1, 1)");
    changes("call domainViewNewParentDomain(" + ids + ",'method', " + std::to_string(child) + ", 0)");
    changes("call domainViewDeleteParentDomain(" + ids + ", 'method', 99999, 0)");
    changes("call acountlistViewNewAcount('contract','contract','계약')");
    changes("call acountlistViewToggleSupermanager('contract')");
    changes("call acountlistViewToggleSupermanager('contract')");
    changes("call acountlistViewToggleNewAcount('contract')");
    changes("call acountlistViewToggleNewDomain('contract')");

    LoginAs(db, "contract");
    changes("call userViewJoinDomain(" + ids + ",'method')");
    changes("call domainAccountViewJoinPrivateDomain('계약시험2', 0,'method')", 2);
    LoginAs(db, "admin");
    changes("call userViewEditDomainUserGuest(" + ids + ", 'method','contract')");
    changes("call userViewEditDomainUserMember(" + ids + ",'method','contract')");
    changes("call userViewEditDomainUserManager(" + ids + ",'method','contract')");
    changes("call userViewEditDomainUserPurge(" + ids + ",'method','contract')");
    LoginAs(db, "contract");
    changes("call userViewJoinDomain(" + ids + ",'method')");
    changes("call userViewSecessionDomain(" + ids + ",'method')");
    changes("call acountViewEditAcount('contract','contract','새 설명')");
    LoginAs(db, "admin");
    changes("call domainViewDeleteDomain(" + ids + ",'method')");
    changes("call domainViewDeleteDomain(" + std::to_string(child) + ",'method')");
    changes("call acountlistViewDeleteAcount('contract')");
}

}  // namespace
}  // namespace tamo::testing
