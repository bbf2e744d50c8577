#include "class_diagramscrollview.h"

#include <algorithm>
#include <initializer_list>

#include "CDC.h"
#include "CMenu.h"
#include "Class_UmlControl.h"
#include "DiagramDocument.h"
#include "LineGeometry.h"
#include "LineRouting.h"
#include "class_circle_stub_interface.h"
#include "class_component_info.h"
#include "class_network_link_info.h"
#include "class_node_info.h"
#include "class_nodes_line.h"
#include "class_sub_system_line.h"
#include "class_uml_out_line.h"
#include "class_uml_port.h"
#include "class_umlline.h"

namespace {

constexpr UINT kChildViewMenu = 431;
// The room left right of and below the elements the builders' own extents do not cover.
constexpr int kCoverMargin = 20;
const char* const kHelpWindowName = "도움말";
// Where the help window writes its text; a larger text takes the room it needs below and right of it.
const CRect kHelpArea(50, 50, 980, 680);

bool has_window(const CWnd* window) { return window && window->GetSafeHwnd(); }

}  // namespace

IMPLEMENT_DYNCREATE(class_diagramscrollview, CScrollView)

BEGIN_MESSAGE_MAP(class_diagramscrollview, CScrollView)
    ON_WM_PAINT()
    ON_WM_SIZE()
    ON_WM_CONTEXTMENU()
    ON_COMMAND(REDROW_DIAGRAM, &class_diagramscrollview::OnRedrowDiagram)
    ON_WM_LBUTTONDOWN()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

DiagramDocument* class_diagramscrollview::get_diagram_document() const {
    return dynamic_cast<DiagramDocument*>(GetDocument());
}

void class_diagramscrollview::OnInitialUpdate() {
    CScrollView::OnInitialUpdate();
    SetScrollSizes(MM_TEXT, CSize(50, 50));
}

void class_diagramscrollview::apply_scroll_sizes() {
    SetScrollSizes(MM_TEXT, CSize(m_nExtentWidth, m_nExtentHeight), sizeDefault, sizeDefault);
}

void class_diagramscrollview::OnSize(UINT nType, int cx, int cy) {
    CScrollView::OnSize(nType, cx, cy);
    apply_scroll_sizes();
}

void class_diagramscrollview::OnPaint() {
    CPaintDC dc(this);
    DiagramDocument* document = get_diagram_document();
    if (!document || document->GetDiagramName() != kHelpWindowName) return;
    m_strHelpText = document->GetExplanationText();
    // The text's own size where it needs more than the help rectangle, so that no line is cut; the scroll
    // extent follows it, and the window scrolls where the text is larger than the window.
    CRect needed(kHelpArea.left, kHelpArea.top, kHelpArea.left, kHelpArea.top);
    dc.DrawText(m_strHelpText.c_str(), -1, &needed, DT_CALCRECT);
    const CRect area(kHelpArea.left, kHelpArea.top, std::max<int>(kHelpArea.right, needed.right),
                     std::max<int>(kHelpArea.bottom, needed.bottom));
    CRect drawn = area;
    dc.DrawText(m_strHelpText.c_str(), -1, &drawn, DT_END_ELLIPSIS);
    const CSize extent(needed.right + kHelpArea.left, needed.bottom + kHelpArea.top);
    if (extent != CSize(m_nExtentWidth, m_nExtentHeight)) {
        m_nExtentWidth = extent.cx;
        m_nExtentHeight = extent.cy;
        apply_scroll_sizes();
    }
}

void class_diagramscrollview::OnContextMenu(CWnd*, CPoint) {
    // At the cursor: a menu asked for from the keyboard comes with the point (-1, -1).
    CPoint cursor;
    GetCursorPos(&cursor);
    CMenu menu;
    if (!menu.LoadMenu(kChildViewMenu)) return;
    if (CMenu* popup = menu.GetSubMenu(0)) popup->TrackPopupMenu(TPM_RIGHTBUTTON, cursor.x, cursor.y, AfxGetMainWnd());
}

