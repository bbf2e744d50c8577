#pragma once

#include <string>

#include "DiagramTreeItem.h"

class CMDIFrameWnd;
class DiagramDocument;
class class_diagramscrollview;

// The editor's single diagram builder. It opens or finds the diagram window of a diagram name, remembers the
// main frame, document and view of the active window (the binding), draws a diagram kind again for the view's
// redraw command, and writes the help text into the help window "도움말".
//
// Diagram kinds: 0 proxy interface, 1 stub interface, 2 component with its interfaces, 3 components of a
// system domain, 4 component deployed in a node, 5 node, 8 network of a system domain, 9 deployed components
// of a system domain (6 and 7 are not used).
class Class_UmlControl {
public:
    // The one instance, created with an empty binding on first use. Deleting it (the system pane does at
    // shutdown) lets the next call create a new one, which draws as the first did.
    static Class_UmlControl* get_instance();
    virtual ~Class_UmlControl();
    Class_UmlControl(const Class_UmlControl&) = delete;
    Class_UmlControl& operator=(const Class_UmlControl&) = delete;

    // Binds to the main window of the thread, its active MDI child's document and view (each null when it is
    // not a diagram document or view).
    void bind_active_frame();
    // Activates the open window of that diagram name (0: nothing is to be drawn), or opens a new one through
    // the main frame and names its document (-1: a new window exists and must be drawn). A frame that cannot
    // be created is reported in a message box and gives 0.
    int create_childframe(const std::string& name);
    // Puts the help text of the topic into the help window and repaints it; without a help window nothing
    // happens. It does not bind.
    void set_explanation_text(int topic);

    // The builders: each draws its diagram kind from the design database into the active diagram window
    // (opened by create_childframe) for the tree item it is given.
    void draw_proxy_interface_diagram(const TreeNodeData& proxyClass);                        // 0
    void draw_stub_interface_diagram(const TreeNodeData& stubClass);                          // 1
    void draw_component_interface_diagram(const TreeNodeData& component);                     // 2
    void draw_domain_component_diagram(const TreeNodeData& componentsFolder);                 // 3
    void draw_node_component_deploy_diagram(const TreeNodeData& installedComponent,
                                            const TreeNodeData& node);                        // 4
    void draw_node_diagram(const TreeNodeData& node);                                          // 5
    void draw_system_diagram(const TreeNodeData& systemDomain);                                // 8
    void draw_deploy_diagram(const TreeNodeData& systemDomain);                                // 9
    // The builder of a kind (the redraw command); a kind without one draws nothing.
    void draw_diagram(int kind, const DiagramTreeItem& item, const DiagramTreeItem& second);

    CMDIFrameWnd* get_main_frame() const { return m_pMainFrame; }
    DiagramDocument* get_active_document() const { return m_pActiveDocument; }
    class_diagramscrollview* get_active_view() const { return m_pActiveView; }

private:
    Class_UmlControl() = default;

    CMDIFrameWnd* m_pMainFrame = nullptr;              // not owned
    DiagramDocument* m_pActiveDocument = nullptr;      // not owned
    class_diagramscrollview* m_pActiveView = nullptr;  // not owned
};
