#pragma once

#include "CString.h"

// A row of the account lists: six plain texts.
struct account_row {
    CString user_id;             // column 0
    CString second_text;         // no list fills it
    CString administrator;       // column 1: "0" = 일반사용자, else 관리자
    CString may_create_account;  // column 2: "0" = 없음
    CString may_create_domain;   // column 3: "0" = 없음
    CString description;         // column 4
};
