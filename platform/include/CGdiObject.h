#pragma once

// GDI objects: pens, brushes, fonts, bitmaps and regions. Each object owns its handle (m_hObject) and
// deletes it with DeleteObject or its destructor.

#include "CObject.h"
#include "CPoint.h"
#include "CRect.h"
#include "CString.h"
#include "WinDef.h"
#include "WinGdi.h"

class CGdiObject : public CObject {
    DECLARE_DYNAMIC(CGdiObject)
public:
    CGdiObject() = default;
    ~CGdiObject() override;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;

    HGDIOBJ m_hObject = nullptr;
    operator HGDIOBJ() const { return m_hObject; }
    HGDIOBJ GetSafeHandle() const { return m_hObject; }

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    BOOL CreateStockObject(int nIndex);
};

HGDIOBJ GetStockObject(int nIndex);
BOOL DeleteObject(HGDIOBJ hObject);
BOOL SystemParametersInfo(UINT uiAction, UINT uiParam, LPVOID pvParam, UINT fWinIni);
