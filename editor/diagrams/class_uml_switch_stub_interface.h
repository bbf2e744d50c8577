#pragma once

#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "CWnd.h"
#include "class_network_info.h"

// The list that a switch opens below the point clicked: for every node connected to the switch, the stub
// objects of the components installed there, one line each ("(IP)192.168.1.10 (Interface) IWaypoint  : (ID)
// 201"). A window of the switch element, which creates and destroys it.
class class_uml_switch_stub_interface : public CWnd {
public:
    // A component installed on a node connected to the switch: the node, the component, the node's IP text.
    using sub_component = std::tuple<int, int, std::string>;

    class_uml_switch_stub_interface() = default;

    // Where the switch placed the window.
    void set_place(const CRect& rect) {
        m_left = rect.left, m_top = rect.top, m_right = rect.right, m_bottom = rect.bottom;
    }
    // Copies the switch's network rows and reads the components installed on each row's node and their stub
    // entries into the lines.
    void set_switch_info_list(const std::vector<class_network_info>& rows);
    void clear_lists();

    const std::vector<std::string>& get_lines() const { return m_lines; }
    const std::vector<sub_component>& get_sub_components() const { return m_subComponents; }
    int get_longest_line() const { return m_nLongestLine; }

protected:
    afx_msg void OnPaint();
    DECLARE_MESSAGE_MAP()

private:
    int m_left = 0;
    int m_top = 0;
    int m_right = 0;
    int m_bottom = 0;
    int m_nLongestLine = 0;  // in characters of the original code page
    std::vector<class_network_info> m_networkRows;
    std::vector<std::string> m_lines;
    std::vector<sub_component> m_subComponents;
    std::set<sub_component> m_pairs;
};
