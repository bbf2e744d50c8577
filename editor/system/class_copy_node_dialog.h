#pragma once

// The node copy dialog 414 "◈ COPY-NODE ": picks a system domain (every system domain, sub-domains indented with
// one "-" per level) and one of its nodes, which the opener copies into another domain. After OK the opener
// reads the selected node.

#include <map>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "class_domain_info.h"
#include "class_node_info.h"

class class_copy_node_dialog : public CDialog {
public:
    enum { IDD = 414 };

    explicit class_copy_node_dialog(CWnd* pParent = nullptr);
    ~class_copy_node_dialog() override;

    std::multimap<int, class_domain_info> m_mapDomains;  // every system domain, keyed by parent id
    std::vector<class_domain_info*> m_vecDomainCopies;   // owned: item data of the combo entries
    std::vector<class_node_info> m_vecRows;              // the nodes of the chosen domain
    std::vector<class_node_info*> m_vecRowCopies;        // owned: item data of the list rows
    class_domain_info* m_pChosenDomain = nullptr;        // the selected combo entry's record
    class_node_info* m_pSelectedNode = nullptr;          // the first selected row's record (the result)

    CComboBox m_comboDomain;
    CListCtrl m_listNodes;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDomainChanged();
    afx_msg void OnRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
