#pragma once

#include "CGdiObject.h"

// A pen: PS_SOLID, PS_DASH, PS_DOT, PS_NULL, width in pixels (0 is one pixel), colour.
class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    operator HPEN() const { return reinterpret_cast<HPEN>(m_hObject); }
    static CPen* FromHandle(HPEN hPen);
};
