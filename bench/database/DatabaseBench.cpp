// Median call times of the design database's list procedures on a small and on a large design.
//
//   database_bench HOST PORT DBUSER DBPASS SMALL_DB LARGE_DB [REPETITIONS [CALL...]]
//
// Both designs hold the sample design; the large one has the scale design (database/sample/scale) besides.
// Every call asks for the same sample rows in both, so the answers are equal and the ratio of the times shows
// what the size of the tables costs. The goal is a ratio below 2 for every call of the first table.
//
// The CALLs after the repetitions are lists of the large design's biggest levels, timed there alone: the first
// call of a new session (the trees' first read of a level) and the median of calls repeated in one session.
#include <mysql.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

namespace {

class Connection {
public:
    Connection(const char* host, unsigned port, const char* user, const char* password, const std::string& database)
        : mysql_(mysql_init(nullptr)) {
        const unsigned long flags = CLIENT_FOUND_ROWS | CLIENT_MULTI_STATEMENTS | CLIENT_MULTI_RESULTS;
        if (!mysql_real_connect(mysql_, host, user, password, database.c_str(), port, nullptr, flags)) {
            error_ = mysql_error(mysql_);
            return;
        }
        mysql_set_character_set(mysql_, "utf8mb4");
    }
    ~Connection() { mysql_close(mysql_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& error() const { return error_; }

    // Sends the statement and reads every result; false with the server's text on failure. status receives
    // column 0 of the first row of the first set.
    bool Run(const std::string& sql, std::string* status = nullptr) {
        if (mysql_real_query(mysql_, sql.data(), sql.size()) != 0) return Fail();
        bool first = true;
        for (;;) {
            if (MYSQL_RES* result = mysql_store_result(mysql_)) {
                MYSQL_ROW row = mysql_fetch_row(result);
                if (first && status) *status = row && row[0] ? row[0] : "";
                first = false;
                while (mysql_fetch_row(result)) {
                }
                mysql_free_result(result);
            } else if (mysql_field_count(mysql_) != 0) {
                return Fail();
            }
            const int next = mysql_next_result(mysql_);
            if (next > 0) return Fail();
            if (next < 0) return true;
        }
    }

private:
    bool Fail() {
        error_ = mysql_error(mysql_);
        return false;
    }

    MYSQL* mysql_;
    std::string error_;
};

// Calls on sample rows, whose answers do not grow with the design.
const char* const kCalls[] = {
    "call mainViewDomainList(1,'data')",
    "call mainViewDomainList(9,'system')",
    "call domainDataInfo(2,'data')",
    "call domainMethodInfo(6,'method')",
    "call get_domain_path(4,'data')",
    "call inheritance_data_dataViewDomainList(2)",
    "call inheritance_method_dataViewDomainList(6)",
    "call inheritance_method_methodViewDomainList(7)",
    "call userViewUserList(1,'data','%%','all')",
    "call select_search_data_name('Pos')",
    "call select_search_method_name('Nav')",
    "call select_search_system_name('조타')",
    "call metadataViewMetadataList(2,'%%', 'data')",
    "call metadataViewMetafieldList(2,'위치','data')",
    "call methodViewMethodList(6,'method','ALL','%','%')",
    "call interfaceViewInterfaceList('6','method','%')",
    "call interfaceViewMemberMethodList(6,'method','INavigation')",
    "call nodeViewList(9)",
    "call componentViewList(9)",
    "call NetworklinkViewNetworkinkList(9)",
};

// Calls whose answers hold every domain of a kind, so they grow with the design by nature.
const char* const kGrowingCalls[] = {
    "call mainViewDomainAllList('%%','data')",
    "call mainViewDomainList(0,'method')",
};

using Clock = std::chrono::steady_clock;

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Timing {
    bool ok = true;
    std::string error;
    double small = 0;  // median microseconds
    double large = 0;
};

Timing Measure(Connection& small, Connection& large, const std::string& call, int repetitions) {
    Timing timing;
    std::vector<double> smallTimes, largeTimes;
    auto once = [&](Connection& db, std::vector<double>* times) {
        std::string status;
        const auto start = Clock::now();
        const bool ok = db.Run(call, &status);
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
        if (!ok || status != "1") {
            timing.ok = false;
            timing.error = ok ? "status " + status : db.error();
        }
        if (times) times->push_back(us);
    };
    for (int i = 0; i < 5; ++i) {
        once(small, nullptr);
        once(large, nullptr);
    }
    for (int i = 0; i < repetitions && timing.ok; ++i) {
        once(small, &smallTimes);
        once(large, &largeTimes);
    }
    if (timing.ok) {
        timing.small = Median(smallTimes);
        timing.large = Median(largeTimes);
    }
    return timing;
}

// Prints one table; answers the highest ratio of its calls that ran.
double PrintTable(Connection& small, Connection& large, const char* const* calls, size_t count, int repetitions) {
    double worst = 0;
    std::printf("%-62s %10s %10s %7s\n", "call", "small us", "large us", "ratio");
    for (size_t i = 0; i < count; ++i) {
        const Timing t = Measure(small, large, calls[i], repetitions);
        if (!t.ok) {
            std::printf("%-62s failed: %s\n", calls[i], t.error.c_str());
            continue;
        }
        const double ratio = t.large / t.small;
        worst = std::max(worst, ratio);
        std::printf("%-62s %10.0f %10.0f %7.2f\n", calls[i], t.small, t.large, ratio);
    }
    return worst;
}

bool LogIn(Connection& db) {
    std::string status;
    return db.error().empty() &&
           db.Run("Set @tamouser='admin'; Set @tamopassword='admin'; call loginResult()", &status) && status == "1";
}

// The large design's lists: the first call of each of five new sessions and the median of repeated calls.
void PrintLargeLevels(const char* host, unsigned port, const char* user, const char* password,
                      const std::string& database, Connection& large, const std::vector<std::string>& calls,
                      int repetitions) {
    std::printf("%-62s %10s %10s\n", "call", "first us", "again us");
    for (const std::string& call : calls) {
        std::vector<double> firsts, again;
        std::string error;
        for (int session = 0; session < 5 && error.empty(); ++session) {
            Connection fresh(host, port, user, password, database);
            if (!LogIn(fresh)) {
                error = "cannot log in: " + fresh.error();
                break;
            }
            std::string status;
            const auto start = Clock::now();
            if (!fresh.Run(call, &status) || status != "1") error = fresh.error().empty() ? "status " + status : fresh.error();
            firsts.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        for (int i = 0; i < repetitions && error.empty(); ++i) {
            std::string status;
            const auto start = Clock::now();
            if (!large.Run(call, &status) || status != "1") error = large.error().empty() ? "status " + status : large.error();
            again.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count());
        }
        if (!error.empty()) {
            std::printf("%-62s failed: %s\n", call.c_str(), error.c_str());
            continue;
        }
        std::printf("%-62s %10.0f %10.0f\n", call.c_str(), Median(firsts), Median(again));
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 7) {
        std::fprintf(stderr, "usage: %s HOST PORT DBUSER DBPASS SMALL_DB LARGE_DB [REPETITIONS [CALL...]]\n", argv[0]);
        return 2;
    }
    const unsigned port = static_cast<unsigned>(std::atoi(argv[2]));
    const int repetitions = argc > 7 ? std::max(1, std::atoi(argv[7])) : 201;
    Connection small(argv[1], port, argv[3], argv[4], argv[5]);
    Connection large(argv[1], port, argv[3], argv[4], argv[6]);
    for (Connection* db : {&small, &large}) {
        if (!LogIn(*db)) {
            std::fprintf(stderr, "cannot log in: %s\n", db->error().c_str());
            return 1;
        }
    }
    std::printf("Median of %d calls each, small design %s, large design %s.\n\n", repetitions, argv[5], argv[6]);
    const double worst = PrintTable(small, large, kCalls, std::size(kCalls), repetitions);
    std::printf("\nhighest ratio %.2f (goal: below 2) %s\n\n", worst, worst < 2 ? "met" : "NOT MET");
    std::printf("Answers that hold every domain of a kind, growing with the design (not part of the goal):\n");
    PrintTable(small, large, kGrowingCalls, std::size(kGrowingCalls), repetitions);
    if (argc > 8) {
        std::printf("\nThe biggest levels of the large design, there alone (not part of the goal):\n");
        PrintLargeLevels(argv[1], port, argv[3], argv[4], argv[6], large,
                         std::vector<std::string>(argv + 8, argv + argc), repetitions);
    }
    return 0;
}
