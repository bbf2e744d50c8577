#pragma once

#include "DiagramDocument.h"
#include "DiagramTreeItem.h"

class CUmlEntity;
class Class_UmlControl;
class class_diagramscrollview;
class class_domain_info;

// What the builders of the diagram kinds share: the diagram window they draw into (the controller's active
// view and document) and the making of elements through the document's factories.
class class_diagram_builder {
public:
    explicit class_diagram_builder(Class_UmlControl& control) : m_control(control) {}
    // The build is over: the view's extent covers every element it drew.
    virtual ~class_diagram_builder();
    class_diagram_builder(const class_diagram_builder&) = delete;
    class_diagram_builder& operator=(const class_diagram_builder&) = delete;

protected:
    // Binds the controller to the active window; false when it is no diagram window.
    bool bind();
    // Makes the view remember what it shows; the elements then refer to the view's copies of the items.
    void remember(int kind, const TreeNodeData& item, const TreeNodeData& second = TreeNodeData());
    TreeNodeData* item() const;
    TreeNodeData* second_item() const;
    // The system domain a whole-domain diagram is drawn from, as the server holds it now: another user may have
    // renamed it, deleted it or made it private since the tree read it. False after one box when it can not be
    // read (the server's reason) or is gone. The tree's root (id 0) stands for no domain of the server and is
    // taken as it is.
    static bool read_system_domain(const class_domain_info& shown, class_domain_info& current);

    // A new element from a factory of the document, as its class (null when the factory made none).
    template <class Element>
    Element* add(void (DiagramDocument::*factory)()) {
        (m_pDocument->*factory)();
        return dynamic_cast<Element*>(m_pDocument->GetCurrentElement());
    }

    Class_UmlControl& m_control;
    class_diagramscrollview* m_pView = nullptr;  // the control's active view; not owned
    DiagramDocument* m_pDocument = nullptr;      // its document; not owned
};
