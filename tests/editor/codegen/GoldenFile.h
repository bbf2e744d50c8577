#pragma once

#include <string>

namespace tamo::codegen::testing {

// Compares `text` with the golden file `name` of this folder's golden/ directory, whole. With the environment
// variable TAMO_UPDATE_GOLDEN=1 it writes the file instead (review the difference before committing it).
void ExpectMatchesGolden(const std::string& name, const std::string& text);

std::string ReadFile(const std::string& path);
void WriteFile(const std::string& path, const std::string& text);

// The first line at which two texts differ, with both lines, for failure messages.
std::string FirstDifference(const std::string& expected, const std::string& actual);

}  // namespace tamo::codegen::testing
