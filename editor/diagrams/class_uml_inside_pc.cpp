#include "class_uml_inside_pc.h"

#include "AfxRes.h"
#include "CDC.h"
#include "DiagramPaint.h"
#include "class_diagramscrollview.h"

BEGIN_MESSAGE_MAP(class_uml_inside_pc, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

COLORREF class_uml_inside_pc::fill_colour(const std::string& type) {
    if (type == "computer") return RGB(230, 255, 255);
    if (type == "sensor") return RGB(255, 216, 216);
    if (type == "sub_system") return RGB(255, 255, 162);
    return RGB(255, 255, 255);
}

BOOL class_uml_inside_pc::CreateEntityWindow(CWnd* parent) {
    m_pParent = parent;
    return Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, GetRect(), parent, AFX_IDW_PANE_FIRST);
}

void class_uml_inside_pc::OnPaint() {
    CPaintDC dc(this);
    CBrush fill(fill_colour(m_node.type));
    CBrush* oldBrush = dc.SelectObject(&fill);
    dc.Rectangle(0, 0, m_width, m_height);
    dc.SelectObject(oldBrush);

    CFont font;
    create_diagram_font(font, 14, "굴림체", FW_NORMAL, 2700);
    CFont* oldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.TextOut(m_width / 2 + 7, 20, m_node.name.c_str());
    dc.SelectObject(oldFont);
}

void class_uml_inside_pc::OnLButtonDown(UINT nFlags, CPoint point) {
    if (auto* view = dynamic_cast<class_diagramscrollview*>(m_pParent))
        view->highlight_sub_system_lines(m_left, m_left + m_width);
    CUmlEntity::OnLButtonDown(nFlags, point);
}
