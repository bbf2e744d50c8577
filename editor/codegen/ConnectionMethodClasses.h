#pragma once

// The templates of the method types built around a connection between proxy and stub: EVENT, INFORMATION and
// COMMAND. Each returns the whole proxy and stub class text of one method.

#include <string>

namespace tamo::codegen {

struct MethodValues;

std::string EventClassesText(const MethodValues& method);
std::string InformationClassesText(const MethodValues& method);
std::string CommandClassesText(const MethodValues& method);

}  // namespace tamo::codegen
