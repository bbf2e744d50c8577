// Sixteen sessions of the shared account reading and changing one design for a few seconds, as a team does
// on a busy day. Afterwards the design must still hold together, and no session may have seen a raw error of
// the server: every failure is a refusal in the usual form.

#include <unistd.h>

#include <chrono>
#include <map>
#include <mutex>
#include <random>
#include <set>
#include <sstream>

#include "SharingTestSupport.h"

using namespace tamo::testing;
using namespace tamo::testing::sharing;

namespace {

constexpr int kSessions = 16;
constexpr auto kDuration = std::chrono::seconds(3);
constexpr auto kSlowMachineGrace = std::chrono::seconds(60);
constexpr int kCallsPerSession = 10;

ConnectionValues Design() { return TestDatabase::Prepare("sharing_load", true); }

// Names of this test process, so that a second run on the same database meets none of the first's.
std::string RunName(const std::string& stem) { return stem + std::to_string(getpid() % 100000); }
std::string SessionAccount(int session) { return RunName("load") + "_s" + std::to_string(session); }

// The rows of an administrator's query, each split at its tabs.
std::vector<std::vector<std::string>> Rows(const std::string& database, const std::string& sql) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(TestDatabase::AdminQuery(database, sql));
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) cells.push_back(cell);
        rows.push_back(cells);
    }
    return rows;
}

// Whether following the edges from any node comes back to it.
bool HasCycle(const std::multimap<std::string, std::string>& edges) {
    std::map<std::string, int> state;  // 1 on the path, 2 done
    std::function<bool(const std::string&)> visit = [&](const std::string& node) {
        if (state[node] == 1) return true;
        if (state[node] == 2) return false;
        state[node] = 1;
        for (auto [edge, end] = edges.equal_range(node); edge != end; ++edge)
            if (visit(edge->second)) return true;
        state[node] = 2;
        return false;
    };
    for (const auto& [node, next] : edges)
        if (visit(node)) return true;
    return false;
}

// The domains the sessions work in: the root and its eight domains made before, then those the sessions made.
class Pool {
public:
    void AddDomain(int id) {
        std::lock_guard lock(mutex_);
        domains_.push_back(id);
    }
    int AnyDomain(std::mt19937& random) { return Any(random, 0); }
    // One that a session made (not the root and the domains made before the sessions began), or 0.
    int AnyMadeDomain(std::mt19937& random) { return Any(random, kFirstMade); }

    static constexpr size_t kFirstMade = 9;

private:
    int Any(std::mt19937& random, size_t first) {
        std::lock_guard lock(mutex_);
        if (domains_.size() <= first) return 0;
        return domains_[std::uniform_int_distribution<size_t>(first, domains_.size() - 1)(random)];
    }

    std::mutex mutex_;
    std::vector<int> domains_;
};

// One session's work: a random mix of the reads and changes of the trees, until the time is up.
class Worker {
public:
    Worker(TestConnection& db, Pool& pool, int method_domain, unsigned seed)
        : db_(db), pool_(pool), method_domain_(method_domain), random_(seed) {}

    // Until the time is up and the session made its share of calls (a busy machine gets more time, up to a
    // limit), so that the load is a load also where the sessions run slowly.
    void Run(std::chrono::steady_clock::time_point until) {
        const auto limit = until + kSlowMachineGrace;
        for (auto now = std::chrono::steady_clock::now(); now < limit; now = std::chrono::steady_clock::now()) {
            if (now >= until && calls_ > kCallsPerSession) break;
            Step();
        }
    }
    const std::vector<std::string>& Faults() const { return faults_; }
    int Calls() const { return calls_; }

private:
    int Pick(int below) { return std::uniform_int_distribution<int>(0, below - 1)(random_); }
    std::string Name() { return 'w' + std::to_string(random_() % 100000); }

    RunResult Call(const std::string& text) {
        RunResult result = db_.Run(text);
        ++calls_;
        if (!DoneOrRefused(result)) faults_.push_back(text + ": " + result.error);
        return result;
    }

