#pragma once

// Another engineer on the same design: a session of their own, logged in as admin, that runs calls one after
// the other and fails the test at the first that fails.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TestDatabase.h"

namespace tamo::testing {

inline void RunAsColleague(const ConnectionValues& server, const std::vector<std::string>& calls) {
    TestConnection colleague(server);
    ASSERT_TRUE(colleague.Login("admin", "admin"));
    for (const std::string& call : calls) {
        const RunResult result = colleague.Run(call);
        ASSERT_TRUE(result.ok) << call << ": " << result.error;
    }
}

}  // namespace tamo::testing
