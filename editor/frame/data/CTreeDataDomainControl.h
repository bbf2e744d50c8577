#pragma once

// The data-domain tree's command object: every change that the data tree makes to the design database. Each
// operation opens the dialog that collects the values, formats the call, runs it and, for edits, writes the
// new values into the record only after the server accepted them. It never touches the tree.
//
// One instance per process, reached through g_pTreeDataDomainControl: callers create it when the pointer is
// null; the data pane deletes it when the pane is destroyed and clears the pointer.

#include <vector>

#include "CString.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

class CTreeDataDomainControl {
public:
    virtual ~CTreeDataDomainControl() = default;

    // A new data domain below the parent record. Returns the new domain's id, or -1 (cancel or failure).
    int NewDomain(class_domain_info* parent);
    // Edits name, public flag and description of the domain; the record follows on success. 0 or -1.
    int EditDomain(class_domain_info* domain);
    // Deletes the domain with everything in it. 0 or -1.
    int DeleteDomain(class_domain_info* domain);
    // A new data item in the domain; `name` receives its name. 0 or -1.
    int NewMetadata(int domainId, CString& name);
    // Edits the data item; the record follows on success. 0 or -1.
    int EditMetadata(class_metadata_info* data);
    // Deletes the data item with its fields or constants. 0 or -1.
    int DeleteMetadata(class_metadata_info* data);
    // Lets the user tick the parent data domains of the domain and stores the change. 0 (also when cancelled),
    // or -1 after the first failure.
    int EditParentDomains(int domainId);
    // The domain's members and grades.
    void ShowDomainAccounts(class_domain_info* domain);
    // Copies chosen data items of any data domain into the target, each on its own: a refused one is told and the
    // next goes on. How many were copied, or -1 when the dialog was cancelled (nothing copied).
    int CopyMetadata(class_domain_info* target);
};

// The one command object of the data tree; null until its first use.
extern CTreeDataDomainControl* g_pTreeDataDomainControl;
