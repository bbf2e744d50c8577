#pragma once

// The domain chooser 338 "부모 도메인": a tree of every domain of one kind with check boxes. The caller loads
// the domains and the preselection, runs it, reads the ticked domains after OK and then calls
// DeleteOwnedItems. "NewDomain" creates a root domain of the kind and rebuilds the tree, keeping the ticks.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "CDialog.h"
#include "CTreeCtrl.h"
#include "class_domain_info.h"

class CSearchDomainDlg : public CDialogEx {
public:
    enum { IDD = 338 };

    explicit CSearchDomainDlg(CWnd* pParent = nullptr);
    ~CSearchDomainDlg() override;

    std::string m_strKind;                                  // set by the caller
    std::string m_strRootText;                              // kind word + "Domain"
    std::multimap<int, class_domain_info> m_mapDomainList;  // every domain of the kind, keyed by parent id
    std::vector<class_domain_info> m_vecSelection;          // in: ticked at the start; out (OK): ticked, tree order
    std::vector<class_domain_info*> m_vecItemRecords;       // owned: the item data of the tree items

    // Inserts the children of one parent below the item, recursively.
    void FillChildDomains(int parentId, HTREEITEM hParent);
    // Appends copies of the records of all ticked items below the item to the selection, depth first.
    void CollectCheckedDomains(HTREEITEM hItem);
    // Deletes the item records and empties their list.
    void DeleteOwnedItems();

    CTreeCtrl m_ctrlTree;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    afx_msg void OnBnClickedNewDomain();
    afx_msg void OnNMClickTree(NMHDR* pNMHDR, LRESULT* pResult);
    DECLARE_MESSAGE_MAP()

private:
    void BuildTree();
    bool IsPreselected(int domainId) const;
    void InvertDescendantChecks(HTREEITEM hItem);

    HTREEITEM m_hRootItem = nullptr;
    std::set<int> m_setPlacedIds;  // domains already in the tree: a looping parent chain is not followed
};