void class_diagramscrollview::OnRedrowDiagram() {
    if (m_diagramItem.path.empty()) return;
    if (DiagramDocument* document = get_diagram_document()) document->ClearElements();
    Class_UmlControl::get_instance()->draw_diagram(m_nDiagramKind, m_diagramItem, m_secondItem);
}

void class_diagramscrollview::OnLButtonDown(UINT, CPoint) {}

void class_diagramscrollview::OnDestroy() {
    CScrollView::OnDestroy();
    if (DiagramDocument* document = get_diagram_document()) document->ClearElements();
}

void class_diagramscrollview::set_diagram_items(const DiagramTreeItem& item, const DiagramTreeItem& second) {
    m_diagramItem = item;
    m_secondItem = second;
}

void class_diagramscrollview::grow_extent(int width, int height) {
    m_nExtentWidth = std::max(m_nExtentWidth, width);
    m_nExtentHeight = std::max(m_nExtentHeight, height);
    apply_scroll_sizes();
}

namespace {

// The smallest rectangle that holds the points.
CRect bounds_of(std::initializer_list<CPoint> points) {
    CRect bounds(*points.begin(), *points.begin());
    for (const CPoint& point : points)
        bounds.SetRect(std::min<int>(bounds.left, point.x), std::min<int>(bounds.top, point.y),
                       std::max<int>(bounds.right, point.x), std::max<int>(bounds.bottom, point.y));
    return bounds;
}

// A connector's arrow head reaches this far back from its end.
constexpr int kArrowLength = 20;
// A port box stands this far around its anchor.
constexpr int kPortHalf = 6;

}  // namespace

CRect class_diagramscrollview::drawn_bounds(const CUmlEntity& element) {
    if (const auto* line = dynamic_cast<const class_umlline*>(&element)) {
        CRect bounds = bounds_of({line->get_start_anchor(), line->get_end_anchor()});
        bounds.InflateRect(kArrowLength, kArrowLength);
        return bounds;
    }
    if (const auto* line = dynamic_cast<const class_nodes_line*>(&element))
        return bounds_of({line->get_start_anchor(), line->get_end_anchor()});
    if (const auto* line = dynamic_cast<const class_sub_system_line*>(&element)) {
        const line_geometry::SubSystemPoints& points = line->get_points();
        return bounds_of({points.p1, points.p2, points.p3, points.p4});
    }
    if (const auto* frame = dynamic_cast<const class_uml_out_line*>(&element)) {
        const auto& corners = frame->get_corners();
        return bounds_of({corners[0], corners[1], corners[2], corners[3]});
    }
    if (const auto* circle = dynamic_cast<const class_circle_stub_interface*>(&element)) {
        const CRect& head = circle->get_head_box();
        return bounds_of({circle->get_stick_start(), circle->get_stick_end(), head.TopLeft(), head.BottomRight()});
    }
    if (dynamic_cast<const class_uml_port*>(&element)) {
        const CPoint anchor = element.GetPosition();
        return CRect(anchor.x - kPortHalf, anchor.y - kPortHalf, anchor.x + kPortHalf, anchor.y + kPortHalf);
    }
    return element.GetRect();
}

void class_diagramscrollview::cover_elements() {
    DiagramDocument* document = get_diagram_document();
    if (!document) return;
    int width = m_nExtentWidth, height = m_nExtentHeight;
    for (const CUmlEntity* element : document->GetElements()) {
        if (!element) continue;
        const CRect bounds = drawn_bounds(*element);
        width = std::max<int>(width, bounds.right + kCoverMargin);
        height = std::max<int>(height, bounds.bottom + kCoverMargin);
    }
    grow_extent(width, height);
}

template <class Line>
std::vector<Line*> class_diagramscrollview::lines_of_kind(int kind) const {
    std::vector<Line*> lines;
    if (DiagramDocument* document = get_diagram_document())
        for (CUmlEntity* element : document->GetElements())
            if (element && element->GetEntityKind() == kind)
                if (auto* line = dynamic_cast<Line*>(element)) lines.push_back(line);
    return lines;
}

