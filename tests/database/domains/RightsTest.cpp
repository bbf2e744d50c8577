// The rights rules as one table: account right x domain grade x visibility x operation -> allowed or refused,
// over the procedures of every area that decide by them.
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <stdexcept>
#include <string>
#include <vector>

#include "DomainTestSupport.h"

namespace tamo::testing {
namespace {

const char* const kGrades[] = {"manager", "member", "guest", "applicant", "none"};
const char* const kVisibilities[] = {"public", "private"};
const char* const kKinds[] = {"data", "method", "system"};

std::string DomainName(const std::string& visibility, const std::string& grade) {
    return "권한_" + visibility + "_" + grade;
}

// The fixture design, made once per test run (the tests run as parallel processes on one database):
//   accounts  r_plain (no right), r_creator (may create domains), r_accounts (may create accounts),
//             r_admin (administrator), r_target (a member whose grade the commands change), r_doomed
//   domains   of each kind (data, method, system), one per visibility and grade, in which r_plain holds that
//             grade ("none": no membership; r_target is a guest of each); the public data domain "권한_부모"
//             as a link target.
class RightsDesign {
public:
    static RightsDesign& Get() {
        static RightsDesign design;
        return design;
    }
    const ConnectionValues& values() const { return values_; }
    int domain(const std::string& kind, const std::string& visibility, const std::string& grade) const {
        return domains_.at(kind + " " + DomainName(visibility, grade));
    }
    int parent() const { return domains_.at("data 권한_부모"); }

private:
    RightsDesign() : values_(TestDatabase::Prepare("domain_rights", false)) {
        const std::string lockPath = TestDatabase::ServerDir() + "/domain_rights.design.lock";
        const std::string marker = TestDatabase::ServerDir() + "/domain_rights.design.ready";
        int fd = open(lockPath.c_str(), O_CREAT | O_RDWR, 0600);
        flock(fd, LOCK_EX);
        TestConnection db(values_);
        if (access(marker.c_str(), F_OK) != 0) {
            Make(db);
            close(open(marker.c_str(), O_CREAT | O_WRONLY, 0600));
        }
        db.Login("admin", "admin");
        for (const char* kind : kKinds) {
            RunResult all = db.Run(std::string("call mainViewDomainAllList('권한%','") + kind + "')");
            for (const auto& row : all.sets.at(1).rows)
                domains_[std::string(kind) + " " + row[1].value_or("")] = std::stoi(row[0].value_or("0"));
        }
        flock(fd, LOCK_UN);
        close(fd);
    }

    static void Must(TestConnection& db, const std::string& call) {
        RunResult run = db.Run(call);
        if (!Succeeded(run)) throw std::runtime_error(call + ": " + run.error);
    }

    void Make(TestConnection& db) {
        db.Login("admin", "admin");
        for (const char* account : {"r_plain", "r_creator", "r_accounts", "r_admin", "r_target", "r_doomed"})
            Must(db, std::string("call acountlistViewNewAcount('") + account + "','" + account + "','')");
        Must(db, "call acountlistViewToggleNewDomain('r_creator')");
        Must(db, "call acountlistViewToggleNewAcount('r_accounts')");
        Must(db, "call acountlistViewToggleSupermanager('r_admin')");
        Must(db, "call domainViewNewDomain('data',0,'권한_부모', 0,'1','')");
        for (const std::string kind : kKinds) {
            for (const std::string visibility : kVisibilities) {
                for (const std::string grade : kGrades) {
                    const std::string name = DomainName(visibility, grade);
                    RunResult made = db.Run("call domainViewNewDomain('" + kind + "',0,'" + name + "', 0,'" +
                                            (visibility == "public" ? "1" : "0") + "','')");
                    const std::string id = std::to_string(NewDomainId(made));
                    for (const std::string account : {"r_target", "r_plain"}) {
                        if (account == "r_plain" && grade == "none") continue;
                        db.Login(account, account);
                        Must(db, "call domainAccountViewJoinPrivateDomain('" + name + "',0,'" + kind + "')");
                        db.Login("admin", "admin");
                    }
                    const std::string target = "(" + id + ",'" + kind + "','";
                    Must(db, "call userViewEditDomainUserGuest" + target + "r_target')");
                    if (grade == "manager") Must(db, "call userViewEditDomainUserManager" + target + "r_plain')");
                    if (grade == "member") Must(db, "call userViewEditDomainUserMember" + target + "r_plain')");
                    if (grade == "guest") Must(db, "call userViewEditDomainUserGuest" + target + "r_plain')");
                }
            }
        }
    }

