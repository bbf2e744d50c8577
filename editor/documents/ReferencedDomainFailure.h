#pragma once

// A failed read of a domain that a row refers to (an alias's data, a method's data, the interface of a class):
// mostly a domain that a colleague made private after the reference was made. The box names the domain, as the
// referring row names it, before the session's last error text.

#include <string>

// Shows "참조하는 <kind> 도메인 <name>(id <id>)을(를) 읽을 수 없습니다: <last error>" for a loader result of -1;
// with no name (no row refers to the domain) the last error text alone.
void ShowReferencedDomainFailure(int result, const char* kind, int domainId, const std::string& domainName);
