#pragma once

#include "CGdiObject.h"

// A region: rectangles, ellipses and polygons combined with RGN_AND, RGN_OR, RGN_XOR, RGN_DIFF.
class CRgn : public CGdiObject {
    DECLARE_DYNAMIC(CRgn)
public:
    CRgn() = default;
    BOOL CreateRectRgn(int x1, int y1, int x2, int y2);
    BOOL CreateRectRgnIndirect(LPCRECT lpRect);
    BOOL CreateEllipticRgn(int x1, int y1, int x2, int y2);
    BOOL CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode);
    // Sets this region (created before) to the combination of two regions; answers the region's kind.
    int CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode);
    int CopyRgn(const CRgn* pRgnSrc);
    BOOL PtInRegion(int x, int y) const;
    BOOL PtInRegion(POINT point) const { return PtInRegion(point.x, point.y); }
    BOOL RectInRegion(LPCRECT lpRect) const;
    int GetRgnBox(LPRECT lpRect) const;
    int OffsetRgn(int x, int y);
    void SetRectRgn(int x1, int y1, int x2, int y2);
    BOOL EqualRgn(const CRgn* pRgn) const;
    operator HRGN() const { return reinterpret_cast<HRGN>(m_hObject); }
    static CRgn* FromHandle(HRGN hRgn);
};
