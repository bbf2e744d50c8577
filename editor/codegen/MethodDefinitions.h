#pragma once

// The "Method Defines" section of a method domain's header: per method a comment block and, for the six types
// that have them, a proxy class proxy_method_<name> and a stub class method_<name>.

#include <string>

#include "CodeText.h"
#include "MethodValues.h"

class CMysqlQuery;
class class_domain_info;

namespace tamo::codegen {

// Derives the values from a row of "call methodViewMethodList(...)": 0 type, 1 code, 2 name, 3 input domain id,
// 4 input data, 5 output domain id, 6 output data, 7 writer, 8 description, 10 and 11 the data domains' names.
// A domain id column that is not empty is turned into its qualifier by `qualifierOf`.
MethodValues MethodValuesFromRow(const CodegenRow& row, const DataQualifierFn& qualifierOf);

// Appends the comment block and, by type, the two classes of one method.
void AppendMethodDefinition(std::string& text, const MethodValues& method);

// The classes of one type's template (empty for a type without classes).
std::string MethodClassesText(const MethodValues& method);

}  // namespace tamo::codegen

// Appends the classes of every method of the domain (only its id is used) to the header text. A failed method
// list shows the session's error text and leaves the section empty.
void WriteMethodClasses(CMysqlQuery& session, const class_domain_info& domain, std::string& text);
