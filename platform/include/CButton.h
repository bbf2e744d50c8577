#pragma once

// Button ("Button"): push and default push buttons, check boxes (auto, 3-state), radio buttons and group
// boxes by BS_ style. BN_CLICKED reaches the parent when the user clicks, after an auto button changed its
// state; SetCheck from the program sends nothing. Auto radio buttons uncheck the others of their group (from
// a WS_GROUP button up to the next) when the user clicks one.

#include "CWnd.h"

class CBitmap;

#define BM_GETCHECK 0x00F0
#define BM_SETCHECK 0x00F1
#define BM_GETSTATE 0x00F2
#define BM_SETSTATE 0x00F3
#define BM_SETSTYLE 0x00F4
#define BM_CLICK 0x00F5

class CButton : public CWnd {
    DECLARE_DYNAMIC(CButton)
public:
    CButton() = default;
    BOOL Create(LPCTSTR lpszCaption, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCheck() const;
    void SetCheck(int nCheck);
    UINT GetState() const;
    void SetState(BOOL bHighlight);
    UINT GetButtonStyle() const;
    void SetButtonStyle(UINT nStyle, BOOL bRedraw = TRUE);
    HICON SetIcon(HICON hIcon);
    // Presses the button as the user would: the state changes and BN_CLICKED goes to the parent.
    void Click();

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "Button"; }
};