CUmlEntity* class_diagramscrollview::create_element(void (DiagramDocument::*factory)()) {
    DiagramDocument* document = get_diagram_document();
    if (!document) return nullptr;
    (document->*factory)();
    return document->GetCurrentElement();
}

// --- Network bars and boxes -------------------------------------------------------------------------------

void class_diagramscrollview::resize_bars(int kind, int width) {
    DiagramDocument* document = get_diagram_document();
    if (!document) return;
    for (CUmlEntity* element : document->GetElements()) {
        if (!element || element->GetEntityKind() != kind) continue;
        element->SetSize(width, 60);
        // The window takes the size at once, not only at its next paint: a bar out of sight paints late.
        if (has_window(element)) {
            element->SetWindowPos(nullptr, 0, 0, width, 60, SWP_NOMOVE | SWP_NOZORDER);
            element->Invalidate(TRUE);
        }
    }
    if (!document->GetElements().empty()) m_nExtentWidth = width + 250;
}

void class_diagramscrollview::resize_switches(int width) { resize_bars(UML_SWITCH, width); }

void class_diagramscrollview::resize_routers(int width) { resize_bars(UML_ROUTER, width); }

void class_diagramscrollview::add_network_node(void (DiagramDocument::*factory)(), CPoint point,
                                               const class_node_info& node, CSize size) {
    CUmlEntity* element = create_element(factory);
    auto* networkNode = dynamic_cast<DiagramNodeEntity*>(element);
    if (!networkNode) return;
    networkNode->set_network_node(node);
    element->SetPosition(point.x, point.y);
    element->SetSize(size.cx, size.cy);
    element->CreateEntityWindow(this);
}

void class_diagramscrollview::add_router(CPoint point, const class_node_info& node) {
    add_network_node(&DiagramDocument::AddRouter, point, node, CSize(500, 60));
    grow_extent(point.x + 600, point.y + 200);
}

void class_diagramscrollview::add_switch(CPoint point, const class_node_info& node) {
    add_network_node(&DiagramDocument::AddSwitch, point, node, CSize(500, 60));
    grow_extent(point.x + 600, point.y + 200);
}

void class_diagramscrollview::add_inside_pc(CPoint point, const class_node_info& node, int width, int height) {
    add_network_node(&DiagramDocument::AddInsidePc, point, node, CSize(width, height));
    grow_extent(point.x + width + 100, point.y + 200);
}

void class_diagramscrollview::find_node_entity(int id, CRect& rect) {
    DiagramDocument* document = get_diagram_document();
    if (!document) return;
    for (CUmlEntity* element : document->GetElements()) {
        if (!element) continue;
        const int kind = element->GetEntityKind();
        bool found = false;
        if (kind == UML_COMPONENT) {
            if (auto* component = dynamic_cast<DiagramComponentEntity*>(element))
                found = component->get_component_info().component_id == id;
        } else if (kind == UML_SWITCH || kind == UML_ROUTER || kind == UML_INSIDE_PC) {
            if (auto* node = dynamic_cast<DiagramNodeEntity*>(element)) found = node->get_node_info().id == id;
        }
        if (found) {
            rect = element->GetRect();
            return;
        }
    }
}

// --- Lines between nodes -----------------------------------------------------------------------------------

void class_diagramscrollview::add_node_line(const class_network_link_info& link, bool verticalRule) {
    CRect source, destination;
    find_node_entity(link.s_node_id, source);
    find_node_entity(link.d_node_id, destination);
    auto* line = dynamic_cast<class_nodes_line*>(create_element(&DiagramDocument::AddNodesLine));
    if (!line) return;
    const CPoint position = line_geometry::rect_centre(source);
    const CPoint secondCentre = line_geometry::rect_centre(destination);
    line->SetPosition(position.x, position.y);
    line->set_line_ends(source, destination, secondCentre);
    line->set_end_kind(UML_SWITCH);
    int offset = 0;
    if (verticalRule)
        find_vertical_overlap(position, secondCentre, offset, source, destination);
    else
        find_overlapping_line(position, secondCentre, offset);
    line->set_offset(offset);
    line->CreateEntityWindow(this);
    add_port(link.s_port_id, line->get_start_anchor());
    add_port(link.d_port_id, line->get_end_anchor());
}

