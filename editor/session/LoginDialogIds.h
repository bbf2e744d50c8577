#pragma once

// The login dialog's template and the controls that tests and benchmarks fill in, as editor/res gives them.
enum : int {
    IDD_LOGIN = 310,
    IDC_SERVER_EDIT = 1000,
    IDC_PORT_EDIT = 1001,
    IDC_DB_ID_EDIT = 1002,
    IDC_DB_PASSWORD_EDIT = 1003,
    IDC_USER_ID_EDIT = 1004,
    IDC_USER_PASSWORD_EDIT = 1005,
    IDC_DEFAULT_CONNECT = 1006,
    IDC_DB_NAME_EDIT = 1007,
    IDC_REMEMBER_DB_CHECK = 1213,
    IDC_REMEMBER_USER_CHECK = 1214,
};
