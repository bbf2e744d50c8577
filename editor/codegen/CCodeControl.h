#pragma once

// The tree panes' way into code generation: the preview of one domain's header, saving the headers of all
// domains into a folder, and the source code dialog for an interface, a proxy or stub class or a component.
// One instance lives behind g_pCodeControl: the first command that needs it creates it, the main frame deletes
// it at shutdown. It keeps no state.

#include <string>

#include "CString.h"

class class_component_info;
class class_domain_info;
class class_interface_info;
class class_proxy_interface_relation_info;
class class_stub_interface_relation_info;

class CCodeControl {
public:
    CCodeControl() = default;
    virtual ~CCodeControl() = default;

    // The item kind of the selected tree item (its TreeNodeData's kind): 2, a data domain item, previews a
    // data header; every other kind a method header. The domain is read by its id when this runs.
    void ShowCodeView(int itemKind, const class_domain_info& domain);
    void SaveAllDomainHeaders();
    // Creates the missing folders of the path; 1 on success, 0 on failure or for an empty path.
    int MakeDirectory(const CString& path);

    // The source code dialog for an interface (the user picks the side and names the class), for a proxy or stub
    // class of a component (side and class fixed; the class is read by its id when this runs), or for a whole
    // component.
    void ShowSourceCode(const class_interface_info& iface, const CString& domainName);
    void ShowProxySourceCode(const class_proxy_interface_relation_info& relation);
    void ShowStubSourceCode(const class_stub_interface_relation_info& relation);
    void ShowAllSourceCode(const class_component_info& component);
};

// The one code-view controller; null until the first command creates it.
extern CCodeControl* g_pCodeControl;
