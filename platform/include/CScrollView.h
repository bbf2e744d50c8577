#pragma once

// A view that scrolls over an extent set by SetScrollSizes. Child windows of the view are placed in the
// extent's coordinates and scroll with it.

#include "CView.h"

class CScrollView : public CView {
    DECLARE_DYNAMIC(CScrollView)
public:
    static const SIZE sizeDefault;

    CScrollView() = default;
    void SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage = sizeDefault,
                        const SIZE& sizeLine = sizeDefault);
    CSize GetTotalSize() const { return m_totalLog; }
    CPoint GetScrollPosition() const;
    void ScrollToPosition(POINT pt);
    int GetMapMode() const { return m_nMapMode; }

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoScrollView"; }
    afx_msg void OnSize(UINT nType, int cx, int cy);
    int m_nMapMode = 0;
    CSize m_totalLog;
    CSize m_pageDev;
    CSize m_lineDev;
    DECLARE_MESSAGE_MAP()
};
