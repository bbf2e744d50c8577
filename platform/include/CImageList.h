#pragma once

// An image list: images of one size cut from strip bitmaps, with a mask colour that becomes transparent.

#include "CObject.h"
#include "CPoint.h"
#include "WinDef.h"

class CBitmap;
class CDC;

#define ILC_MASK 0x00000001
#define ILC_COLOR 0x00000000
#define ILC_COLOR4 0x00000004
#define ILC_COLOR8 0x00000008
#define ILC_COLOR16 0x00000010
#define ILC_COLOR24 0x00000018
#define ILC_COLOR32 0x00000020
#define ILD_NORMAL 0x00000000
#define ILD_TRANSPARENT 0x00000001
#define CLR_NONE 0xFFFFFFFFL
#define CLR_DEFAULT 0xFF000000L

class CImageList : public CObject {
    DECLARE_DYNAMIC(CImageList)
public:
    CImageList();
    ~CImageList() override;
    CImageList(const CImageList&) = delete;
    CImageList& operator=(const CImageList&) = delete;

    HIMAGELIST m_hImageList = nullptr;
    operator HIMAGELIST() const { return m_hImageList; }
    HIMAGELIST GetSafeHandle() const { return m_hImageList; }

    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // Loads the bitmap and cuts it into images cx wide; crMask becomes transparent.
    BOOL Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();
    // Cuts the bitmap into images of the list's width; answers the index of the first one or -1.
    int Add(CBitmap* pbmImage, COLORREF crMask);
    int Add(CBitmap* pbmImage, CBitmap* pbmMask);
    int Add(HICON hIcon);
    BOOL Remove(int nImage);
    int GetImageCount() const;
    BOOL GetImageSize(int& cx, int& cy) const;
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle);
    COLORREF SetBkColor(COLORREF cr) { return cr; }
};
