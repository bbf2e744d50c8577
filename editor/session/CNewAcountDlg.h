#pragma once

#include "CDialog.h"

// "새 계정 등록" (dialog 365): asks for a new account's id, its password twice and a description. The caller
// creates the account with the members after OK.
class CNewAcountDlg : public CDialogEx {
public:
    enum { IDD = 365 };

    explicit CNewAcountDlg(CWnd* pParent = nullptr) : CDialogEx(IDD, pParent) {}

    CString m_strAccountId;
    CString m_strPassword;
    CString m_strPasswordAgain;
    CString m_strDescription;

protected:
    BOOL OnInitDialog() override;
    // Refuses two different passwords (both are emptied) and then an empty account id; else closes with OK.
    void OnOK() override;
};
