#pragma once

#include "CUmlEntity.h"
#include "DiagramDocument.h"
#include "TreeNodeData.h"
#include "class_component_info.h"
#include "class_node_info.h"

class class_diagramscrollview;

// The box of a component: its name, the node it is installed on and the component symbol at the top right.
// Its window covers the view from the top left down to 2560 past the box and is cut to the box by a window
// region, so that the box can be moved (the deployed-components diagram moves boxes) and still paint in place.
// A click shows the component in the properties pane.
class Class_ComponentEntity : public CUmlEntity, public DiagramComponentEntity {
public:
    Class_ComponentEntity() = default;

    BOOL CreateEntityWindow(CWnd* parent) override;
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override { delete this; }

    // Copies every field but the last-update text; the box becomes 10 x the name's length wide (at least 100)
    // and 70 high.
    void set_component_info(const class_component_info& component);
    // Reads the node the component is installed on (the component's first number; 0, installed nowhere, reads
    // nothing); a failure is reported.
    void load_node_info();
    void set_node_info(const class_node_info& node) { m_node = node; }
    // The item kind a click reports with the component record: 14 (a component) unless the builder says 17
    // (a component installed on a node).
    void set_reported_item_kind(int kind) { m_nReportedKind = kind; }
    int get_reported_item_kind() const { return m_nReportedKind; }

    const class_component_info& get_component_info() const override { return m_component; }
    const class_node_info& get_node_info() const { return m_node; }

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    void cut_to_box();

    int m_nReportedKind = TREE_COMPONENT;
    class_component_info m_component;
    class_node_info m_node;
    class_diagramscrollview* m_pView = nullptr;  // the parent; not owned
};
