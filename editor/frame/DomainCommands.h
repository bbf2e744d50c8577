#pragma once

// What the trees' command objects and the domain chooser share: creating, editing and deleting a domain, its
// accounts, and choosing the data domains linked to a domain through the domain chooser.

#include <string>
#include <vector>

#include "CString.h"
#include "class_domain_info.h"

class CWnd;

// A new domain of the kind ("data", "method" or "system") below the parent, through the domain dialog; a method
// domain gets its standard port (the dialog proposes a free one). The new domain's id, or -1 when the dialog
// was cancelled or the server refused (its text shown).
int NewDomainThroughDialog(const std::string& kind, int parentId, CWnd* owner = nullptr);

// The domain dialog on the record; after OK the edit goes to the server, and once it is accepted the record takes
// name, public flag, description, the standard port of a method domain and the local time as its last update.
// 0, or -1 when the dialog was cancelled or the server refused (its text shown).
int EditDomainThroughDialog(const std::string& kind, class_domain_info& domain);

// The domain chooser over every data domain, with the domains that `linksCall` lists ticked. After OK only the
// difference reaches the server: the links of `flag` to unticked domains are deleted, then the ticked ones are
// added (the domain itself never); the first refusal ends it with the server's text shown. `ticked` receives the
// ticked domains in tree order. IDOK, IDCANCEL, or -1 when a load or a change failed (its text shown).
int EditDataDomainLinks(int domainId, const CString& linksCall, int flag, std::vector<class_domain_info>& ticked);

// Deletes the domain with everything in it; the server's text is shown when it refuses. 0 or -1.
int DeleteDomainOfKind(const std::string& kind, const class_domain_info& domain);

// The members of the domain and their grades (the domain account dialog).
void ShowDomainAccountsOfKind(const std::string& kind, class_domain_info& domain);
