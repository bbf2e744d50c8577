#include "ProcessListWatch.h"

#include <chrono>
#include <cstdio>
#include <stdexcept>

namespace tamo::testing {

namespace {

std::string Hex(const std::string& text) {
    std::string hex;
    char digits[3];
    for (unsigned char c : text) {
        std::snprintf(digits, sizeof digits, "%02X", c);
        hex += digits;
    }
    return hex;
}

}  // namespace

ProcessListWatch::ProcessListWatch(const ConnectionValues& server, const std::string& secret)
    // The secret goes into the watching statement as hexadecimal, so that the watch never finds itself.
    : watcher_(server),
      query_("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE INSTR(INFO, UNHEX('" + Hex(secret) + "')) > 0") {
    thread_ = std::thread([this] {
        while (!stop_) {
            const RunResult result = watcher_.Run(query_);
            ++polls_;
            if (result.ok && !result.sets.empty() && !result.sets[0].rows.empty())
                seen_ += std::stoi(result.sets[0].rows[0][0].value_or("0"));
        }
    });
}

void ProcessListWatch::AddAccount(const ConnectionValues& server, const std::string& user, const std::string& secret) {
    std::string session;
    {
        TestConnection admin(server);
        if (!admin.Login("admin", "admin")) throw std::runtime_error("admin cannot log in");
        // The call holds the secret, as the account dialog sends it.
        admin.Run("call acountlistViewNewAcount('" + admin.Escape(user) + "', '" + admin.Escape(secret) + "', '')");
        session = admin.Run("SELECT CONNECTION_ID()").sets.at(0).rows.at(0).at(0).value_or("0");
    }
    // A closed session lingers in the list with its last statement for a moment: wait until it has gone.
    TestConnection observer(server);
    for (int wait = 0; wait < 500; ++wait) {
        const RunResult left = observer.Run("SELECT COUNT(*) FROM information_schema.PROCESSLIST WHERE ID = " + session);
        if (left.ok && left.sets.at(0).rows.at(0).at(0) == std::optional<std::string>("0")) return;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

ProcessListWatch::~ProcessListWatch() { Stop(); }

int ProcessListWatch::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
}

}  // namespace tamo::testing
