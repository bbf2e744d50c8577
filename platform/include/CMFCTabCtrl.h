#pragma once

// The frame library's tab control: windows added as tabs, tabs at the top or bottom.

#include "CWnd.h"

class CMFCBaseTabCtrl : public CWnd {
    DECLARE_DYNAMIC(CMFCBaseTabCtrl)
public:
    enum Location { LOCATION_BOTTOM = 0, LOCATION_TOP = 1 };

    void AddTab(CWnd* pTabWnd, LPCTSTR lpszTabLabel, UINT uiImageId = (UINT)-1, BOOL bDetachable = TRUE);
    int GetTabsNum() const;
    int GetActiveTab() const;
    virtual BOOL SetActiveTab(int iTab);
    CWnd* GetTabWnd(int iTab) const;
    BOOL GetTabLabel(int iTab, CString& strLabel) const;
    BOOL SetTabLabel(int iTab, const CString& strLabel);
    BOOL RemoveTab(int iTab, BOOL bRecalcLayout = TRUE);
    void RemoveAllTabs();
    void EnableTabSwap(BOOL bEnable) { (void)bEnable; }
    void SetImageList(UINT uiID, int cx = 15, COLORREF clrTransp = RGB(255, 0, 255));

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoTabCtrl"; }
};

class CMFCTabCtrl : public CMFCBaseTabCtrl {
    DECLARE_DYNAMIC(CMFCTabCtrl)
public:
    enum Style {
        STYLE_3D = 0,
        STYLE_FLAT = 1,
        STYLE_FLAT_SHARED_HORZ_SCROLL = 2,
        STYLE_3D_SCROLLED = 3,
        STYLE_3D_ONENOTE = 4,
        STYLE_3D_VS2005 = 5,
        STYLE_3D_ROUNDED = 6,
        STYLE_3D_ROUNDED_SCROLL = 7,
    };

    BOOL Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location location = LOCATION_BOTTOM,
                BOOL bCloseBtn = FALSE);
};
