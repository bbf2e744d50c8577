#pragma once

// The system-domain tree's command object: every change that the system tree makes to the design database. An
// operation opens the dialog that collects the values where one is needed, asks the lock check where a parent
// system may have frozen the item, formats the call, runs it and shows the server's text when it fails. Edits
// write the new values into the record that the tree item carries, and only after the server accepted them.
// It never touches the tree.
//
// Results: 0 (or a new id) on success, -1 on cancel or failure, unless an operation says otherwise.
//
// One instance per process, reached through g_pTreeSystemDomainControl: callers create it when the pointer is
// null; the system pane deletes it when the pane is destroyed and clears the pointer.

#include <string>

#include "CString.h"

class class_component_info;
class class_domain_info;
class class_node_info;
class class_proxy_interface_relation_info;
class class_stub_interface_relation_info;

// The kinds of class items that the operations on objects and installed entries are told about.
enum : int {
    CLASS_KIND_PROXY = 15,
    CLASS_KIND_STUB = 16,
};

class CTreeSystemDomainControl {
public:
    virtual ~CTreeSystemDomainControl() = default;

    // ---- Domains -------------------------------------------------------------------------------------------

    // A new system domain below the parent record (the root record at the top level). 0 or -1.
    int NewDomain(class_domain_info* parent);
    // Name, public flag and description; the record follows on success. 0 or -1.
    int EditDomain(class_domain_info* domain);
    // The domain with everything in it (the pane asks first). 0 or -1.
    int DeleteDomain(class_domain_info* domain);
    // The domain's members and their grades.
    void ShowDomainAccounts(class_domain_info* domain);

    // ---- Nodes ---------------------------------------------------------------------------------------------

    int DeleteNode(class_node_info* node);
    // A copy of the node `source` (another domain's) in `domain`, with its IP rows: `node` takes the new node's
    // id, domain, name, type, description and sub-system domain. 0; -1 when the node could not be created or
    // its IP rows could not be read (each failure shown; the IP rows that fail are shown and skipped).
    int CopyNodeInto(const class_node_info& source, const class_domain_info& domain, class_node_info* node);

    // ---- Components, classes and objects --------------------------------------------------------------------

    // 0 deleted; 1 refused because a parent system locks it (shown); -1 failed, also when the lock itself could
    // not be asked (shown).
    int DeleteComponent(class_component_info* component);
    // 0 deleted; -1 locked, failed, or the lock could not be asked (each shown).
    int DeleteProxyClass(class_proxy_interface_relation_info* relation);
    int DeleteStubClass(class_stub_interface_relation_info* relation);
    // After a new object of a class: an installed entry of the object in every deployment of the component
    // (`classKind` CLASS_KIND_PROXY or CLASS_KIND_STUB). Goes on after a failing entry; 0, or -1 when any call
    // failed (each shown).
    int AddObjectToDeployments(int domainId, int componentId, int classId, int classKind,
                               const std::string& objectName);
    // A copy of the component `source` (another domain's) in `domain`, with its proxy and stub classes (not their
    // objects, deployments or object ids): `component` takes the new component's id, domain, name and
    // description. 0; -1 when the component could not be created or a class list could not be read (shown);
    // a class that cannot be copied is shown and skipped.
    int CopyComponentInto(const class_component_info& source, const class_domain_info& domain,
                          class_component_info* component);

private:
    // Asks a check_system_lock_ procedure: 1 locked (the refusal is shown), 0 free, -1 when it cannot be asked
    // (the server's text is shown).
    int AskLock(const CString& lockCall, const char* refusal);
};

// The one command object of the system tree; null until its first use.
extern CTreeSystemDomainControl* g_pTreeSystemDomainControl;
