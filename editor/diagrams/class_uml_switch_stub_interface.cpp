#include "class_uml_switch_stub_interface.h"

#include <algorithm>

#include "CDC.h"
#include "CMysqlQuery.h"
#include "Utf8.h"

BEGIN_MESSAGE_MAP(class_uml_switch_stub_interface, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void class_uml_switch_stub_interface::set_switch_info_list(const std::vector<class_network_info>& rows) {
    m_networkRows = rows;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    for (const class_network_info& row : m_networkRows) {
        std::vector<int> components;
        if (db->SelectIdList(db->FormatCall("call switchSubComponentInfo(%d)", row.id), components) != 0) {
            db->ShowLastError();
            continue;
        }
        for (const int component : components) {
            m_subComponents.emplace_back(row.id, component, row.ip);
            m_pairs.emplace(row.id, component, row.ip);
        }
    }
    for (const auto& [node, component, ip] : m_pairs) {
        std::vector<class_custum_table> stubs;
        if (db->SelectCustomStubTable(db->FormatCall("call coustim_stubViewlistinfo(%d, %d)", node, component),
                                      stubs) != 0) {
            db->ShowLastError();
            break;
        }
        for (const class_custum_table& stub : stubs) {
            m_lines.push_back("(IP)" + ip + " (Interface) " + stub.interface_name + "  : (ID) " + stub.object_id);
            m_nLongestLine = std::max(m_nLongestLine, static_cast<int>(tamo::platform::CodePageLength(m_lines.back())));
        }
    }
    Invalidate();
}

void class_uml_switch_stub_interface::clear_lists() {
    m_networkRows.clear();
    m_lines.clear();
    m_subComponents.clear();
}

void class_uml_switch_stub_interface::OnPaint() {
    CPaintDC dc(this);
    const int width = 7 * m_nLongestLine;
    const int height = 22 * static_cast<int>(m_lines.size());
    SetWindowPos(&wndTop, 0, 0, width, height, SWP_NOMOVE);
    CPen blue(PS_SOLID, 2, RGB(0, 0, 255));
    CPen* old = dc.SelectObject(&blue);
    dc.Rectangle(0, 0, width, height);
    dc.SelectObject(old);
    for (std::size_t i = 0; i < m_lines.size(); ++i) dc.TextOut(10, 10 + 20 * static_cast<int>(i), m_lines[i].c_str());
}
