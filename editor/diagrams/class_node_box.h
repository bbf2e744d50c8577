#pragma once

#include <map>
#include <string>
#include <vector>

#include "CUmlEntity.h"
#include "DiagramDocument.h"
#include "TreeNodeData.h"
#include "class_component_info.h"
#include "class_node_info.h"

class CDC;

// What the node and the router elements share. In the detailed form (a diagram of one node item) the element
// takes its node from the tree item, reads the components installed on it when its window is created and
// lists them one below the other; in the network form it shows the node record the view gave it. A click
// shows the node it shows in the properties pane (in the detailed form as its tree item).
class class_node_box : public CUmlEntity, public DiagramNodeEntity {
public:
    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    // The network form with a copy of the node record.
    void set_network_node(const class_node_info& node) override;
    // The detailed form with this node rather than the tree item's record (the node as the server holds it).
    void set_detailed_node(const class_node_info& node) {
        m_node = node;
        m_bNodeGiven = true;
    }
    const class_node_info& get_node_info() const override { return m_node; }
    bool is_detailed() const { return m_bDetailed; }
    const std::vector<class_component_info>& get_installed_components() const { return m_installed; }
    // Texts shown with a network-form element (the router lists them; the node grows by them).
    void add_text_entry(const std::string& text) {
        m_textEntries.emplace(text, static_cast<int>(m_textEntries.size()));
    }

protected:
    // The detailed form: 80 for every installed component and 200 besides.
    int detailed_height() const;
    // The installed components of the detailed form, each in a frame with icon 408 and its name.
    void paint_installed_components(CDC& dc) const;

    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

    bool m_bDetailed = true;
    bool m_bNodeGiven = false;  // set_detailed_node gave the node
    std::vector<class_component_info> m_installed;
    std::map<std::string, int> m_textEntries;  // ordered by text
    class_node_info m_node;

private:
    // The tree item with the node the element shows, for the properties pane: the message is posted.
    TreeNodeData m_shownItem;

    void load_installed_components();
};