void class_diagramscrollview::add_nodes_line(const class_network_link_info& link) { add_node_line(link, false); }

void class_diagramscrollview::add_network_link_line(const class_network_link_info& link) {
    add_node_line(link, true);
}

void class_diagramscrollview::add_link_with_out_line(const class_network_link_info& link,
                                                     const std::string& sourceType) {
    CRect source;
    find_node_entity(link.s_node_id, source);
    const CRect band = line_routing::out_band(source);
    auto* line = dynamic_cast<class_nodes_line*>(create_element(&DiagramDocument::AddNodesLine));
    if (!line) return;
    const CPoint position = line_geometry::rect_centre(source);
    const CPoint bandCentre = line_geometry::rect_centre(band);
    line->SetPosition(position.x, position.y);
    line->set_line_ends(source, band, bandCentre);
    line->set_end_kind(UML_SWITCH);
    line->set_line_kind("out_line");
    int offset = 0;
    if (sourceType == "urouter" || sourceType == "switch")
        find_vertical_overlap(position, bandCentre, offset, source, band);
    else
        find_overlapping_line(position, bandCentre, offset);
    line->set_offset(offset);
    line->CreateEntityWindow(this);
    add_port(link.s_port_id, line->get_start_anchor());
    add_port(link.d_port_id, line->get_end_anchor());
}

void class_diagramscrollview::add_sub_system_line(const class_network_link_info& link, int sourceOffset,
                                                  int destinationOffset, int& runOffset) {
    CRect source, destination;
    find_node_entity(link.s_node_id, source);
    find_node_entity(link.d_node_id, destination);
    auto* line = dynamic_cast<class_sub_system_line*>(create_element(&DiagramDocument::AddSubSystemLine));
    if (!line) return;
    const CPoint position = line_geometry::rect_centre(source);
    line->SetPosition(position.x, position.y);
    line->set_line_ends(source, destination, line_geometry::rect_centre(destination));
    line->set_end_kind(UML_SUB_SYSTEM_LINE);
    if (link.d_node_id != 0) find_sub_system_line_overlap(runOffset, source, destination);
    line->set_run(sourceOffset, destinationOffset, runOffset);
    line->CreateEntityWindow(this);
    add_port(link.s_port_id, line->get_points().p1);
    add_port(link.d_port_id, line->get_points().p2);
}

void class_diagramscrollview::add_port(int port, CPoint point) {
    auto* element = dynamic_cast<class_uml_port*>(create_element(&DiagramDocument::AddPort));
    if (!element) return;
    element->set_port_text(std::to_string(port));
    element->SetPosition(point.x, point.y);
    element->CreateEntityWindow(this);
}

void class_diagramscrollview::add_out_line(CPoint farCorner) {
    auto* element = dynamic_cast<class_uml_out_line*>(create_element(&DiagramDocument::AddOutLine));
    if (!element) return;
    element->SetPosition(50, 50);
    element->set_far_corner(farCorner);
    element->CreateEntityWindow(this);
}

// --- Overlap rules -----------------------------------------------------------------------------------------

void class_diagramscrollview::find_overlapping_line(CPoint p1, CPoint p2, int& offset) {
    // Node and sub-system lines in creation order, the new line among them.
    std::vector<line_routing::LineSpan> spans;
    if (DiagramDocument* document = get_diagram_document()) {
        for (CUmlEntity* element : document->GetElements()) {
            const int kind = element ? element->GetEntityKind() : 0;
            if (auto* line = dynamic_cast<class_nodes_line*>(element); line && kind == UML_NODES_LINE)
                spans.push_back({line->GetPosition(), line->get_line_ends().secondCentre});
            else if (auto* run = dynamic_cast<class_sub_system_line*>(element); run && kind == UML_SUB_SYSTEM_LINE)
                spans.push_back({run->GetPosition(), run->get_line_ends().secondCentre});
        }
    }
    offset = line_routing::find_overlapping_line(p1, p2, offset, spans);
}

