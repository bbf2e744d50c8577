#pragma once

// The node dialog 341 "NodesView": name, type, description, the node's sub-system domain (picked with "검색":
// a new node gets its ports, and a sub-system or sensor node stands for it; the server keeps it for those two
// types only) and, for sub-system and sensor nodes, the lock state. Empty for a new node; preset from a node
// record for an edit, which a non-empty sub-system domain name marks: the type, the sub-system domain and
// "검색" are then fixed. The dialog writes nothing; the caller reads the fields after OK.
// The type is the word the dialog shows: "router" where the database keeps "urouter".

#include "CComboBox.h"
#include "CDialog.h"
#include "CString.h"

class CNewNodeDlg : public CDialogEx {
public:
    enum { IDD = 341 };

    explicit CNewNodeDlg(CWnd* pParent = nullptr);

    // Set by the caller (all empty and 0 for a new node); read back after OK.
    int m_nLock = 0;                 // 0 UNLOCK, 1 LOCK; always 0 for types other than sub_system and sensor
    int m_nSubSystemDomainId = 0;    // the item data of the chosen sub-system entry
    CString m_strName;
    CString m_strType;
    CString m_strDescription;
    CString m_strSubSystemDomainName;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnTypeChanged();
    afx_msg void OnSubSystemChanged();
    afx_msg void OnBnClickedSearch();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    // Shows the lock label and radios for sub-system and sensor nodes; hides them and unlocks any other node.
    void UpdateLockControls();
    void TakeSubSystemDomainId();

    CComboBox m_comboType;       // 1062
    CComboBox m_comboSubSystem;  // 1199
};
