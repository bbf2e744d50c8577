#pragma once

// Tree view ("SysTreeView32"). Items are HTREEITEM handles with text, images, item data, state and, under
// TVS_CHECKBOXES, a check box. Notifications to the parent (an NMTREEVIEW; reflect them with
// ON_NOTIFY_REFLECT):
// - TVN_SELCHANGING / TVN_SELCHANGED whenever the selection changes, by the user or by SelectItem;
// - TVN_ITEMEXPANDING before an item with children opens or closes (a non-zero result stops it; 0 lets it
//   go on), TVN_ITEMEXPANDED after. Expand from the program notifies only the first time an item opens;
// - NM_CLICK, NM_DBLCLK, NM_RCLICK. A click sends NM_CLICK first; after the handler returned it selects the
//   clicked item or toggles the clicked check box, unless the handler answered non-zero.
// Handles of deleted items are refused, never followed. DeleteItem(NULL) does nothing.

#include <functional>

#include "CImageList.h"
#include "CWnd.h"

class CToolTipCtrl;

#define TVI_ROOT ((HTREEITEM)(ULONG_PTR)-0x10000)
#define TVI_FIRST ((HTREEITEM)(ULONG_PTR)-0x0FFFF)
#define TVI_LAST ((HTREEITEM)(ULONG_PTR)-0x0FFFE)
#define TVI_SORT ((HTREEITEM)(ULONG_PTR)-0x0FFFD)

#define TVIF_TEXT 0x0001
#define TVIF_IMAGE 0x0002
#define TVIF_PARAM 0x0004
#define TVIF_STATE 0x0008
#define TVIF_HANDLE 0x0010
#define TVIF_SELECTEDIMAGE 0x0020
#define TVIF_CHILDREN 0x0040

#define TVIS_SELECTED 0x0002
#define TVIS_BOLD 0x0010
#define TVIS_EXPANDED 0x0020
#define TVIS_EXPANDEDONCE 0x0040
#define TVIS_STATEIMAGEMASK 0xF000

#define TVE_COLLAPSE 0x0001
#define TVE_EXPAND 0x0002
#define TVE_TOGGLE 0x0003

#define TVGN_ROOT 0x0000
#define TVGN_NEXT 0x0001
#define TVGN_PREVIOUS 0x0002
#define TVGN_PARENT 0x0003
#define TVGN_CHILD 0x0004
#define TVGN_FIRSTVISIBLE 0x0005
#define TVGN_NEXTVISIBLE 0x0006
#define TVGN_PREVIOUSVISIBLE 0x0007
#define TVGN_DROPHILITE 0x0008
#define TVGN_CARET 0x0009

#define TVC_UNKNOWN 0x0000
#define TVC_BYMOUSE 0x0001
#define TVC_BYKEYBOARD 0x0002

#define TVHT_NOWHERE 0x0001
#define TVHT_ONITEMICON 0x0002
#define TVHT_ONITEMLABEL 0x0004
#define TVHT_ONITEMINDENT 0x0008
#define TVHT_ONITEMBUTTON 0x0010
#define TVHT_ONITEMRIGHT 0x0020
#define TVHT_ONITEMSTATEICON 0x0040
#define TVHT_ONITEM (TVHT_ONITEMICON | TVHT_ONITEMLABEL | TVHT_ONITEMSTATEICON)
#define TVHT_ABOVE 0x0100
#define TVHT_BELOW 0x0200
#define TVHT_TORIGHT 0x0400
#define TVHT_TOLEFT 0x0800

#define TVSIL_NORMAL 0
#define TVSIL_STATE 2

struct TVITEM {
    UINT mask;
    HTREEITEM hItem;
    UINT state;
    UINT stateMask;
    LPTSTR pszText;
    int cchTextMax;
    int iImage;
    int iSelectedImage;
    int cChildren;
    LPARAM lParam;
};
typedef TVITEM* LPTVITEM;

struct NMTREEVIEW {
    NMHDR hdr;
    UINT action;
    TVITEM itemOld;
    TVITEM itemNew;
    POINT ptDrag;
};
typedef NMTREEVIEW* LPNMTREEVIEW;

