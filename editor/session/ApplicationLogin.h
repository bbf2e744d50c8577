#pragma once

#include "WinDef.h"

// The application's login loop, as the account dialogs reach it: the editor's application object implements
// it, and the server-account dialog runs it after a new account was created (AfxGetApp() cast to this).
class ApplicationLogin {
public:
    virtual ~ApplicationLogin() = default;
    // Shows the login dialog until the session is connected and logged in (TRUE) or the user cancels (FALSE).
    virtual BOOL Login() = 0;
};
