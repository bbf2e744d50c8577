#pragma once

// A domain's header path ("Tamo\Data\Nav\") and the C++ qualifier made from it ("Tamo::Data::Nav"), as the
// header's frame and its data and method sections write them.

#include <string>

class CMysqlQuery;

// "Tamo\Method\" (kind "method") or "Tamo\Data\" (any other kind) followed by the server's domain path.
std::string HeaderPath(CMysqlQuery& session, const std::string& kind, int domainId);

// Replaces every backslash of the text by the replacement.
void ReplaceAll(std::string& text, const std::string& replacement);

// The qualifier of a domain: its header path with "::" for every backslash, without the final "::"
// ("Tamo::Data::Nav"). The id text is read as a decimal number (0 when it is none). Returns 0.
int DomainIdToQualifier(std::string& qualifier, const std::string& kind, const std::string& domainIdText,
                        CMysqlQuery& session);

namespace tamo::codegen {

// The qualifier of a data domain ("Tamo::Data::Nav") by its id.
std::string DataDomainQualifier(CMysqlQuery& session, int domainId);

}  // namespace tamo::codegen
