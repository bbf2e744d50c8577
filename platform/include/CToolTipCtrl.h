#pragma once

#include "CWnd.h"

// A tooltip window ("tooltips_class32"): a top-most pop-up without a caption that shows one line of text.
// Before it shows, it sends TTN_SHOW (an NMHDR) as WM_NOTIFY to the window that created it. A tree control has
// one of its own (CTreeCtrl::GetToolTips); the other tooltips of the frame library are the platform's.
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
public:
    BOOL Create(CWnd* pParentWnd, DWORD dwStyle = 0);
};

class CMFCToolTipCtrl : public CToolTipCtrl {
    DECLARE_DYNCREATE(CMFCToolTipCtrl)
};

struct CMFCToolTipInfo {
    BOOL m_bBoldLabel = TRUE;
    BOOL m_bDrawDescription = TRUE;
    BOOL m_bDrawIcon = TRUE;
    BOOL m_bRoundedCorners = FALSE;
    BOOL m_bShowSeparator = TRUE;
    BOOL m_bVislManagerTheme = FALSE;
    BOOL m_bBalloonTooltip = FALSE;
    BOOL m_bDrawSeparator = FALSE;
    int m_nMaxDescrWidth = 200;
    int m_nGradientAngle = -1;
};
