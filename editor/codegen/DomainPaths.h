#pragma once

// A domain's header path ("Tamo\Data\Nav\") and the C++ qualifier made from it ("Tamo::Data::Nav"), as the
// header's frame and its data and method sections write them.

#include <functional>
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

// The header path of a data domain by its id, and its qualifier, each read from the server once for all the
// references of one generation: a header or a class refers to a handful of domains thousands of times. A
// failed read is neither kept nor hidden: the next reference reads again and shows its failure again.
std::function<std::string(int domainId)> RememberedDataHeaderPaths(CMysqlQuery& session);
std::function<std::string(int domainId)> RememberedDataQualifiers(CMysqlQuery& session);

}  // namespace tamo::codegen
