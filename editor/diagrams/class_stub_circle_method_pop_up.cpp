#include "class_stub_circle_method_pop_up.h"

#include "MemberMethodTree.h"

void class_stub_circle_method_pop_up::set_names(const std::string& methodDomainName, const std::string& interfaceName) {
    m_strMethodDomainName = methodDomainName;
    m_strInterfaceName = interfaceName;
}

BOOL class_stub_circle_method_pop_up::create_popup_window(const std::string& caption, const CRect& rect, CWnd* owner) {
    const LPCTSTR className = AfxRegisterWndClass(CS_VREDRAW | CS_HREDRAW, nullptr, GetSysColorBrush(COLOR_WINDOW));
    CPoint cursor;
    GetCursorPos(&cursor);
    const CRect window(cursor.x, cursor.y, cursor.x + rect.right, cursor.y + rect.bottom);
    m_treeRect = CRect(10, 10, window.Width() - 10, window.Height() - 10);
    return CreateEx(WS_EX_TOOLWINDOW, className, caption.c_str(), WS_POPUP | WS_VISIBLE | WS_CAPTION | WS_SYSMENU,
                    window, owner, 0);
}

void class_stub_circle_method_pop_up::fill_method_tree(const std::vector<class_method_info>& members) {
    m_tree.Create(
        WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT,
        m_treeRect, this, 4);
    const std::string domainText = "[Metod_Domain] : " + m_strMethodDomainName;
    const std::string interfaceText = "[Interface] : " + m_strInterfaceName;
    HTREEITEM domain = m_tree.InsertItem(domainText.c_str(), TVI_ROOT);
    m_tree.Expand(domain, TVE_EXPAND);
    HTREEITEM interfaceItem = m_tree.InsertItem(interfaceText.c_str(), domain);
    m_tree.Expand(domain, TVE_EXPAND);
    m_tree.Expand(interfaceItem, TVE_EXPAND);
    const MemberMethodRows filled = fill_member_methods(m_tree, interfaceItem, members, popup_member_passes());
    m_tree.Expand(interfaceItem, TVE_EXPAND);
    SetWindowPos(nullptr, 0, 0, 10 * static_cast<int>(filled.longest), 10 * (2 + filled.rows),
                 SWP_NOMOVE | SWP_NOZORDER);
    m_tree.SetLineColor(RGB(255, 255, 255));
}
