#pragma once

// The "Method Defines" section of a method domain's header: per method a comment block and, for the six types
// that have them, a proxy class proxy_method_<name> and a stub class method_<name>.

#include <string>

#include "CodeText.h"

class CMysqlQuery;
class class_domain_info;

namespace tamo::codegen {

// The values that the method templates name, derived from one row of the method list.
struct MethodValues {
    std::string name;    // [NAME]
    std::string type;    // [TYPE], compared exactly
    std::string writer;  // [WRITER]
    std::string code;    // [CODE], "0x%04X"
    std::string in;      // [IN], empty for "NULL"
    std::string out;     // [OUT]
    std::string iq;      // [IQ], qualifier of the input data's domain
    std::string oq;      // [OQ]
    std::string desc;    // [DESC]

    bool HasInput() const { return !in.empty(); }
    bool HasOutput() const { return !out.empty(); }
    std::string InputType() const { return iq + "::" + in; }    // [IT]
    std::string OutputType() const { return oq + "::" + out; }  // [OT]
};

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
