#pragma once

// What the data, method and system panes have in common as windows: the tree control over the pane inside a
// one-pixel frame, its image strip, the root item and the domain items with their records, the lists that own
// every TreeNodeData and domain record, and the window's handlers (create, size, paint, focus, context menu,
// destroy). A pane derives from it and supplies what differs: how its tree looks (`Look`), how it fills, the
// menu of an item and its commands. Its message map names this class as its base, so these handlers answer
// for it.

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "CDockablePane.h"
#include "CImageList.h"
#include "CString.h"
#include "CTreeView.h"
#include "CViewTree.h"
#include "TreeNodeData.h"
#include "class_domain_info.h"

class CTreePane : public CDockablePane, public CTreeView {
public:
    ~CTreePane() override;

    void AdjustLayout() override;
    CViewTree& GetTreeCtrl() { return m_wndTree; }

protected:
    // What tells the panes' trees apart.
    struct Look {
        DWORD treeStyle;              // the tree control's whole style
        UINT treeId;                  // the tree control's id
        UINT imageStrip;              // the bitmap of the item images, 16 pixels each
        COLORREF imageMask;           // the strip's transparent colour
        const char* rootText;         // the root item: its text, images and look
        int rootImage;
        int rootSelectedImage;
        bool boldRoot;
        const char* rootErrorText;    // shown when the root's data cannot be set
        int domainKind;               // the kind of the root and the domain items (TREE_*_DOMAIN)
        int domainImage;
        int domainSelectedImage;
    };
    using DomainList = std::multimap<int, class_domain_info>;
    // Adds what a domain item holds: (row, item, path, depth left below it; negative: all).
    using DomainFill = std::function<void(const class_domain_info&, HTREEITEM, const std::string&, int)>;

    explicit CTreePane(const Look& look) : m_look(look) {}

    // ---- What each pane supplies ------------------------------------------------------------------------------

    // Fills the tree from its root item (InsertRootItem); false when the root could not be made.
    virtual bool BuildTree() = 0;
    // Forgets the current selection (the tree's items were deleted).
    virtual void ClearSelection() = 0;
    // The popup menu of the item under a context menu; 0 for none.
    virtual UINT ContextMenuOf(HTREEITEM item) const = 0;
    // The call that lists the domains below the id (the whole subtree).
    virtual CString DomainListCall(int domainId) const = 0;
    // Lets go of the records the pane owns beside the domains, and of what points into them.
    virtual void ReleaseRecords() {}
    // Deletes the command objects that go with the pane's window.
    virtual void ReleaseCommandObjects() {}

    // ---- Window -----------------------------------------------------------------------------------------------

    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnPaint();
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

    // Deletes every item and fills the tree again; the records stay with the pane.
    void RefreshTree();
    // After an item was deleted: the tree's selection, if any, becomes the current item again.
    void ResetSelectionAfterDelete();
    // Lets go of every record and TreeNodeData (when the window goes).
    void ReleaseItemData();
    void ShowHelp(int topic);
    // Asks the question of a deletion with OK and Cancel, captioned "타모"; true for OK.
    bool ConfirmDelete(const char* question);

    // ---- After a change ---------------------------------------------------------------------------------------
    // Another engineer may have changed or deleted an item since its level was read: after an edit or delete of an
    // item, done or refused, the item shows what the server holds now.

    // What a fresh read of one item found.
    enum class StoredItem { found, gone, unread };
    // The domain item's record and text as the server holds them now, read by id with `infoCall` (a domain info
    // call of the kind word); a domain the server has no more leaves the tree (RemoveVanishedItem). A failed read
    // is shown and leaves the item as it was; the root item is read never.
    StoredItem ShowDomainAsStored(TreeNodeData& data, const CString& infoCall, LPCTSTR kind);
    // The item leaves the tree, with a message naming it, since the server has it no more.
    void RemoveVanishedItem(HTREEITEM item);
    // The paths of the domain item and of every item below it that begin with its path name the domain by its
    // record's name in place of `shownName`.
    void RenameDomainPaths(const TreeNodeData& data, const std::string& shownName);

    // ---- Items ------------------------------------------------------------------------------------------------

    TreeNodeData* ItemData(HTREEITEM item) const;
    // Inserts an item with a new TreeNodeData (kind, record, path) as its data.
    HTREEITEM InsertItemWithData(const std::string& text, int image, int selectedImage, HTREEITEM parent,
                                 HTREEITEM after, int kind, void* record, const std::string& path);
    // Inserts the root item with its domain record "root"; null after the error texts when its data cannot be
    // set (the item stays).
    HTREEITEM InsertRootItem();
    // The domain list below the id into m_mapDomainList; a failure is shown.
    void LoadDomainList(int domainId);
    // The domains that a domain list call answers, into `list`; false after the server's error was shown.
    static bool ReadDomainList(const CString& call, DomainList& list);
    // Inserts the domains of `list` below `parentId` as the first children of the item, depth first, each with
    // its record, `depth` levels more below them (0: none; negative: all); `fillDomain` adds what each holds
    // after its sub-domains (BuildDomainLevels).
    void InsertDomainLevels(const DomainList& list, int parentId, HTREEITEM parent, const std::string& parentPath,
                            int depth, const DomainFill& fillDomain);

    // Owned: one TreeNodeData per item ever inserted, and the record of every domain item; they stay until the
    // window goes, also after their items were deleted, since the main frame and dialogs may hold them.
    std::vector<std::unique_ptr<TreeNodeData>> m_itemData;
    std::vector<std::unique_ptr<class_domain_info>> m_domains;
    CImageList m_images;
    CViewTree m_wndTree;
    DomainList m_mapDomainList;  // the domain list last loaded

private:
    // The image list from the bitmap strip, as high as the strip.
    void LoadTreeImages();

    const Look m_look;
};
