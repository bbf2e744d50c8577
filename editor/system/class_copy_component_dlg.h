#pragma once

// The component copy dialog 413 "Copy_Component": picks a system domain (every system domain, sub-domains
// indented with one "-" per level) and one of its components, which the opener copies into another domain.
// After OK the opener reads the chosen domain id and the selected component.

#include <map>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "class_component_info.h"
#include "class_domain_info.h"

class class_copy_component_dlg : public CDialog {
public:
    enum { IDD = 413 };

    explicit class_copy_component_dlg(CWnd* pParent = nullptr);
    ~class_copy_component_dlg() override;

    std::multimap<int, class_domain_info> m_mapDomains;    // every system domain, keyed by parent id
    std::vector<class_domain_info*> m_vecDomainCopies;     // owned: item data of the combo entries
    std::vector<class_component_info> m_vecRows;           // the components of the chosen domain
    std::vector<class_component_info*> m_vecRowCopies;     // owned: item data of the list rows
    class_domain_info* m_pChosenDomain = nullptr;          // the selected combo entry's record
    int m_nChosenDomainId = 0;
    class_component_info* m_pSelectedComponent = nullptr;  // the first selected row's record (the result)

    CComboBox m_comboDomain;
    CListCtrl m_listComponents;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDomainChanged();
    afx_msg void OnRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
