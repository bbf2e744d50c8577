#include "class_switch.h"

#include "AfxRes.h"
#include "CDC.h"
#include "CMysqlQuery.h"
#include "DiagramPaint.h"
#include "TreeNodeData.h"

BEGIN_MESSAGE_MAP(class_switch, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void class_switch::set_network_node(const class_node_info& node) {
    m_bDetailed = false;
    m_node = node;
}

BOOL class_switch::CreateEntityWindow(CWnd* parent) {
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, GetRect(), parent, AFX_IDW_PANE_FIRST)) return FALSE;
    if (m_bDetailed)
        if (const auto* item = static_cast<const TreeNodeData*>(GetItemInfo()); item && item->record)
            m_node = *static_cast<const class_node_info*>(item->record);
    load_connections();
    return TRUE;
}

void class_switch::load_connections() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectSwitchNetworkList(db->FormatCall("call networkLinkViewConnectSwitch(%d)", m_node.id),
                                    m_networkRows) != 0) {
        db->ShowLastError();
        return;
    }
    m_connections.clear();
    for (const class_network_info& row : m_networkRows) m_connections.emplace(row.network, row.id);
}

void class_switch::OnPaint() {
    CPaintDC dc(this);
    SetWindowPos(nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER);
    dc.Rectangle(0, 0, m_width, m_height);
    dc.DrawIcon(m_width - 40, 5, diagram_icon(m_node.type == "switch" ? 411 : 412));

    dc.SetBkMode(TRANSPARENT);
    CFont nameFont, listFont;
    create_diagram_font(nameFont, 12, "신명조");
    create_diagram_font(listFont, 10, "신명조");
    CFont* old = dc.SelectObject(&nameFont);
    CRect name(0, 15, m_width, m_height);
    dc.DrawText(m_node.name.c_str(), -1, &name, DT_CENTER | DT_SINGLELINE);
    std::string connected;
    for (const auto& [text, node] : m_connections) connected += "( " + text + (m_bDetailed ? " ) \n" : " ) ");
    dc.SelectObject(&listFont);
    CRect list(0, 32, m_width, m_height);
    dc.DrawText(connected.c_str(), -1, &list, DT_CENTER | DT_WORDBREAK);
    dc.SelectObject(old);
}

void class_switch::redraw() { RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

void class_switch::OnLButtonDown(UINT nFlags, CPoint point) {
    if (m_bListShown) {
        m_listWindow.clear_lists();
        m_listWindow.DestroyWindow();
        m_bListShown = false;
        redraw();
    } else {
        m_bListShown = true;
        redraw();
        const int left = point.x + m_left;
        const int top = point.y + m_top;
        const CRect place(left, top, left + 500, top + 22 * static_cast<int>(m_networkRows.size()) + 500);
        m_listWindow.set_place(place);
        if (m_listWindow.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, place, GetParent(), AFX_IDW_PANE_FIRST))
            m_listWindow.set_switch_info_list(m_networkRows);
    }
    CUmlEntity::OnLButtonDown(nFlags, point);
}
