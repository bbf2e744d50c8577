#pragma once

// The frame library's context-menu manager: popup menus registered by resource id and shown by id. With
// bOwnMessage the chosen command goes straight to the owner window as WM_COMMAND; otherwise it travels the
// main frame's command route. Update handlers run along the same target before the menu shows, and items
// without a handler are disabled.

#include <map>

#include "CString.h"
#include "WinDef.h"

class CWnd;

class CContextMenuManager {
public:
    BOOL AddMenu(LPCTSTR lpszName, UINT uiMenuResId);
    BOOL AddMenu(UINT uiMenuNameResId, UINT uiMenuResId);
    HMENU GetMenuById(UINT nMenuResId) const;
    HMENU GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID = nullptr) const;
    // Shows the first popup of the menu at screen coordinates; FALSE when there is no such menu.
    BOOL ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage = FALSE,
                       BOOL bRightAlign = FALSE);
    // Shows a popup and answers the chosen command (0 when none) without sending it.
    UINT TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL bRightAlign = FALSE);

private:
    std::map<UINT, CString> m_menus;  // resource id -> the name it was registered under
};

// Set by CWinAppEx::InitContextMenuManager.
extern CContextMenuManager* afxContextMenuManager;