    // An item of a domain, by the id the list gives, or 0.
    int AnyItem(int domain) {
        RunResult list = Call("call metadataViewMetadataList(" + std::to_string(domain) + ", '%%', 'data')");
        if (!list.ok || list.sets.size() < 2 || list.sets[1].rows.empty()) return 0;
        const auto& rows = list.sets[1].rows;
        return std::stoi(rows[static_cast<size_t>(Pick(static_cast<int>(rows.size())))][0].value_or("0"));
    }
    std::string ItemName(int domain) {
        RunResult list = Call("call metadataViewMetadataList(" + std::to_string(domain) + ", '%%', 'data')");
        if (!list.ok || list.sets.size() < 2 || list.sets[1].rows.empty()) return "none";
        return list.sets[1].rows[static_cast<size_t>(Pick(static_cast<int>(list.sets[1].rows.size())))][2].value_or("");
    }

    void Step() {
        const std::string domain = std::to_string(pool_.AnyDomain(random_));
        const std::string other = std::to_string(pool_.AnyDomain(random_));
        switch (Pick(16)) {
            case 0: Call("call mainViewDomainList(0, 'data')"); break;
            case 1: Call("call select_search_data_name('w')"); break;
            case 2: Call("call methodViewMethodList(" + std::to_string(method_domain_) + ", 'method', 'ALL', '%', '%')"); break;
            case 3: {
                const int id = NewDomainId(Call("call domainViewNewDomain('data', " + domain + ", '" + Name() +
                                                "', 0, '1', '')"));
                if (id > 0) pool_.AddDomain(id);
                break;
            }
            case 4: Call("call domainViewEditUpperIDDomain(" + domain + ", " + other + ", 'data')"); break;
            case 5: Call("call domainViewNewParentDomain(" + domain + ", 'data', " + other + ", 0)"); break;
            case 6: Call("call domainViewDeleteDomain(" + std::to_string(pool_.AnyMadeDomain(random_)) + ", 'data')"); break;
            case 7: Call("call metadataViewNewMetadata(" + domain + ", '" + Name() + "', 'struct', 0, '', '', '')"); break;
            case 8:
                Call("call metadataViewNewMetadata(" + domain + ", '" + Name() + "', 'alias', " +
                     std::to_string(AnyItem(std::stoi(other))) + ", '', '', '')");
                break;
            case 9: {
                const std::string name = ItemName(std::stoi(domain));
                Call("call metadataViewEditMetadata(" + domain + ", '" + name + "', '" + name + "', 'alias', " +
                     std::to_string(AnyItem(std::stoi(other))) + ", '', '', '')");
                break;
            }
            case 10: Call("call metadataViewDeleteMetadata(" + domain + ", '" + ItemName(std::stoi(domain)) + "')"); break;
            case 11:
                Call("call metadataViewNewMetafield(" + domain + ", '" + ItemName(std::stoi(domain)) + "', '" + Name() +
                     "', 0, 'alias', " + other + ", '" + ItemName(std::stoi(other)) + "', '', '', 'NO', 0, '')");
                break;
            case 12:
                Call("call metadataViewNewMetafield(" + domain + ", '" + ItemName(std::stoi(domain)) + "', '" + Name() +
                     "', 0, 'int32_t', 0, '', '', '', 'NO', 0, '')");
                break;
            case 13:
                Call("call methodViewNewMethod(" + std::to_string(method_domain_) + ", 'CALL', " +
                     std::to_string(Pick(60000)) + ", '" + Name() + "', " + domain + ", '" +
                     ItemName(std::stoi(domain)) + "', 0, '', '')");
                break;
            case 14: {
                // The sessions take each other's administrator right.
                const std::string target = SessionAccount(Pick(kSessions));
                Call(Pick(2) ? "call acountlistViewToggleSupermanager('" + target + "')"
                             : "call acountlistViewDeleteAcount('" + target + "')");
                break;
            }
            default: Call("call get_domain_path(" + domain + ", 'data')"); break;
        }
    }

    TestConnection& db_;
    Pool& pool_;
    int method_domain_;
    std::mt19937 random_;
    std::vector<std::string> faults_;
    int calls_ = 0;
};

