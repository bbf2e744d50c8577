#pragma once

#include "CGdiObject.h"

// A bitmap from the resources (LoadBitmap) or of a given size.
class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    CBitmap() = default;
    BOOL LoadBitmap(UINT nIDResource);
    BOOL CreateBitmap(int nWidth, int nHeight, UINT nPlanes, UINT nBitcount, const void* lpBits);
    int GetBitmap(BITMAP* pBitMap) const;
    CSize GetBitmapDimension() const;
    operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }
};
