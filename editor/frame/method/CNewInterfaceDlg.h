#pragma once

// The interface dialog 331 "INTERFACE 등록": name and description of a new or edited interface of a method
// domain. An edited interface that a locked system uses keeps its name: the name field is disabled, the
// description stays editable. The dialog writes nothing; the caller reads the members after OK.

#include "CDialog.h"
#include "CString.h"

class CNewInterfaceDlg : public CDialogEx {
public:
    enum { IDD = 331 };

    explicit CNewInterfaceDlg(CWnd* pParent = nullptr);

    // Set by the caller before the run; name and description are read back after OK.
    int m_nDomainId = 0;   // 0 for a new interface; the interface's method domain when editing (checks the lock)
    CString m_strName;
    CString m_strDescription;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
