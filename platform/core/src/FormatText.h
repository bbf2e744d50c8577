#pragma once

#include <cstdarg>
#include <string>

namespace tamo::platform {

// The whole text that vsnprintf makes of the format and arguments, however long; empty when it fails. The
// argument list stays usable: it is copied for each pass.
std::string FormatToString(const char* format, va_list args);

}  // namespace tamo::platform
