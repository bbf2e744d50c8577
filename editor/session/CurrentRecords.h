#pragma once

// A command that works from a record a tree read (an import, a copy, generated code, a document, a diagram)
// reads the record again by its id when it runs: another user may have renamed, changed, hidden or deleted it
// since. Each reader answers true with the record as the server holds it now; otherwise false after one message
// box: the server's reason when the read failed (a domain the account may no longer read, a lost connection),
// else `goneText`, which tells the user that the item is gone.

#include <string>

#include "SessionRecords.h"

// "method" reads domainMethodInfo (with the standard port), "system" domainViewDomainInfo, any other kind
// domainDataInfo.
bool ReadCurrentDomain(const std::string& kind, int domainId, class_domain_info& current, const char* goneText);
bool ReadCurrentComponent(int componentId, class_component_info& current, const char* goneText);
bool ReadCurrentNode(int nodeId, class_node_info& current, const char* goneText);
// A class by its id among the classes of its component (`shown.component_id`).
bool ReadCurrentClass(const class_proxy_interface_relation_info& shown, class_proxy_interface_relation_info& current,
                      const char* goneText);
bool ReadCurrentClass(const class_stub_interface_relation_info& shown, class_stub_interface_relation_info& current,
                      const char* goneText);