TEST(Load, SixteenSessionsLeaveADesignThatHoldsTogether) {
    const ConnectionValues server = Design();
    TestConnection admin(server);
    ASSERT_TRUE(admin.Login("admin", "admin"));
    Pool pool;
    const int root = NewDomainId(admin.Run("call domainViewNewDomain('data', 0, '" + RunName("LoadRoot") +
                                           "', 0, '1', '')"));
    ASSERT_GT(root, 0);
    pool.AddDomain(root);
    for (int i = 0; i < 8; ++i) {
        const int id = NewDomainId(admin.Run("call domainViewNewDomain('data', " + std::to_string(root) + ", 'L" +
                                             std::to_string(i) + "', 0, '1', '')"));
        ASSERT_GT(id, 0);
        pool.AddDomain(id);
        ASSERT_TRUE(Succeeded(admin.Run("call metadataViewNewMetadata(" + std::to_string(id) +
                                        ", 'S', 'struct', 0, '', '', '')")));
    }
    const int methods = NewDomainId(admin.Run("call domainViewNewDomain('method', 0, '" + RunName("LoadService") +
                                              "', 0, '1', '')"));
    ASSERT_GT(methods, 0);
    std::vector<std::string> accounts;
    for (int i = 0; i < kSessions; ++i) {
        accounts.push_back(SessionAccount(i));
        ASSERT_TRUE(Succeeded(admin.Run("call acountlistViewNewAcount('" + accounts.back() + "','" + accounts.back() +
                                        "','')")));
        ASSERT_TRUE(Succeeded(admin.Run("call acountlistViewToggleSupermanager('" + accounts.back() + "')")));
    }

    Sessions sessions(server, accounts);
    std::vector<std::unique_ptr<Worker>> workers;
    for (int i = 0; i < kSessions; ++i)
        workers.push_back(std::make_unique<Worker>(sessions[static_cast<size_t>(i)], pool, methods, 1000u + i));
    const auto until = std::chrono::steady_clock::now() + kDuration;
    sessions.RunTogether([&](size_t session, TestConnection&) { workers[session]->Run(until); });

    int calls = 0;
    for (const auto& worker : workers) {
        calls += worker->Calls();
        for (const std::string& fault : worker->Faults()) ADD_FAILURE() << fault;
    }
    EXPECT_GT(calls, kSessions * kCallsPerSession);

    const std::string& db = server.database;
    EXPECT_NE(AdminValue(db, "SELECT COUNT(*) FROM account WHERE is_administrator = 1"), "0");

    std::set<std::string> domains = {"0"};
    std::multimap<std::string, std::string> tree, links, aliases;
    for (const auto& row : Rows(db, "SELECT id, upper_id FROM domain")) {
        domains.insert(row.at(0));
        tree.emplace(row.at(0), row.at(1));
    }
    for (const auto& [id, upper] : tree) EXPECT_TRUE(domains.count(upper)) << "domain " << id << " under " << upper;
    EXPECT_FALSE(HasCycle(tree)) << "the domain tree has a cycle";
    for (const auto& row : Rows(db, "SELECT domain_id, parent_id FROM domain_parent WHERE flag = 0"))
        links.emplace(row.at(0), row.at(1));
    EXPECT_FALSE(HasCycle(links)) << "the parent links have a cycle";

    EXPECT_EQ(AdminValue(db, "SELECT COUNT(*) = COUNT(DISTINCT data_id, seq) FROM data_field"), "1");
    const char* unresolved =
        "SELECT CONCAT('item ', d.id) FROM data_item d WHERE d.real_domain_id IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM data_item r WHERE r.domain_id = d.real_domain_id AND r.name = d.real_data_name) "
        "UNION ALL SELECT CONCAT('field ', f.id) FROM data_field f WHERE f.real_domain_id IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM data_item r WHERE r.domain_id = f.real_domain_id AND r.name = f.real_data_name) "
        "UNION ALL SELECT CONCAT('method ', m.id) FROM method m WHERE (m.in_domain_id IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM data_item r WHERE r.domain_id = m.in_domain_id AND r.name = m.in_data_name)) OR "
        "(m.out_domain_id IS NOT NULL AND NOT EXISTS "
        "(SELECT 1 FROM data_item r WHERE r.domain_id = m.out_domain_id AND r.name = m.out_data_name))";
    EXPECT_EQ(TestDatabase::AdminQuery(db, unresolved), "");

    for (const auto& row : Rows(db, "SELECT d.id, r.id FROM data_item d JOIN data_item r ON r.domain_id = "
                                    "d.real_domain_id AND r.name = d.real_data_name UNION ALL SELECT f.data_id, r.id "
                                    "FROM data_field f JOIN data_item r ON r.domain_id = f.real_domain_id AND "
                                    "r.name = f.real_data_name"))
        aliases.emplace(row.at(0), row.at(1));
    EXPECT_FALSE(HasCycle(aliases)) << "the data refer to each other in a cycle";
}

}  // namespace
