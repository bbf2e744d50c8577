#pragma once

#include <map>
#include <string>
#include <vector>

#include "CRect.h"
#include "class_diagram_builder.h"

class Class_ComponentEntity;
class class_circle_stub_interface;
class class_custum_table;

// The builders of the interface and component diagrams: one interface class with its member methods (kinds
// 0 and 1), a component with its proxy and stub interfaces (2), all components of a system domain with the
// interfaces they share (3), a component installed on a node with the components it calls and that call it
// (4), and all deployed components of a system domain in the order of their calls (9).
class class_component_diagram_builder : public class_diagram_builder {
public:
    using class_diagram_builder::class_diagram_builder;

    // Kind 0 (a proxy class) or 1 (a stub class).
    void draw_interface(int kind, const TreeNodeData& interfaceClass);
    void draw_component_interfaces(const TreeNodeData& component);
    void draw_domain_components(const TreeNodeData& componentsFolder);
    void draw_node_component_deploy(const TreeNodeData& installedComponent, const TreeNodeData& node);
    void draw_deployed_components(const TreeNodeData& systemDomain);

private:
    // A component element of the record at a place, its window created, reporting `reportedKind` on a click.
    Class_ComponentEntity* add_component(const class_component_info& component, CPoint place, int reportedKind);
    // The interface boxes of a component's classes in a row at y, 200 apart from x 100, without trees.
    template <class Box, class Relation>
    void add_interface_row(const std::vector<Relation>& relations, void (DiagramDocument::*factory)(), int y,
                           int (*width)(const std::string&));
    // A connector from one rectangle to another, its window created.
    void connect(const CRect& from, const CRect& to, int endKind = 0);
    // A lollipop on the right edge of `carrier`, `offset` below its top, standing between `from` and the
    // carrier, with the text in its circle; its window is not created yet.
    class_circle_stub_interface* add_lollipop(const CRect& from, const CRect& carrier, int offset,
                                              const class_custum_table& entry, const std::string& circleText,
                                              const std::string& componentText);
    void grow_extent_below(const CRect& rect);

    std::map<const Class_ComponentEntity*, int> m_lollipops;  // circle stubs on each component element
};
