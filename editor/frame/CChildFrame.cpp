#include "CChildFrame.h"

IMPLEMENT_DYNCREATE(CChildFrame, CMDIChildWndEx)

BOOL CChildFrame::PreCreateWindow(CREATESTRUCT& cs) {
    if (!CMDIChildWndEx::PreCreateWindow(cs)) return FALSE;
    cs.style &= ~FWS_ADDTOTITLE;
    return TRUE;
}
