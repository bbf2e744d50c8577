#pragma once

#include <string>
#include <vector>

#include "CScrollView.h"
#include "DiagramTreeItem.h"

class CUmlEntity;
class DiagramDocument;
class class_network_link_info;
class class_node_info;

// The command of the view's context menu that builds the diagram again from the database.
#define REDROW_DIAGRAM 33070

// The view of every diagram window and of the help window. Each element of the diagram is a child window of
// the view that paints itself; the view keeps the scroll extent, remembers the tree item and diagram kind it
// shows so the diagram can be built again, paints the help text in the help window, and places elements and
// routes lines for the builders.
class class_diagramscrollview : public CScrollView {
    DECLARE_DYNCREATE(class_diagramscrollview)
public:
    class_diagramscrollview() = default;

    DiagramDocument* get_diagram_document() const;

    // What the diagram shows.
    void set_diagram_items(const DiagramTreeItem& item, const DiagramTreeItem& second);
    const DiagramTreeItem& get_diagram_item() const { return m_diagramItem; }
    const DiagramTreeItem& get_second_item() const { return m_secondItem; }
    void set_diagram_kind(int kind) { m_nDiagramKind = kind; }
    int get_diagram_kind() const { return m_nDiagramKind; }
    const std::string& get_help_text() const { return m_strHelpText; }

    // The scroll extent grows to at least (width, height); the scroll sizes follow.
    void grow_extent(int width, int height);
    CSize get_extent() const { return CSize(m_nExtentWidth, m_nExtentHeight); }
    // The extent grows to cover what every element of the diagram draws, with a little room right of and below
    // it, so that each can be scrolled into view whatever the window's size. Every build ends with it.
    void cover_elements();
    // What an element draws, in the view's coordinates: a box's rectangle, the bounds of a line's points.
    static CRect drawn_bounds(const CUmlEntity& element);

    // Network bars: every switch (router) gets width x 60; a diagram with elements becomes width + 250 wide.
    void resize_switches(int width);
    void resize_routers(int width);
    void add_router(CPoint point, const class_node_info& node);
    void add_switch(CPoint point, const class_node_info& node);
    void add_inside_pc(CPoint point, const class_node_info& node, int width, int height);
    // The rectangle of the first component with that component id or switch, router or PC with that node id;
    // the rectangle stays as the caller set it when there is none.
    void find_node_entity(int id, CRect& rect);

    // Links between nodes, each with its two ports.
    void add_nodes_line(const class_network_link_info& link);
    void add_network_link_line(const class_network_link_info& link);
    void add_link_with_out_line(const class_network_link_info& link, const std::string& sourceType);
    void add_sub_system_line(const class_network_link_info& link, int sourceOffset, int destinationOffset,
                             int& runOffset);
    void add_port(int port, CPoint point);
    void add_out_line(CPoint farCorner);

    // The overlap rules over the lines on the diagram; each raises the offset it is given.
    void find_overlapping_line(CPoint p1, CPoint p2, int& offset);
    void find_vertical_overlap(CPoint p1, CPoint p2, int& offset, const CRect& source, const CRect& destination);
    void find_sub_system_line_overlap(int& offset, const CRect& source, const CRect& destination);

    // Highlighting for clicked elements: the connectors touching the rectangle, or the sub-system lines under
    // the x range, turn dark red and come to the top; the other lines of that kind are hidden.
    void select_uml_lines(const CRect& rect);
    void highlight_sub_system_lines(int left, int right);

    // The deployed-components diagram: moves the components with that id to (x, y) unless they already stand
    // at x (1 when there was one), adds a connector between two components (its window not created yet), and
    // creates all windows at the end.
    int find_component_entity(int componentId, CPoint point);
    void add_component_line(int firstId, int secondId, std::vector<CUmlEntity*>& lines);
    void create_entity_windows(const std::vector<CUmlEntity*>& first, const std::vector<CUmlEntity*>& second);

    void OnInitialUpdate() override;

protected:
    afx_msg void OnPaint();
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnRedrowDiagram();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()

private:
    template <class Line>
    std::vector<Line*> lines_of_kind(int kind) const;
    CUmlEntity* create_element(void (DiagramDocument::*factory)());
    void add_network_node(void (DiagramDocument::*factory)(), CPoint point, const class_node_info& node, CSize size);
    void resize_bars(int kind, int width);
    void add_node_line(const class_network_link_info& link, bool verticalRule);
    void apply_scroll_sizes();

    int m_nExtentWidth = 0;
    int m_nExtentHeight = 0;
    DiagramTreeItem m_diagramItem;
    DiagramTreeItem m_secondItem;
    int m_nDiagramKind = 0;
    std::string m_strHelpText;
};
