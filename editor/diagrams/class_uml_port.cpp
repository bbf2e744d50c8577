#include "class_uml_port.h"

#include "AfxRes.h"
#include "CDC.h"
#include "DiagramPaint.h"

BEGIN_MESSAGE_MAP(class_uml_port, CUmlEntity)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL class_uml_port::CreateEntityWindow(CWnd* parent) {
    const CRect box(m_left - 6, m_top - 6, m_left + 6, m_top + 6);
    SetSize(12, 12);
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, box, parent, AFX_IDW_PANE_FIRST)) return FALSE;
    // Above the line it ends; raised once, since ports a few units apart would raise one another in every paint.
    SetWindowPos(&wndTopMost, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    return TRUE;
}

void class_uml_port::OnPaint() {
    CPaintDC dc(this);
    dc.Rectangle(0, 0, 12, 12);
    CFont font;
    create_diagram_font(font, 10, "궁서", 900);
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    CRect text(0, 0, m_width, m_height);
    dc.DrawText(m_strPort.c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    dc.SelectObject(old);
}