    ConnectionValues values_;
    std::map<std::string, int> domains_;
};

// An operation on one domain of its kind; its result is the procedure's answer.
struct Target {
    int domain;
    std::string label;  // unique per case, for names the operation creates
};
struct Operation {
    const char* kind;  // the kind of domain it works on
    std::function<RunResult(TestConnection&, const Target&)> run;
};

RunResult Call(TestConnection& db, const std::string& text) { return db.Run(text); }

std::string Id(const Target& t) { return std::to_string(t.domain); }

const std::map<std::string, Operation>& Operations() {
    static const std::map<std::string, Operation> operations = {
        // Accounts and domains
        {"read the domain's row", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call domainDataInfo(" + Id(t) + ",'data')"); }}},
        {"read its path", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call get_domain_path(" + Id(t) + ",'data')"); }}},
        {"list its sub-domains", {"system", [](TestConnection& db, const Target& t) {
             return Call(db, "call mainViewDomainList(" + Id(t) + ",'system')"); }}},
        {"list its members", {"method", [](TestConnection& db, const Target& t) {
             return Call(db, "call userViewUserList(" + Id(t) + ",'method','%%','all')"); }}},
        {"create a sub-domain", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call domainViewNewDomain('data'," + Id(t) + ",'하위_" + t.label + "', 0,'1','')"); }}},
        {"link a parent domain", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call domainViewNewParentDomain(" + Id(t) + ",'data', " +
                                 std::to_string(RightsDesign::Get().parent()) + ", 0)"); }}},
        {"unlink a parent domain", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call domainViewDeleteParentDomain(" + Id(t) + ", 'data', 99999, 0)"); }}},
        {"edit the domain", {"method", [](TestConnection& db, const Target& t) {
             RunResult row = Call(db, "call domainMethodInfo(" + Id(t) + ",'method')");
             return Call(db, "call domainViewEditDomain(" + Id(t) + ",'method','" + CellText(row, 1, 0, 2) + "', 0,'" +
                                 CellText(row, 1, 0, 4) + "','')"); }}},
        {"grade a member", {"system", [](TestConnection& db, const Target& t) {
             return Call(db, "call userViewEditDomainUserGuest(" + Id(t) + ", 'system','r_target')"); }}},
        // Data and methods
        {"list its data items", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call metadataViewMetadataList(" + Id(t) + ",'%%', 'data')"); }}},
        {"add a data item", {"data", [](TestConnection& db, const Target& t) {
             return Call(db, "call metadataViewNewMetadata(" + Id(t) + ",'항목_" + t.label + "','int8_t',0,'','','')"); }}},
        {"list its methods", {"method", [](TestConnection& db, const Target& t) {
             return Call(db, "call methodViewMethodList(" + Id(t) + ",'method','ALL','%','%')"); }}},
        {"add a method", {"method", [](TestConnection& db, const Target& t) {
             return Call(db, "call methodViewNewMethod(" + Id(t) + ",'SIGNAL','1','Signal',0,'',0,'','')"); }}},
        {"add an interface", {"method", [](TestConnection& db, const Target& t) {
             return Call(db, "call interfaceViewNewInterface('" + Id(t) + "','method','IRights','')"); }}},
        // Systems
        {"list its nodes", {"system", [](TestConnection& db, const Target& t) {
             return Call(db, "call nodeViewList(" + Id(t) + ")"); }}},
        {"add a node", {"system", [](TestConnection& db, const Target& t) {
             return Call(db, "call nodeNewNodes(" + Id(t) + ",'노드','computer','', 0)"); }}},
        {"add a component", {"system", [](TestConnection& db, const Target& t) {
             return Call(db, "call componentsNewcomponent(" + Id(t) + ",'부품','')"); }}},
        {"add a domain port", {"system", [](TestConnection& db, const Target& t) {
             return Call(db, "call domainPortViewNewPort(" + Id(t) + ", 7, 1, '')"); }}},
    };
    return operations;
}

struct RightsCase {
    std::string account;
    std::string visibility;  // "-" for an account-level operation
    std::string grade;       // "-" likewise
    std::string operation;
    bool allowed;
};

void PrintTo(const RightsCase& c, std::ostream* os) {
    *os << c.account << " / " << c.visibility << " / " << c.grade << " / " << c.operation << " -> "
        << (c.allowed ? "allowed" : "refused");
}

// r_plain on the domain where it holds each grade. Letters per grade in the order manager, member, guest,
// applicant, none: Y allowed, N refused.
struct GradeRule {
    const char* operation;
    const char* onPublic;
    const char* onPrivate;
};
const GradeRule kGradeRules[] = {
    {"read the domain's row", "YYYYY", "YYYNN"},
    {"read its path", "YYYYY", "YYYNN"},
    {"list its sub-domains", "YYYYY", "YYYNN"},
    {"list its members", "YYYYY", "YYYNN"},
    {"list its data items", "YYYYY", "YYYNN"},
    {"create a sub-domain", "YYNNN", "YYNNN"},
    {"link a parent domain", "YYNNN", "YYNNN"},
    {"unlink a parent domain", "YYNNN", "YYNNN"},
    {"add a data item", "YYNNN", "YYNNN"},
    {"list its methods", "YYYYY", "YYYNN"},
    {"add a method", "YYNNN", "YYNNN"},
    {"add an interface", "YYNNN", "YYNNN"},
    {"list its nodes", "YYYYY", "YYYNN"},
    {"add a node", "YYNNN", "YYNNN"},
    {"add a component", "YYNNN", "YYNNN"},
    {"add a domain port", "YYNNN", "YYNNN"},
    {"edit the domain", "YNNNN", "YNNNN"},
    {"grade a member", "YNNNN", "YNNNN"},
};

// Account-level operations. Letters per account in the order r_plain, r_creator, r_accounts, r_admin.
const char* const kAccounts[] = {"r_plain", "r_creator", "r_accounts", "r_admin"};
struct AccountRule {
    const char* operation;
    const char* byAccount;
};
const AccountRule kAccountRules[] = {
    {"create a top-level domain", "NYNY"},
    {"create an account", "NNYY"},
    {"switch an account's right", "NNNY"},
    {"list the accounts", "YYYY"},
    {"read its own account", "YYYY"},
};

const std::map<std::string, std::function<RunResult(TestConnection&, const std::string&)>>& AccountOperations() {
    static const std::map<std::string, std::function<RunResult(TestConnection&, const std::string&)>> operations = {
        {"create a top-level domain", [](TestConnection& db, const std::string& account) {
             return Call(db, "call domainViewNewDomain('method', 0,'권한_최상위_" + account + "', 0, '1','')"); }},
        {"create an account", [](TestConnection& db, const std::string& account) {
             return Call(db, "call acountlistViewNewAcount('new_" + account + "','x','')"); }},
        {"switch an account's right", [](TestConnection& db, const std::string&) {
             return Call(db, "call acountlistViewToggleNewDomain('r_target')"); }},
        {"list the accounts", [](TestConnection& db, const std::string&) { return Call(db, "call acountlistViewAcountList('%%')"); }},
        {"read its own account", [](TestConnection& db, const std::string&) { return Call(db, "call acountViewUserinfo()"); }},
    };
    return operations;
}

std::vector<RightsCase> AllCases() {
    std::vector<RightsCase> cases;
    for (const GradeRule& rule : kGradeRules) {
        for (int g = 0; g < 5; ++g) {
            cases.push_back({"r_plain", "public", kGrades[g], rule.operation, rule.onPublic[g] == 'Y'});
            cases.push_back({"r_plain", "private", kGrades[g], rule.operation, rule.onPrivate[g] == 'Y'});
        }
        // The administrator right stands in for every grade, also in a private domain it has not joined.
        cases.push_back({"r_admin", "private", "none", rule.operation, true});
        // The account right to create domains gives no right inside other people's domains.
        cases.push_back({"r_creator", "private", "none", rule.operation, false});
    }
    for (const AccountRule& rule : kAccountRules)
        for (int a = 0; a < 4; ++a) cases.push_back({kAccounts[a], "-", "-", rule.operation, rule.byAccount[a] == 'Y'});
    return cases;
}

class Rights : public ::testing::TestWithParam<RightsCase> {};

TEST_P(Rights, AreDecidedByRightGradeAndVisibility) {
    const RightsCase& c = GetParam();
    RightsDesign& design = RightsDesign::Get();
    TestConnection db(design.values());
    LoginAs(db, c.account);
    RunResult run;
    if (c.grade == "-") {
        run = AccountOperations().at(c.operation)(db, c.account);
    } else {
        const Operation& operation = Operations().at(c.operation);
        const Target target{design.domain(operation.kind, c.visibility, c.grade),
                            c.account + "_" + c.visibility + "_" + c.grade};
        run = operation.run(db, target);
    }
    if (c.allowed) {
        EXPECT_TRUE(Succeeded(run));
    } else {
        EXPECT_TRUE(Refused(run, "")) << run.error;
        EXPECT_FALSE(run.error.empty());
    }
}

// Lists do not refuse: they leave out the private domains that the account may not read.
TEST(Rights, ListsShowPrivateDomainsToTheirMembersOnly) {
    RightsDesign& design = RightsDesign::Get();
    TestConnection db(design.values());
    LoginAs(db, "r_plain");
    RunResult all = db.Run("call mainViewDomainAllList('권한%','data')");
    ASSERT_TRUE(Succeeded(all));
    std::vector<std::string> names;
    for (const auto& row : all.sets[1].rows) names.push_back(row[1].value_or(""));
    for (const char* grade : kGrades) {
        EXPECT_NE(std::find(names.begin(), names.end(), DomainName("public", grade)), names.end()) << grade;
        const bool member = std::string(grade) != "applicant" && std::string(grade) != "none";
        EXPECT_EQ(std::find(names.begin(), names.end(), DomainName("private", grade)) != names.end(), member) << grade;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, Rights, ::testing::ValuesIn(AllCases()));

}  // namespace
}  // namespace tamo::testing
