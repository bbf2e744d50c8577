#pragma once

#include "CUmlEntity.h"
#include "DiagramDocument.h"
#include "class_node_info.h"

// A node inside a network: a tall box coloured by its type (computer, sensor, sub-system) with its name
// running downward. A click highlights the sub-system lines below it.
class class_uml_inside_pc : public CUmlEntity, public DiagramNodeEntity {
public:
    class_uml_inside_pc() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    void set_network_node(const class_node_info& node) override { m_node = node; }
    const class_node_info& get_node_info() const override { return m_node; }
    // The colour of the box for a node type.
    static COLORREF fill_colour(const std::string& type);

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    class_node_info m_node;
    CWnd* m_pParent = nullptr;  // the diagram view; not owned
};
