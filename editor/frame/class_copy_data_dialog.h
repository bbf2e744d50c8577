#pragma once

// The data copy dialog 415 "◎ DATA_COPY": picks a data domain (every data domain, sub-domains indented with one
// "-" per level) and data items of it to be copied into another domain. After OK the caller reads the chosen
// records (id and name) and then calls free_item_data.

#include <map>
#include <string>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

class class_copy_data_dialog : public CDialog {
public:
    enum { IDD = 415 };

    explicit class_copy_data_dialog(CWnd* pParent = nullptr);
    ~class_copy_data_dialog() override;

    // Deletes the records that the combo entries and the list rows carry and empties both lists.
    void free_item_data();

    std::multimap<int, class_domain_info> m_mapDomains;      // every data domain, keyed by parent id
    std::vector<class_domain_info*> m_vecDomainCopies;       // owned: item data of the combo entries
    std::vector<class_metadata_info> m_vecRows;              // the data items of the chosen domain
    std::vector<class_metadata_info*> m_vecRowCopies;        // owned: item data of the list rows
    class_domain_info* m_pChosenDomain = nullptr;            // the selected combo entry's record
    class_metadata_info* m_pSelectedRow = nullptr;           // the first selected row's record
    std::vector<class_metadata_info*> m_vecChosenData;       // after OK: every selected row, in list order

    CComboBox m_comboDomain;
    CListCtrl m_listData;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDomainChanged();
    afx_msg void OnRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
