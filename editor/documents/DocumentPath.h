#pragma once

// The file a document command writes: the chosen path, with the extension appended when the path holds it
// nowhere (the search is case-sensitive, so "plan.hml.bak" stays and "PLAN.HML" becomes "PLAN.HML.hml").

#include <string>
#include <string_view>

std::string DocumentPath(std::string chosen, std::string_view extension);
