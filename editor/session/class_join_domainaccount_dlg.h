#pragma once

#include "CDialog.h"

// "Join DomainAccount" (dialog 392): the path of a private domain and the kind of its tree. The caller joins
// the path level by level after OK.
class class_join_domainaccount_dlg : public CDialogEx {
public:
    enum { IDD = 392 };

    explicit class_join_domainaccount_dlg(CWnd* pParent = nullptr) : CDialogEx(IDD, pParent) {}

    CString m_strPath;  // as typed
    CString m_strKind;  // "data", "method" or "system"
    int m_nKind = 0;    // the ticked radio button: 0 "DataDomain", 1 "MethodDomain", 2 "SystemDomain"

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
};