typedef int(CALLBACK* PFNTVCOMPARE)(LPARAM lParam1, LPARAM lParam2, LPARAM lParamSort);
struct TVSORTCB {
    HTREEITEM hParent;
    PFNTVCOMPARE lpfnCompare;
    LPARAM lParam;
};
typedef TVSORTCB* LPTVSORTCB;

class CTreeCtrl : public CWnd {
    DECLARE_DYNAMIC(CTreeCtrl)
public:
    CTreeCtrl() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    HTREEITEM InsertItem(LPCTSTR lpszItem, HTREEITEM hParent = TVI_ROOT, HTREEITEM hInsertAfter = TVI_LAST);
    HTREEITEM InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent = TVI_ROOT,
                         HTREEITEM hInsertAfter = TVI_LAST);
    BOOL DeleteItem(HTREEITEM hItem);
    BOOL DeleteAllItems();
    UINT GetCount() const;

    CString GetItemText(HTREEITEM hItem) const;
    BOOL SetItemText(HTREEITEM hItem, LPCTSTR lpszItem);
    DWORD_PTR GetItemData(HTREEITEM hItem) const;
    BOOL SetItemData(HTREEITEM hItem, DWORD_PTR dwData);
    BOOL GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const;
    BOOL SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage);
    UINT GetItemState(HTREEITEM hItem, UINT nStateMask) const;
    BOOL SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask);
    BOOL GetItem(TVITEM* pItem) const;
    BOOL ItemHasChildren(HTREEITEM hItem) const;
    BOOL GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const;

    HTREEITEM GetRootItem() const;
    HTREEITEM GetChildItem(HTREEITEM hItem) const;
    HTREEITEM GetNextSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetPrevSiblingItem(HTREEITEM hItem) const;
    HTREEITEM GetParentItem(HTREEITEM hItem) const;
    HTREEITEM GetNextItem(HTREEITEM hItem, UINT nCode) const;
    HTREEITEM GetSelectedItem() const;
    HTREEITEM GetFirstVisibleItem() const;
    HTREEITEM GetNextVisibleItem(HTREEITEM hItem) const;

    BOOL SelectItem(HTREEITEM hItem);
    BOOL Select(HTREEITEM hItem, UINT nCode);
    BOOL Expand(HTREEITEM hItem, UINT nCode);
    BOOL EnsureVisible(HTREEITEM hItem);
    HTREEITEM HitTest(CPoint pt, UINT* pFlags = nullptr) const;

    BOOL GetCheck(HTREEITEM hItem) const;
    BOOL SetCheck(HTREEITEM hItem, BOOL fCheck = TRUE);

    // Children made when they are first needed (the layer's own; Windows asks the owner in TVN_ITEMEXPANDING):
    // `fill` inserts them below the item, given its handle, the first time the item's children are asked for
    // (GetChildItem, ItemHasChildren, GetItem with TVIF_CHILDREN), it opens or is sorted, it gets a child of its
    // own, or its level is shown (its button tells whether it has children); at once when its level is shown
    // already. Until then the item has no children and GetCount leaves them out. Deleting the item drops `fill`
    // unrun; an empty `fill` drops the one set before. A fill only inserts below its item.
    BOOL SetChildrenOnDemand(HTREEITEM hItem, std::function<void(HTREEITEM)> fill);

    // One level, by text (case-insensitive), or with a comparison of item data.
    BOOL SortChildren(HTREEITEM hItem);
    BOOL SortChildrenCB(LPTVSORTCB pSort);

    CImageList* SetImageList(CImageList* pImageList, int nImageListType);
    CImageList* GetImageList(int nImageListType) const;
    SHORT GetItemHeight() const;
    SHORT SetItemHeight(SHORT cyHeight);
    COLORREF SetLineColor(COLORREF clrNew);
    COLORREF GetLineColor() const;
    COLORREF SetBkColor(COLORREF clr);
    COLORREF SetTextColor(COLORREF clr);
    UINT GetIndent() const;
    // The tree's own tooltip, unless TVS_NOTOOLTIPS: when the mouse rests on an item whose label the tree cuts,
    // it shows the whole text over the label, after TTN_SHOW reached the tree. The tree owns it.
    CToolTipCtrl* GetToolTips() const;

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "SysTreeView32"; }
};
