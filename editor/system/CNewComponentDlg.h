#pragma once

// The component dialog 348 "컴포넌트 추가": name and description of a component. For an edit the caller also
// sets the system domain id and the component id, and a component installed on a locked sub-system node is
// shown read-only. OK refuses the names "proxy" and "stub"; the caller reads name and description after OK.

#include "CDialog.h"
#include "CString.h"

class CNewComponentDlg : public CDialogEx {
public:
    enum { IDD = 348 };

    explicit CNewComponentDlg(CWnd* pParent = nullptr);

    int m_nSystemDomainId = 0;  // non-zero only for an edit
    int m_nComponentId = 0;
    CString m_strName;
    CString m_strDescription;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
