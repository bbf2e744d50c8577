#pragma once

// The frame library's look: one look here, so the visual managers and docking settings are accepted and
// remembered only. afxGlobalData gives the regular and bold fonts of the look.

#include "CFont.h"
#include "CWnd.h"

class CMFCVisualManager : public CObject {
    DECLARE_DYNCREATE(CMFCVisualManager)
public:
    static void SetDefaultManager(CRuntimeClass* pRTI);
    static CMFCVisualManager* GetInstance();
};

class CMFCVisualManagerOffice2003 : public CMFCVisualManager {
    DECLARE_DYNCREATE(CMFCVisualManagerOffice2003)
};
class CMFCVisualManagerVS2005 : public CMFCVisualManagerOffice2003 {
    DECLARE_DYNCREATE(CMFCVisualManagerVS2005)
};
class CMFCVisualManagerVS2008 : public CMFCVisualManagerVS2005 {
    DECLARE_DYNCREATE(CMFCVisualManagerVS2008)
};
class CMFCVisualManagerWindows : public CMFCVisualManager {
    DECLARE_DYNCREATE(CMFCVisualManagerWindows)
};

class CDockingManager {
public:
    static void SetDockingMode(int dockMode) { s_dockingMode = dockMode; }
    static int GetDockingMode() { return s_dockingMode; }

private:
    static inline int s_dockingMode = 0;
};

struct AFX_GLOBAL_DATA {
    CFont fontRegular;
    CFont fontBold;
    CFont fontTooltip;
    BOOL m_bUseSystemFont = FALSE;
};
AFX_GLOBAL_DATA& GetGlobalData();
#define afxGlobalData GetGlobalData()
