#pragma once

// The "Interface Defines" section of a method domain's header: per interface a comment block, a proxy class
// proxy_interface_<name> and a stub class stub_interface_<name> that only combine virtual bases.

#include <string>
#include <vector>

#include "CodeText.h"

class CMysqlQuery;
class class_domain_info;

namespace tamo::codegen {

// True for the method types whose methods have a proxy and a stub class in the header.
bool MethodTypeHasClasses(const std::string& type);

// The two classes of one interface from its row of the interface list (0 name, 1 writer, 2 description), the
// rows of its parent list (0 qualifier, 1 name) and of its member list (0 qualifier, 1 name, 2 type).
void AppendInterfaceClasses(std::string& text, const CodegenRow& interfaceRow, const std::vector<CodegenRow>& parents,
                            const std::vector<CodegenRow>& members);

}  // namespace tamo::codegen

// Appends the classes of every interface of the domain (only its id is used). A failed statement shows the
// session's error text and ends the section; the interfaces written before stay.
void WriteInterfaceClasses(CMysqlQuery& session, std::string& text, const class_domain_info& domain);
