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
#include <vector>

#include "CString.h"

class class_component_info;
class class_custum_table;
class class_domain_info;
class class_interface_object_info;
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
    // The port design dialog for a copy of the domain, unless a parent system locks the domain's ports (the
    // refusal or the failed check is shown).
    void EditDomainPorts(class_domain_info* domain);
    // The network link dialog for a copy of the domain.
    void EditNetworkLinks(class_domain_info* domain);
    // The move and copy dialog for the receiving domain: the chosen domain is moved below it, or copied with
    // everything in it, whole or not at all. -1 when cancelled or the move or the copy failed (shown; nothing
    // of a failed copy is kept); 0 after a copy, also one whose end is not known (CopyTransaction::
    // OUTCOME_UNKNOWN, told); the moved domain's id after a move.
    int MoveOrCopyDomain(class_domain_info* domain);

    // ---- Nodes ---------------------------------------------------------------------------------------------

    // A new node of the domain with its ports; a sub-system or sensor node also takes its addresses and the
    // public entries of the domain it stands for. The new node's id, or -1.
    int NewNode(int domainId);
    // The node dialog preset from the record; the record follows on success (a "router" is kept as "urouter").
    // 0 or -1.
    int EditNode(class_node_info* node);
    int DeleteNode(class_node_info* node);
    // The node's IP rows (the node IP dialog).
    void EditNodeIps(class_node_info* node);
    // The deployment dialog of the node; appends to `installed` the components it left installed that were not
    // installed before. 0; -1 when the installed list could not be read (shown).
    int InstallComponents(class_node_info* node, std::vector<class_component_info>& installed);
    // The stub object id and stub IP of an installed proxy entry; the entry takes them only after the server
    // accepted them. 0 or -1.
    int EditStubInfo(class_custum_table* entry);
    // A copy of the node `source` (another domain's) in `domain` in everything a node carries, as the copy of
    // a whole domain makes it (its ports, IP rows or the addresses and entries of the domain it stands for, its
    // lock), in one transaction: `node` takes the new node. The node is read by its id as the server holds it
    // then; one that is gone is refused. 0; -1 when any step failed (shown), with nothing kept and `node` as it
    // was; CopyTransaction::OUTCOME_UNKNOWN (told) when the server may or may not hold the copy, `node` as it was.
    int CopyNodeInto(const class_node_info& source, const class_domain_info& domain, class_node_info* node);
    // The node copy dialog, then CopyNodeInto with the chosen node. 0; -1 when cancelled or the copy failed;
    // CopyTransaction::OUTCOME_UNKNOWN.
    int ImportNode(class_node_info* node, class_domain_info* domain);

    // ---- Components, classes and objects --------------------------------------------------------------------

    // A new component of the domain; `component` takes its id, domain, name and description. The new id, or -1.
    int NewComponent(class_component_info* component, class_domain_info* domain);
    // Name and description (the dialog shows a component that a locked parent system uses read-only); the
    // record follows on success. 0 or -1.
    int EditComponent(class_component_info* component);

    // 0 deleted; 1 refused because a parent system locks it (shown); -1 failed, also when the lock itself could
    // not be asked (shown).
    int DeleteComponent(class_component_info* component);
    // 0 deleted; -1 locked, failed, or the lock could not be asked (each shown).
    int DeleteProxyClass(class_proxy_interface_relation_info* relation);
    int DeleteStubClass(class_stub_interface_relation_info* relation);
    // The class dialog in its new-class mode, which inserts the classes itself.
    void NewProxyClass(class_component_info* component);
    void NewStubClass(class_component_info* component);
    // Interface and class name of a class; the record follows on success. 0 or -1.
    int EditProxyClass(class_proxy_interface_relation_info* relation);
    int EditStubClass(class_stub_interface_relation_info* relation);
    // A new object of the class; `objectName` receives its name. 0 or -1.
    int NewProxyObject(class_proxy_interface_relation_info* relation, std::string& objectName);
    int NewStubObject(class_stub_interface_relation_info* relation, std::string& objectName);
    // A new name for an object of the class; the object record follows on success. 0 or -1.
    int EditProxyObject(class_proxy_interface_relation_info* relation, class_interface_object_info* object);
    int EditStubObject(class_stub_interface_relation_info* relation, class_interface_object_info* object);
    // After a new object of a class: an installed entry of the object in every deployment of the component
    // (`classKind` CLASS_KIND_PROXY or CLASS_KIND_STUB). Goes on after a failing entry; 0, or -1 when any call
    // failed (each shown).
    int AddObjectToDeployments(int domainId, int componentId, int classId, int classKind,
                               const std::string& objectName);
    // A copy of the component `source` (another domain's) in `domain`, with its proxy and stub classes (not their
    // objects, deployments or object ids), in one transaction: `component` takes the new component's id,
    // domain, name and description. The component is read by its id as the server holds it then; one that is
    // gone is refused. 0; -1 when any step failed (shown), with nothing kept and `component` as it was;
    // CopyTransaction::OUTCOME_UNKNOWN (told) when the server may or may not hold the copy, `component` as it
    // was.
    int CopyComponentInto(const class_component_info& source, const class_domain_info& domain,
                          class_component_info* component);
    // The component copy dialog, then CopyComponentInto with the chosen component. 0; -1 when cancelled or the
    // copy failed; CopyTransaction::OUTCOME_UNKNOWN.
    int ImportComponent(class_component_info* component, class_domain_info* domain);

    // ---- Installed entries ----------------------------------------------------------------------------------

    // The object id and Public flag of an installed entry (`kindFlag` 1 for a stub entry, 0 for a proxy entry),
    // starting from `objectId`. Clearing Public asks first and removes the entry's copies from the sub-systems
    // (Cancel keeps it public); setting it copies the entry onto them. The entry takes the id text and the flag.
    // 0; -1 when cancelled or the id could not be stored (shown).
    int EditObjectId(int kindFlag, class_custum_table* entry, const std::string& objectId);

private:
    void NewClasses(class_component_info* component, const char* kind);
    template <class Relation>
    int EditClass(Relation* relation, const char* kind);
    template <class Relation>
    int NewObject(Relation* relation, const char* kind, std::string& objectName);
    template <class Relation>
    int EditObject(Relation* relation, const char* kind, class_interface_object_info* object);

    // Asks a check_system_lock_ procedure: 1 locked (the refusal is shown), 0 free, -1 when it cannot be asked
    // (the server's text is shown).
    int AskLock(const CString& lockCall, const char* refusal);
};

// The one command object of the system tree; null until its first use.
extern CTreeSystemDomainControl* g_pTreeSystemDomainControl;
