#pragma once

// The stub information dialog 399 "STUB 정보": the stub object id and stub IP of an installed proxy entry of a
// node, fixed while the entry is public and a parent system locks its domain. The caller sets the entry's ids
// and texts, runs it and reads the two texts back after OK; the update is the caller's.

#include "CDialog.h"
#include "CString.h"

class class_nodeproxy_stubinfo_dlg : public CDialogEx {
public:
    enum { IDD = 399 };

    explicit class_nodeproxy_stubinfo_dlg(CWnd* pParent = nullptr);

    int m_nEntryId = 0;       // the entry's first id
    int m_nDeploymentId = 0;  // the entry's second id
    CString m_strStubObjectId;
    CString m_strStubIp = "0.0.0.0";

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