void class_diagramscrollview::find_vertical_overlap(CPoint p1, CPoint p2, int& offset, const CRect& source,
                                                    const CRect& destination) {
    std::vector<line_routing::NodeLineRun> runs;
    for (class_nodes_line* line : lines_of_kind<class_nodes_line>(UML_NODES_LINE))
        runs.push_back({line->get_start_anchor(), line->get_end_anchor()});
    offset = line_routing::find_vertical_overlap(p1, p2, offset, source, destination, runs);
}

void class_diagramscrollview::find_sub_system_line_overlap(int& offset, const CRect& source,
                                                           const CRect& destination) {
    std::vector<line_routing::SubSystemRun> runs;
    for (class_sub_system_line* line : lines_of_kind<class_sub_system_line>(UML_SUB_SYSTEM_LINE))
        runs.push_back({line->get_points().p3, line->get_points().p4});
    offset = line_routing::find_sub_system_line_overlap(offset, source, destination, runs);
}

// --- Highlighting ------------------------------------------------------------------------------------------

namespace {

// Brings a matching line forward in dark red, or hides one that does not match.
template <class Line>
void show_highlighted(Line* line, bool matches) {
    if (!has_window(line)) return;
    if (!matches) {
        line->ShowWindow(SW_HIDE);
        return;
    }
    line->set_line_colour(RGB(192, 0, 0));
    line->Invalidate(TRUE);
    line->SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    line->ShowWindow(SW_SHOW);
}

void invalidate_all(DiagramDocument* document) {
    if (!document) return;
    for (CUmlEntity* element : document->GetElements())
        if (has_window(element)) element->Invalidate(TRUE);
}

}  // namespace

void class_diagramscrollview::select_uml_lines(const CRect& rect) {
    for (class_umlline* line : lines_of_kind<class_umlline>(UML_LINE))
        show_highlighted(line, line_routing::touches(line->get_start_anchor(), line->get_end_anchor(), rect));
    invalidate_all(get_diagram_document());
}

void class_diagramscrollview::highlight_sub_system_lines(int left, int right) {
    for (class_sub_system_line* line : lines_of_kind<class_sub_system_line>(UML_SUB_SYSTEM_LINE))
        show_highlighted(line, line_routing::lies_under(line->get_points().p1, line->get_points().p2, left, right));
    invalidate_all(get_diagram_document());
}

// --- Deployed components -----------------------------------------------------------------------------------

namespace {

bool is_component(CUmlEntity* element, int componentId) {
    if (!element || element->GetEntityKind() != UML_COMPONENT) return false;
    auto* component = dynamic_cast<DiagramComponentEntity*>(element);
    return component && component->get_component_info().component_id == componentId;
}

}  // namespace

int class_diagramscrollview::find_component_entity(int componentId, CPoint point) {
    DiagramDocument* document = get_diagram_document();
    if (!document) return 0;
    int found = 0;
    for (CUmlEntity* element : document->GetElements()) {
        if (!is_component(element, componentId)) continue;
        found = 1;
        if (element->GetPosition().x != point.x) {
            element->SetPosition(point.x, point.y);
            if (has_window(element)) element->Invalidate(TRUE);
        }
    }
    return found;
}

void class_diagramscrollview::add_component_line(int firstId, int secondId, std::vector<CUmlEntity*>& lines) {
    DiagramDocument* document = get_diagram_document();
    if (!document) return;
    CRect first, second;
    const auto find_rect = [&](int id, CRect& rect) {
        for (CUmlEntity* element : document->GetElements())
            if (is_component(element, id)) {
                rect = element->GetRect();
                return;
            }
    };
    find_rect(firstId, first);
    find_rect(secondId, second);
    if (class_umlline* line = class_umlline::add_between(*document, first, second)) lines.push_back(line);
}

void class_diagramscrollview::create_entity_windows(const std::vector<CUmlEntity*>& first,
                                                    const std::vector<CUmlEntity*>& second) {
    for (CUmlEntity* element : first) element->CreateEntityWindow(this);
    for (CUmlEntity* element : second) element->CreateEntityWindow(this);
    m_nDiagramKind = 9;
}
