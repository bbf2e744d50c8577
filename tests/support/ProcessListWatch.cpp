#include "ProcessListWatch.h"

#include <cstdio>

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

ProcessListWatch::~ProcessListWatch() { Stop(); }

int ProcessListWatch::Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    return seen_;
}

}  // namespace tamo::testing
