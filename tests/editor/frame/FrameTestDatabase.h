#pragma once

// The design databases of the frame's tests on the test run's server, and the login values for them.

#include <string>

#include "CLoginValues.h"
#include "SessionLogin.h"
#include "TestDatabase.h"

namespace frame_test {

// The suite's design database with the sample design (created once per test run and name).
tamo::testing::ConnectionValues SampleDatabase(const std::string& name);

// The seven login values for a design database and an application account.
using tamo::testing::LoginFor;

// Connects the editor's session; an empty text on success, else the error text.
std::string ConnectSession(const tamo::testing::ConnectionValues& server, const std::string& user,
                           const std::string& password);

}  // namespace frame_test
