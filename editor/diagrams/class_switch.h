#pragma once

#include <map>
#include <string>
#include <vector>

#include "CUmlEntity.h"
#include "DiagramDocument.h"
#include "class_network_info.h"
#include "class_node_info.h"
#include "class_uml_switch_stub_interface.h"

// A switch: icon 411, its name and the nodes connected to it; in the network diagram a wide bar. A click
// opens the list of the stub objects behind it below the point clicked, the next click closes it.
class class_switch : public CUmlEntity, public DiagramNodeEntity {
public:
    class_switch() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_network_node(const class_node_info& node) override;
    const class_node_info& get_node_info() const override { return m_node; }
    bool is_detailed() const { return m_bDetailed; }
    bool is_list_shown() const { return m_bListShown; }
    // The names of the connected nodes, each once, with the node id.
    const std::map<std::string, int>& get_connections() const { return m_connections; }
    const std::vector<class_network_info>& get_network_rows() const { return m_networkRows; }
    class_uml_switch_stub_interface& get_list_window() { return m_listWindow; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void load_connections();
    void redraw();

    bool m_bDetailed = true;
    bool m_bListShown = false;
    std::map<std::string, int> m_connections;
    std::vector<class_network_info> m_networkRows;
    class_node_info m_node;
    class_uml_switch_stub_interface m_listWindow;
};
