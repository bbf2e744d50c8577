#include "class_uml_router.h"

#include "CDC.h"
#include "DiagramPaint.h"

BEGIN_MESSAGE_MAP(class_uml_router, class_node_box)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void class_uml_router::OnPaint() {
    CPaintDC dc(this);
    if (m_bDetailed) m_height = detailed_height();
    SetWindowPos(nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER);
    dc.Rectangle(0, 0, m_width, m_height);
    dc.DrawIcon(m_width - 40, 5, diagram_icon(412));

    CFont font;
    create_diagram_font(font, 15, "신명조");
    CFont* old = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    CRect name(0, 15, m_width, m_height);
    dc.DrawText(m_node.name.c_str(), -1, &name, DT_CENTER | DT_SINGLELINE);
    if (m_bDetailed) {
        paint_installed_components(dc);
    } else {
        int row = 0;
        for (const auto& [text, order] : m_textEntries) {
            CRect line(0, 60 + 11 * row++, m_width, m_height);
            dc.DrawText(text.c_str(), -1, &line, DT_CENTER | DT_WORDBREAK);
        }
    }
    dc.SelectObject(old);
}
