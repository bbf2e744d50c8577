#pragma once

// The object id dialog 372 "Object_Id": the object id number of an installed proxy or stub entry and its
// Public flag. While a parent system locks the domain of the entry's node the flag is fixed, and so is the id
// of a public entry. The caller reads the id text and the flag after OK.

#include "CDialog.h"
#include "CString.h"

class CNewObjectId : public CDialogEx {
public:
    enum { IDD = 372 };

    explicit CNewObjectId(CWnd* pParent = nullptr);

    // Takes the stored id text unless it sorts at or before "0" in byte order (empty, "0", a minus sign ...),
    // which leaves the edit empty.
    void SetInitialObjectId(const CString& objectId);

    CString m_strObjectId;
    int m_nPublic = 0;  // check box "Public"
    int m_nLockId = 0;  // the entry's second id, for the lock check

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
