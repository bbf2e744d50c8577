#pragma once

#include <string>
#include <vector>

#include "CTreeCtrl.h"
#include "CWnd.h"
#include "class_method_info.h"

// The small tool window that a circle stub opens at the cursor: the method domain, the interface and its
// member methods as the serving side sees them ("on_" before calls and signals). Owned by the circle stub,
// whose window it belongs to.
class class_stub_circle_method_pop_up : public CWnd {
public:
    class_stub_circle_method_pop_up() = default;

    void set_names(const std::string& methodDomainName, const std::string& interfaceName);
    // A window of a class of its own (window-coloured background) whose top left corner is the cursor
    // position, `rect.right` wide and `rect.bottom` high; the tree will take its inside less 10 on every side.
    BOOL create_popup_window(const std::string& caption, const CRect& rect, CWnd* owner);
    // Creates the tree with the domain, the interface and the member methods, then sizes the window:
    // 10 x the longest child text wide, 10 x the rows high.
    void fill_method_tree(const std::vector<class_method_info>& members);

    CTreeCtrl& get_tree() { return m_tree; }
    const CRect& get_tree_rect() const { return m_treeRect; }

private:
    std::string m_strMethodDomainName;
    std::string m_strInterfaceName;
    CRect m_treeRect;
    CTreeCtrl m_tree;
};
