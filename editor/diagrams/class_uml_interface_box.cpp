#include "class_uml_interface_box.h"

#include "AfxRes.h"
#include "CDC.h"
#include "CMysqlQuery.h"
#include "DiagramPaint.h"
#include "class_diagramscrollview.h"

BEGIN_MESSAGE_MAP(class_uml_interface_box, CUmlEntity)
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

namespace {

constexpr int kTitleBand = 37;
constexpr UINT kTreeId = 4;

}  // namespace

BOOL class_uml_interface_box::CreateEntityWindow(CWnd* parent) {
    m_pParent = parent;
    if (m_nDisplayMode == 1) copy_relation_from_item();
    if (!Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE | WS_BORDER, GetRect(), parent, AFX_IDW_PANE_FIRST))
        return FALSE;
    if (m_nDisplayMode == 1) {
        m_treeRect = CRect(10, 50, m_width - 20, m_height - 20);
        m_tree.Create(
            WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
            m_treeRect, this, kTreeId);
        make_membermethod_text();
    }
    return TRUE;
}

void class_uml_interface_box::set_membermethodinfo() {
    m_memberMethods.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString call = db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')",
                                        relation_method_domain_id(), relation_interface_name());
    if (db->SelectMemberMethodList(call, m_memberMethods) != 0) {
        m_memberMethods.clear();
        AfxMessageBox(load_error_text());
    }
}

void class_uml_interface_box::make_membermethod_text() {
    m_tree.DeleteAllItems();
    set_membermethodinfo();
    const MemberMethodRows filled = fill_member_methods(m_tree, TVI_ROOT, m_memberMethods, member_passes());
    m_width = 10 * static_cast<int>(filled.longest);
    m_height = m_tree.GetItemHeight() * filled.rows;
    m_tree.SetLineColor(RGB(255, 255, 255));
}

void class_uml_interface_box::OnPaint() {
    CPaintDC dc(this);
    SetWindowPos(nullptr, 0, 0, m_width, m_height, SWP_NOMOVE | SWP_NOZORDER);
    dc.Rectangle(0, 0, m_width, m_height);
    dc.MoveTo(0, kTitleBand);
    dc.LineTo(m_width, kTitleBand);
    if (m_nDisplayMode == 1 && m_tree.GetSafeHwnd()) m_tree.MoveWindow(10, 50, m_width - 20, m_height - 20);

    dc.SetBkMode(TRANSPARENT);
    const std::string title = std::string("<< ") + (m_nDisplayMode == 3 ? "" : title_prefix()) + "interface >> \n";
    CFont titleFont, nameFont;
    create_diagram_font(titleFont, 10, "신명조");
    create_diagram_font(nameFont, 11, "신명조");
    CFont* old = dc.SelectObject(&titleFont);
    CRect titleArea(0, 0, m_width, kTitleBand);
    dc.DrawText(title.c_str(), -1, &titleArea, DT_CENTER);
    dc.SelectObject(&nameFont);
    CRect nameArea(0, 20, m_width, kTitleBand);
    dc.DrawText(relation_interface_name().c_str(), -1, &nameArea, DT_CENTER | DT_END_ELLIPSIS);
    dc.SelectObject(old);
}

void class_uml_interface_box::OnLButtonDown(UINT nFlags, CPoint point) {
    if (auto* view = dynamic_cast<class_diagramscrollview*>(m_pParent)) view->select_uml_lines(GetRect());
    CUmlEntity::OnLButtonDown(nFlags, point);
}
