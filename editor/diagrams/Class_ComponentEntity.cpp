#include "Class_ComponentEntity.h"

#include "CDC.h"
#include "CMysqlQuery.h"
#include "DiagramPaint.h"
#include "FrameMessages.h"
#include "Utf8.h"
#include "class_diagramscrollview.h"

BEGIN_MESSAGE_MAP(Class_ComponentEntity, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int kMargin = 2560;

}  // namespace

BOOL Class_ComponentEntity::CreateEntityWindow(CWnd* parent) {
    m_pView = dynamic_cast<class_diagramscrollview*>(parent);
    CRect area;
    parent->GetClientRect(&area);
    area.right = m_left + kMargin;
    area.bottom = m_top + kMargin;
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, area, parent, 0)) return FALSE;
    // Cut down at once: until its first paint the window would cover the elements below it.
    cut_to_box();
    return TRUE;
}

void Class_ComponentEntity::set_component_info(const class_component_info& component) {
    m_component = component;
    m_component.last_update.clear();
    m_width = 10 * static_cast<int>(tamo::platform::CodePageLength(component.name));
    m_height = 70;
    if (m_width < 99) m_width = 100;
}

void Class_ComponentEntity::load_node_info() {
    // A component of a domain's list is installed nowhere: no node has the id 0.
    if (m_component.deployment_id == 0) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodeInfo(db->FormatCall("call nodeViewnodeinfo(%d)", m_component.deployment_id), m_node) != 0)
        AfxMessageBox("node info 입력 실패");
}

void Class_ComponentEntity::cut_to_box() {
    CRgn region;
    region.CreateRectRgn(m_left, m_top, m_left + m_width, m_top + m_height);
    SetWindowRgn(region, FALSE);
}

void Class_ComponentEntity::OnPaint() {
    CPaintDC dc(this);
    if (m_left == 0) return;
    cut_to_box();
    const CRect box = GetRect();
    CPen white(PS_SOLID, 2, RGB(255, 255, 255));
    CPen* oldPen = dc.SelectObject(&white);
    dc.Rectangle(box);
    dc.SelectObject(oldPen);
    dc.Rectangle(box);
    // The component symbol: a body with two tabs.
    dc.Rectangle(box.right - 20, box.top + 5, box.right - 5, box.top + 28);
    dc.Rectangle(box.right - 22, box.top + 8, box.right - 15, box.top + 15);
    dc.Rectangle(box.right - 22, box.top + 18, box.right - 15, box.top + 25);
    if (m_component.component_id == 0) return;

    dc.SetBkMode(TRANSPARENT);
    CFont nameFont, nodeFont;
    create_diagram_font(nameFont, 14, "신명조", 700);
    create_diagram_font(nodeFont, 10, "명조", 100);
    CFont* oldFont = dc.SelectObject(&nameFont);
    const std::string name = m_component.name + "\n\n";
    CRect nameArea(box.left + 10, box.top + 30, box.right, box.bottom);
    dc.DrawText(name.c_str(), -1, &nameArea, DT_CENTER | DT_END_ELLIPSIS);
    dc.SelectObject(&nodeFont);
    CRect nodeArea(box.left + 10, box.top + 49, box.right, box.bottom);
    dc.DrawText(m_node.name.c_str(), -1, &nodeArea, DT_CENTER);
    dc.SelectObject(oldFont);
}

void Class_ComponentEntity::OnLButtonDown(UINT nFlags, CPoint point) {
    // The properties pane reads the record while the message is handled; the item lives only for the call.
    TreeNodeData item(m_nReportedKind, nullptr, &m_component, "");
    if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_SHOW_ITEM_PROPERTIES, 1, reinterpret_cast<LPARAM>(&item));
    if (m_nReportedKind == TREE_COMPONENT && m_pView) m_pView->select_uml_lines(GetRect());
    CUmlEntity::OnLButtonDown(nFlags, point);
}
