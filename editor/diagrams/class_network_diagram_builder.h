#pragma once

#include "class_diagram_builder.h"

// The builders of the node diagram (kind 5) and of the network of a system domain (kind 8): routers and
// switches as wide bars one below the other, one tall box per end device in a row below them, the links
// between them with their port numbers, and a red frame around it all.
class class_network_diagram_builder : public class_diagram_builder {
public:
    using class_diagram_builder::class_diagram_builder;

    void draw_node(const TreeNodeData& node);
    void draw_network(const TreeNodeData& systemDomain);
};
