#pragma once

// The new-data dialog 320 "데이타 등록": name, type keyword, the real domain and real data of an alias, the
// minimum and maximum of a scaled type, and a description of one data item. New mode starts empty; edit mode
// shows the caller's texts. OK refuses an empty name and a real data that the server says would form a cycle.
// The dialog writes nothing itself except the parent-domain links behind "도메인추가".

#include <vector>

#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CString.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

class CNewMetadataDlg : public CDialogEx {
public:
    enum { IDD = 320 };

    explicit CNewMetadataDlg(CWnd* pParent = nullptr);

    // Set by the caller before the run (the texts in edit mode only); read back after OK.
    int m_nEditMode = 0;       // 0 new, else edit
    int m_nDomainId = 0;       // the domain the item belongs to
    int m_nRealDataId = 0;     // edit: the real data the item refers to; after OK: the chosen one's id, 0 for none
    int m_nRealDomainId = 0;   // edit: the real domain shown first; after OK: the chosen one's id, 0 for none
    CString m_strName;
    CString m_strType;
    CString m_strRealDomain;
    CString m_strRealData;
    CString m_strMin;
    CString m_strMax;
    CString m_strDescription;

    std::vector<class_domain_info> m_vecRealDomains;  // the entries of 1013
    std::vector<class_metadata_info> m_vecRealData;   // the entries of 1014

    // Fills 1013 with the domains whose data the item may refer to.
    void LoadRealDomainList();
    // Fills 1014 with the data items of the selected real domain.
    void LoadRealDataList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnTypeChanged();
    afx_msg void OnRealDomainChanged();
    afx_msg void OnAddRealDomain();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

    // Edit mode: selects the item's real data in 1014, by its id and else by its name; says so when the server
    // has neither any more.
    void SelectStoredRealData();
    // False (after saying so) when an alias lost its real data and none was chosen in its place: an edit must
    // not store the alias without it.
    bool KeepsRealData();
    bool m_bRealDataGone = false;  // the item's real data was not found when the dialog opened

    CComboBox m_comboType;        // 1011
    CComboBox m_comboRealDomain;  // 1013
    CComboBox m_comboRealData;    // 1014
    CButton m_buttonAddDomain;    // 1058
};
