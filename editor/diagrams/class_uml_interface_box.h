#pragma once

#include <string>
#include <vector>

#include "CTreeCtrl.h"
#include "CUmlEntity.h"
#include "MemberMethodTree.h"
#include "class_method_info.h"

// What the proxy and the stub interface boxes share: a box with a title band ("<< proxy_interface >>" and the
// interface name above a line at y 37) and, in display mode 1, a tree of the interface's member methods read
// from the design database when the window is created; the box then takes its size from the tree. A click
// highlights the connectors that touch the box.
class class_uml_interface_box : public CUmlEntity {
public:
    // 1: box with the member-method tree, the relation taken from the item's record (the default);
    // 3: title without the "proxy_"/"stub_" prefix; any other value: box without tree.
    void set_display_mode(int mode) { m_nDisplayMode = mode; }
    int get_display_mode() const { return m_nDisplayMode; }

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    // Reads the interface's member methods (the list is emptied first); a failure is reported and leaves the
    // list empty.
    void set_membermethodinfo();
    // Fills the tree with the member methods and sizes the box: 10 x the longest child text wide, the tree's
    // item height x the rows high.
    void make_membermethod_text();

    const std::vector<class_method_info>& get_member_methods() const { return m_memberMethods; }
    CTreeCtrl& get_tree() { return m_tree; }

protected:
    // The relation (interface class) the box shows, as the two kinds keep it.
    virtual int relation_method_domain_id() const = 0;
    virtual const std::string& relation_interface_name() const = 0;
    // Display mode 1: the relation is the record of the element's tree item.
    virtual void copy_relation_from_item() = 0;
    virtual const char* title_prefix() const = 0;     // "proxy_" or "stub_"
    virtual const char* load_error_text() const = 0;  // the box shown when the member methods cannot be read
    virtual const std::vector<MemberMethodPass>& member_passes() const = 0;

    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    int m_nDisplayMode = 1;
    CRect m_treeRect;
    std::vector<class_method_info> m_memberMethods;
    CWnd* m_pParent = nullptr;  // the diagram view; not owned
    CTreeCtrl m_tree;
};
