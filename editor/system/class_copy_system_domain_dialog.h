#pragma once

// The dialog 425 "COPY SYSTEM DOMAIN": in a tree of every system domain the user picks the domain that is to be
// moved or copied below the destination domain, and chooses moving with the box "이동". It refuses the
// destination itself, a domain that already lies directly below it, and (for a move) an ancestor of it. After OK
// the opener reads the move flag, the chosen domain and the snapshot of the chosen domain's sub-tree.

#include <map>
#include <memory>
#include <set>
#include <vector>

#include "CDialog.h"
#include "CImageList.h"
#include "CTreeCtrl.h"
#include "class_domain_info.h"

class class_copy_system_domain_dialog : public CDialog {
public:
    enum { IDD = 425 };

    explicit class_copy_system_domain_dialog(CWnd* pParent = nullptr);
    ~class_copy_system_domain_dialog() override;

    int m_nDestinationDomainId = 0;  // set by the opener
    int m_nMove = 0;                 // the box "이동"

    CTreeCtrl m_ctrlTree;
    CImageList m_images;
    HTREEITEM m_hSelectedItem = nullptr;
    std::multimap<int, class_domain_info> m_mapAllDomains;  // every system domain, keyed by upper id
    std::multimap<int, class_domain_info> m_mapSnapshot;    // after OK: the chosen domain and all below it
    // Owned: the records that the tree items carry.
    std::vector<std::unique_ptr<class_domain_info>> m_vecItemRecords;
    // After OK: the chosen domain (one of the records above).
    class_domain_info* m_pChosenDomain = nullptr;

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnTreeSelectionChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMoveClicked();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    void FillChildDomains(int parentId, HTREEITEM parent);
    void ShowPath(HTREEITEM item);
    // Adds every record below the item to the snapshot, depth first; true when one of them is the destination.
    bool SnapshotDescendants(HTREEITEM item);

    std::set<int> m_setPlacedIds;  // the domains already in the tree
};
