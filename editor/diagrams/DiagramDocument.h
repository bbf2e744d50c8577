#pragma once

#include <string>
#include <vector>

class CUmlEntity;
class class_component_info;

// The element store of a diagram window, as the diagram classes use it. The editor's document
// (CTamoZELK_MDIDoc) implements it next to CDocument. The document keeps the elements in creation order and
// owns them: ClearElements destroys each element's window and deletes the element (the view calls it when it
// is destroyed and before it draws anew); the document's destructor frees only the list.
class DiagramDocument {
public:
    virtual ~DiagramDocument() = default;

    // The name that identifies the window: a tree item's path, or "도움말" for the help window.
    virtual const std::string& GetDiagramName() const = 0;
    virtual void SetDiagramName(const std::string& name) = 0;
    // The help text that the help window shows.
    virtual const std::string& GetExplanationText() const = 0;
    virtual void SetExplanationText(const std::string& text) = 0;

    // The element the last factory created (null while a factory runs), and all elements.
    virtual CUmlEntity* GetCurrentElement() const = 0;
    virtual const std::vector<CUmlEntity*>& GetElements() const = 0;
    // For each element in order: destroy its window, DeleteEntity; then the list is empty.
    virtual void ClearElements() = 0;

    // Factories: each creates one element of its class with its default constructor, sets its kind, makes it
    // the current element and appends it. No window is created.
    virtual void AddComponent() = 0;           // Class_ComponentEntity, 1234
    virtual void AddProxyInterface() = 0;      // class_uml_proxyinterface, 1237
    virtual void AddStubInterface() = 0;       // class_uml_stubinterface, 1238
    virtual void AddLine() = 0;                // class_umlline, 1242
    virtual void AddCircleStubInterface() = 0; // class_circle_stub_interface, 1243
    virtual void AddNode() = 0;                // class_node, 1244
    virtual void AddSwitch() = 0;              // class_switch, 1245
    virtual void AddRouter() = 0;              // class_uml_router, 1246
    virtual void AddInsidePc() = 0;            // class_uml_inside_pc, 1247
    virtual void AddNodesLine() = 0;           // class_nodes_line, 1248
    virtual void AddSubSystemLine() = 0;       // class_sub_system_line, 1249
    virtual void AddPort() = 0;                // class_uml_port, 1251
    virtual void AddOutLine() = 0;             // class_uml_out_line, 1252

    // The first component element (1234) that shows the component of the record's component id; null when
    // there is none.
    CUmlEntity* FindComponentEntity(const class_component_info& component) const;
};

// What the view sets and reads of the elements that stand for a node of a network diagram (switch, router
// and inside PC implement it).
class class_node_info;
class DiagramNodeEntity {
public:
    virtual ~DiagramNodeEntity() = default;
    // Puts the element in its network form with a copy of the node record.
    virtual void set_network_node(const class_node_info& node) = 0;
    virtual const class_node_info& get_node_info() const = 0;
};

// What the view reads of a component element (Class_ComponentEntity implements it).
class DiagramComponentEntity {
public:
    virtual ~DiagramComponentEntity() = default;
    virtual const class_component_info& get_component_info() const = 0;
};

// A new element of the class of an element kind (UML_*, CUmlEntity.h), its kind not yet set; null for a
// number that is no element kind. The documents' factories make their elements with it.
CUmlEntity* make_diagram_element(int kind);
