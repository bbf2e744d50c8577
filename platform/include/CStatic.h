#pragma once

// Static control ("Static"): text (SS_LEFT wraps words, SS_LEFTNOWORDWRAP does not, SS_CENTER, SS_RIGHT),
// icon (SS_ICON), frames and a sunken or static edge. "&" marks a mnemonic unless SS_NOPREFIX.

#include "CWnd.h"

#define SS_NOPREFIX 0x00000080L

class CStatic : public CWnd {
    DECLARE_DYNAMIC(CStatic)
public:
    CStatic() = default;
    BOOL Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID = 0xffff);
    HICON SetIcon(HICON hIcon);
    HICON GetIcon() const;

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "Static"; }
};
