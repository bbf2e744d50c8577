#pragma once

#include "CWnd.h"

// Tooltips are shown by the platform itself; this class exists for the frame library's names.
class CToolTipCtrl : public CWnd {
    DECLARE_DYNAMIC(CToolTipCtrl)
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
