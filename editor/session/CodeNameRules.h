#pragma once

// The rules for names that become C++ names of the generated code, without windows: the dialogs ask before
// they send, the server (database/procedures/048-code-names.sql) refuses the same names with the same texts.
// Characters beyond ASCII are the server's to judge by their Unicode class (letters and marks pass there);
// everything else is judged here as there.

#include <string>

// Where a name stands in the generated code.
enum class CodeNameScope {
    Domain,     // a data or method domain: a name space, a folder and a header file
    Data,       // a data item or an enumeration's constant, in its domain's name space
    Field,      // a field of a structure, beside the members that the generator gives every structure
    Method,     // a method: a member function of classes on the SDK's object bases
    Interface,  // an interface of a method domain
    Class,      // a proxy or stub class of a component: a class and its two files
};

// Empty when the name can be written into the code in that scope; otherwise the refusal to show, which names
// the rule that it breaks.
std::string CodeNameRefusal(CodeNameScope scope, const std::string& name);
// As above for a name that is made or renamed: the name that stands already (`standingName`, the item's name
// before the change; empty for a new item) keeps working.
std::string CodeNameRefusal(CodeNameScope scope, const std::string& name, const std::string& standingName);

// The longest name, in bytes, that becomes a file name with its extension.
constexpr std::size_t kCodeFileNameBytes = 251;
