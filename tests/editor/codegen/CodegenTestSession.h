#pragma once

// A session logged in to a design database of the test server, and a recorder of the message boxes that the
// session and the generators show.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CMysqlQuery.h"
#include "SessionMessageBox.h"
#include "TestDatabase.h"

namespace tamo::codegen::testing {

// Records the texts of the message boxes while it lives (and answers them with IDOK).
class MessageBoxRecorder {
public:
    MessageBoxRecorder();
    ~MessageBoxRecorder();
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    const std::vector<std::string>& Texts() const;
    void Clear();

private:
    SessionMessageBoxHandler previous_;
};

// Connects the session to the suite's design database as admin; an empty text on success.
std::string ConnectSession(const tamo::testing::ConnectionValues& server);

// Dates of the server ("2024-01-02 03:04:05") and the ctime text of the document comments replaced by fixed
// marks, so that generated headers can be compared with golden files.
std::string WithoutTimes(const std::string& text);

}  // namespace tamo::codegen::testing
