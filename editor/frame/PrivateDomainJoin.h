#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "CString.h"

// The domain names of a typed private-domain path, cut at every backslash; empty names are left out.
std::vector<std::string> SplitJoinPath(std::string_view path);

// Applies for membership in each domain of the path, from the top down: every level names the domain found at
// the level before ("call domainAccountViewJoinPrivateDomain('%s',%d,'%s')", 0 for the first). Stops at the
// first level the server refuses: 0 when every level was joined (also for a path without names), -1 with the
// server's text kept in the session.
int JoinPrivateDomainPath(std::string_view path, const CString& kind);
