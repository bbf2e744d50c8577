#pragma once

#include <string>
#include <vector>

// A search result line as CMysqlQuery::QueryReferenceList writes it: "[타입]" type " [이름]" name " [경로]" path.
// Cuts it into the type (the text after "[타입]" up to the blank before "[이름]"), the name (after "[이름]" up to
// the blank before "[경로]") and the path (everything after "[경로]"). A marker that is missing leaves its value
// and the value before it empty.
void SplitReferenceLine(std::string& name, std::string& path, const std::string& line, std::string& type);

// One way to read a search result line.
struct ReferenceLine {
    std::string type;
    std::string name;
    std::string path;
};

// Every way to read a search result line. A name or a domain name in the path may hold the markers themselves,
// so every "[경로]" after the name's marker gives one reading, the first one first: that is SplitReferenceLine's.
// The type is a keyword and never holds a marker. There is always at least one reading.
std::vector<ReferenceLine> ReadReferenceLine(const std::string& line);

// One level of a search result as a tree walks it from its root: a level of the hit's path (the names of the
// domains from the top down, and in the system tree the folder that holds the hit), or, below the last one, the
// hit itself by its name (for every hit that is not a domain).
struct ReferenceLevel {
    const ReferenceLine& hit;
    const std::string& text;
    bool isName;      // the hit itself
    bool isLastPath;  // the last level of the path
};

// The components of a tree path, cut at each backslash ("A\B\" and "A\B" both give A, B).
std::vector<std::string> SplitTreePath(const std::string& path);
