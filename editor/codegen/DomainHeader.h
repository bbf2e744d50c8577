#pragma once

// The C++ header of one data or method domain: its frame (document comment, include guard, SDK include, data
// prelude, parent includes, name spaces, standard port, section banners, closing lines) around the data, method
// and interface sections.

#include <string>
#include <vector>

#include "CString.h"

class CMysqlQuery;
class class_domain_info;

// Appends the whole header of the domain to `text`. `kind` is "data" or "method". Failed reads are shown in
// message boxes and leave their piece out; the frame of the header is always complete.
void MakeDomainHeader(std::string& text, const std::string& kind, CMysqlQuery& session,
                      const class_domain_info& domain);

// The name-space openers of a header path, the qualifier and the number of names.
struct DomainNamespaces {
    std::string openers;             // "namespace  Tamo { namespace  Data { "
    std::string qualifier;           // "Tamo::Data"
    std::vector<std::string> names;  // in order from the start
    int count = 0;
};
DomainNamespaces OpenDomainNamespaces(const std::string& headerPath);

// The closing line of the name spaces: "} using namespace <name>; " for every name, the last one first.
std::string CloseDomainNamespaces(const DomainNamespaces& namespaces);

void WriteDataPrelude(std::string& text);

// The parent include lines of a method domain (its parent method domains) and of any domain (the data domains it
// uses, by the caller's statement). A domain named "Tamo" is never included.
void WriteMethodParentIncludes(CMysqlQuery& session, int domainId, std::string& buffer);
void WriteDataParentIncludes(CMysqlQuery& session, const CString& statement, std::string& buffer);

// The document comment of the domain, loaded from the server by the domain's id. The method variant also sets
// the standard port text.
void WriteMethodDomainDocHeader(CMysqlQuery& session, const class_domain_info& domain, std::string& standardPort,
                                std::string& text);
void WriteDataDomainDocHeader(CMysqlQuery& session, const class_domain_info& domain, std::string& text);

namespace tamo::codegen {

// One banner line: "/* " title " " then `stars` asterisks, "/" and a line feed.
std::string Banner(const std::string& title, std::size_t stars);

// The document comment block from a loaded domain record; `ctimeText` is the C library's ctime text (it ends in
// a line feed) or empty.
std::string MethodDocComment(const class_domain_info& record, const std::string& ctimeText);
std::string DataDocComment(const class_domain_info& record, const std::string& ctimeText);

// The lines of a description after its label, split at line feeds as a token scan splits them.
std::string DescriptionLines(const std::string& label, const std::string& description);

// The current local time as the C library's ctime text, or the empty text.
std::string CurrentCtimeText();

}  // namespace tamo::codegen
