#pragma once

// Turns the gathered lists of one method domain into the domain list document: the declaration, the style
// sheet instruction and the root "domainlist" with "methoddomain" and "datadomain".

#include <string>

#include "XmlDocument.h"
#include "class_xmlexport_lists.h"

// Builds into `document`, which must be empty. `domainPath` is the exported domain's path; the row's "path"
// holds it after "method\".
void WriteDomainList(tamo::documents::XmlDocument& document, const class_xmlexport_lists& lists,
                     const std::string& domainPath);

// A stored method code (decimal text, its leading integer; 0 when there is none) as the document writes it:
// "0x%04X".
std::string DomainListMethodCode(const std::string& stored);
