#pragma once

// The method copy dialog 416 "◎ COPY METHOD": picks a method domain (every method domain, sub-domains indented
// with one "-" per level) and methods of it to be copied into another domain. After OK the caller reads (and may
// rename) the chosen methods, then calls free_item_data.

#include <map>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "class_domain_info.h"
#include "class_method_info.h"

class class_copy_method_dialog : public CDialog {
public:
    enum { IDD = 416 };

    explicit class_copy_method_dialog(CWnd* pParent = nullptr);
    ~class_copy_method_dialog() override;

    // Deletes the records that the combo entries and the list rows carry and empties both lists.
    void free_item_data();

    std::multimap<int, class_domain_info> m_mapDomains;   // every method domain, keyed by parent id
    std::vector<class_domain_info*> m_vecDomainCopies;    // owned: item data of the combo entries
    std::vector<class_method_info> m_vecRows;             // the methods of the chosen domain
    std::vector<class_method_info*> m_vecRowCopies;       // owned: item data of the list rows
    class_domain_info* m_pChosenDomain = nullptr;         // the selected combo entry's record
    class_method_info* m_pSelectedRow = nullptr;          // the first selected row's record
    std::vector<class_method_info> m_vecChosenMethods;    // after OK: copies of every selected row, in list order

    CComboBox m_comboDomain;
    CListCtrl m_listMethods;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDomainChanged();
    afx_msg void OnRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedOk();
    afx_msg void OnBnClickedCancelButton();
    DECLARE_MESSAGE_MAP()
};
