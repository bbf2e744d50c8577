#include "class_node.h"

#include "CDC.h"
#include "DiagramPaint.h"

BEGIN_MESSAGE_MAP(class_node, class_node_box)
    ON_WM_PAINT()
END_MESSAGE_MAP()

BOOL class_node::CreateEntityWindow(CWnd* parent) {
    const int entries = static_cast<int>(m_textEntries.size());
    if (entries > 5) m_height += 10 * entries - 50;
    if (!class_node_box::CreateEntityWindow(parent)) return FALSE;
    if (m_bDetailed && m_node.type == "urouter") m_nIconKind = 8;
    return TRUE;
}

void class_node::OnPaint() {
    CPaintDC dc(this);
    if (m_bDetailed) {
        m_height = detailed_height();
        SetWindowPos(nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER);
    }
    dc.Rectangle(0, 0, m_width, m_height);
    dc.DrawIcon(m_width - 40, 5, diagram_icon(m_nIconKind == 10 ? 407 : 412));

    CFont font;
    create_diagram_font(font, m_bDetailed ? 15 : 10, "신명조");
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    CRect name(10, 50, m_width, m_height);
    dc.DrawText(m_node.name.c_str(), -1, &name, DT_CENTER | DT_VCENTER | DT_WORDBREAK);
    if (m_bDetailed) paint_installed_components(dc);
    dc.SelectObject(old);
}
