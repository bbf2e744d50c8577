#pragma once

// The method-domain tree's command object: every change that the method tree (and the method and interface
// member dialogs) make to the design database, and the copying of methods between method domains. Each operation
// opens the dialog that collects the values, formats the call, runs it, shows a failure and, for edits, writes
// the new values into the record only after the server accepted them. It never touches the tree.
//
// One instance per process, reached through g_pTreeMethodDomainControl: callers create it when the pointer is
// null; the method pane deletes it when the pane is destroyed and clears the pointer.

#include <string>
#include <vector>

#include "class_domain_info.h"
#include "class_interface_info.h"
#include "class_method_info.h"

class CTreeMethodDomainControl {
public:
    virtual ~CTreeMethodDomainControl() = default;

    // A new method domain below the parent record: its id, or -1 (cancel or failure).
    int NewDomain(class_domain_info* parent);
    // Name, standard port, public flag and description; the record follows on success. 0 or -1.
    int EditDomain(class_domain_info* domain);
    // Deletes the domain with its methods, interfaces and users. 0 or -1.
    int DeleteDomain(class_domain_info* domain);

    // A new interface in the method domain. 0 or -1.
    int NewInterface(int domainId);
    // Name and description; the record follows on success. 0 or -1.
    int EditInterface(class_interface_info* iface);
    // Deletes the interface unless a locked system uses it (or its lock cannot be checked). 0 or -1.
    int DeleteInterface(class_interface_info* iface);

    // A new method in the method domain; `name` receives its name. 0 or -1.
    int NewMethod(int domainId, std::string& name);
    // Everything of the method; the record follows on success (its code as decimal text). 0 or -1.
    int EditMethod(class_method_info* method);
    int DeleteMethod(class_method_info* method);

    // The data domains that the method domain uses, ticked in the domain chooser; the change is stored and
    // `domains` receives the ticked ones. 0, or -1 (cancel or failure).
    int EditDataInheritance(int domainId, std::vector<class_domain_info>& domains);
    // The domain's members and grades.
    void ShowDomainAccounts(class_domain_info* domain);

    // "Methods 가져오기": methods chosen from any method domain go into the target, each clash of name or code
    // with the target's methods resolved with the user. 0, or -1 when the user cancelled (nothing inserted).
    int CopyMethods(class_domain_info* target);
    // The chosen methods as the server holds them now (the dialog listed them earlier): one that another user
    // deleted or renamed since is left out after a message; a failed read leaves none (shown).
    void TakeCurrentMethods(std::vector<class_method_info>& chosen);
    // Every method of the domain into `methods` (a failure is shown; the list keeps what came).
    void Getmethodlistinfo(int domainId, std::vector<class_method_info>& methods);
    // Asks for a new name for every chosen method whose name an existing one has; -1 when any was refused.
    int check_overlap_methodname(std::vector<class_method_info>& chosen, const std::vector<class_method_info>& existing);
    // Asks for a new code for every chosen method whose code an existing one has; a refusal keeps the code. 0.
    int check_overlap_methodcode(std::vector<class_method_info>& chosen, const std::vector<class_method_info>& existing);
    // Inserts the methods into the domain, each on its own; 0, or -1 when any insert failed (its text shown).
    int InsertCopiedMethods(int domainId, const std::vector<class_method_info>& chosen);
};

// The one command object of the method tree; null until its first use.
extern CTreeMethodDomainControl* g_pTreeMethodDomainControl;
