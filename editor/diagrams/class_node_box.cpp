#include "class_node_box.h"

#include "AfxRes.h"
#include "CDC.h"
#include "CMysqlQuery.h"
#include "DiagramPaint.h"
#include "FrameMessages.h"
#include "TreeNodeData.h"

BEGIN_MESSAGE_MAP(class_node_box, CUmlEntity)
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr UINT kInstalledComponentIcon = 408;

}  // namespace

void class_node_box::set_network_node(const class_node_info& node) {
    m_bDetailed = false;
    m_node = node;
}

BOOL class_node_box::CreateEntityWindow(CWnd* parent) {
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, GetRect(), parent, AFX_IDW_PANE_FIRST))
        return FALSE;
    if (m_bDetailed) {
        if (const auto* item = static_cast<const TreeNodeData*>(GetItemInfo()); !m_bNodeGiven && item && item->record)
            m_node = *static_cast<const class_node_info*>(item->record);
        load_installed_components();
        // The height its paints give it, known from now on, so that the view can make room for it.
        m_height = detailed_height();
        SetWindowPos(nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER);
    }
    return TRUE;
}

void class_node_box::load_installed_components() {
    m_installed.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectInstalledComponentList(
            db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", m_node.domain_id, m_node.id), m_installed) !=
        0)
        db->ShowLastError();
}

int class_node_box::detailed_height() const { return 80 * static_cast<int>(m_installed.size()) + 200; }

void class_node_box::paint_installed_components(CDC& dc) const {
    const HICON icon = diagram_icon(kInstalledComponentIcon);
    for (std::size_t i = 0; i < m_installed.size(); ++i) {
        const int y = 102 + 70 * static_cast<int>(i);
        dc.Rectangle(10, y - 2, m_width - 10, y + 58);
        dc.DrawIcon(m_width - 50, y, icon);
        CRect name(10, y - 2, m_width - 10, y + 48);
        dc.DrawText(m_installed[i].name.c_str(), -1, &name, DT_CENTER | DT_SINGLELINE | DT_BOTTOM);
    }
}

void class_node_box::OnLButtonDown(UINT nFlags, CPoint point) {
    // Posted: the properties pane is filled once the click is over. The node record lives with the element.
    if (CWnd* main = AfxGetMainWnd()) {
        if (!m_bDetailed)
            main->PostMessage(WM_SHOW_NODE_PROPERTIES, 10, reinterpret_cast<LPARAM>(&m_node));
        else if (const auto* item = static_cast<const TreeNodeData*>(GetItemInfo())) {
            // The node as the element shows it, read when the diagram was drawn, not the tree's older record.
            m_shownItem = *item;
            m_shownItem.record = &m_node;
            main->PostMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(&m_shownItem));
        }
    }
    CUmlEntity::OnLButtonDown(nFlags, point);
}
