#pragma once

// What the copy dialogs (data, methods, components, nodes) have in common: a combo box of every domain of one
// kind, flattened from the domain tree with one "-" per level, and a list of the items of the chosen domain.
// Choosing a domain refills the list; OK needs a domain and asks the dialog whether its rows will do.
//
// Each dialog wires the handlers below to its own control ids in its message map, and says how it loads and
// shows its rows and what it hands back.

#include <map>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "CopyDialogSupport.h"
#include "class_domain_info.h"

class CCopyDialogBase : public CDialog {
public:
    ~CCopyDialogBase() override;

    std::multimap<int, class_domain_info> m_mapDomains;  // every domain of the kind, keyed by parent id
    std::vector<class_domain_info*> m_vecDomainCopies;   // owned: item data of the combo entries
    class_domain_info* m_pChosenDomain = nullptr;        // the selected combo entry's record

    CComboBox m_comboDomain;
    CListCtrl m_listRows;

protected:
    // `kind`: "data", "method" or "system"; the list shows these columns.
    CCopyDialogBase(UINT templateId, int comboId, int listId, const char* kind, std::vector<CopyListColumn> columns,
                    CWnd* pParent);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDomainChanged();
    afx_msg void OnRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedOk();

    // Loads the domain's items and shows them in the emptied list; 0, or -1 when the load failed (the base
    // shows the server's text).
    virtual int FillRows(int domainId) = 0;
    // The item data of the first selected row, 0 when none is selected.
    virtual void RowSelected(DWORD_PTR row) = 0;
    // OK with a domain chosen, given the item data of every selected row from the top: false keeps the dialog
    // open (after the dialog's own message).
    virtual bool AcceptRows(const std::vector<DWORD_PTR>& rows) = 0;

    void FreeDomainCopies();

private:
    int m_nComboId;
    int m_nListId;
    const char* m_pszKind;
    std::vector<CopyListColumn> m_vecColumns;
};
