#pragma once

// The values that the method templates name, one method's worth: the method section reads them from a row of the
// method list, and every template of a method type (its own and the connection templates) writes them out.

#include <string>

namespace tamo::codegen {

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

}  // namespace tamo::codegen
