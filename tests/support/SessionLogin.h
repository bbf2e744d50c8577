#pragma once

// The seven login values of the editor's session for a design database of the test server and an application
// account. Only for tests that link the session library.

#include <string>

#include "CLoginValues.h"
#include "TestDatabase.h"

namespace tamo::testing {

inline CLoginValues LoginFor(const ConnectionValues& server, const std::string& user, const std::string& password) {
    CLoginValues login;
    login.SetField(LOGIN_SERVER, server.host);
    login.SetField(LOGIN_PORT, std::to_string(server.port));
    login.SetField(LOGIN_DB_NAME, server.database);
    login.SetField(LOGIN_DB_ID, server.user);
    login.SetField(LOGIN_DB_PASSWORD, server.password);
    login.SetField(LOGIN_USER_ID, user);
    login.SetField(LOGIN_USER_PASSWORD, password);
    return login;
}

}  // namespace tamo::testing
