#pragma once

#include <string>
#include <vector>

// A search result line as CMysqlQuery::QueryReferenceList writes it: "[타입]" type " [이름]" name " [경로]" path.
// Cuts it into the type (the text after "[타입]" up to the blank before "[이름]"), the name (after "[이름]" up to
// the blank before "[경로]") and the path (everything after "[경로]"). A marker that is missing leaves its value
// and the value before it empty.
void SplitReferenceLine(std::string& name, std::string& path, const std::string& line, std::string& type);

// The components of a tree path, cut at each backslash ("A\B\" and "A\B" both give A, B).
std::vector<std::string> SplitTreePath(const std::string& path);
