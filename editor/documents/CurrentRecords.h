#pragma once

// What a document is made from is read by its id when the command runs, not taken from the record a tree read:
// another user may have renamed, hidden or deleted it since. Each answers false after a message (the server's
// reason, or that the item is gone) when there is nothing to make the document from.

#include <string>

class class_component_info;
class class_domain_info;

bool ReadCurrentMethodDomain(int domainId, class_domain_info& current);
// The domain's path as the trees write it ("NavService\위치서비스\"), from the server.
bool ReadCurrentMethodDomainPath(int domainId, std::string& path);
bool ReadCurrentComponent(int componentId, class_component_info& current);
