#pragma once

#include "CDialog.h"

// "비밀번호변경" (dialog 1010): the old password, the new one twice and the description of the logged-in
// account. The caller presets the description and sends the change with the members after OK.
class CEditAcountDlg : public CDialogEx {
public:
    enum { IDD = 1010 };

    explicit CEditAcountDlg(CWnd* pParent = nullptr) : CDialogEx(IDD, pParent) {}

    CString m_strOldPassword;
    CString m_strNewPassword;
    CString m_strConfirmPassword;
    CString m_strDescription;

protected:
    BOOL OnInitDialog() override;
    // Closes with OK when the new password and its confirmation are equal (the server decides the rest).
    void OnOK() override;
};
