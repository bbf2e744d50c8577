#pragma once

#include <string>
#include <vector>

namespace tamo::codegen::testing {

struct CompileResult {
    bool ok = false;
    std::string output;  // what the compiler printed
};

// Runs the C++ compiler on `arguments` (sources, -o, ...) with -std=c++17, the test SDK and `includeDirs` on
// the include path.
CompileResult RunCompiler(const std::vector<std::string>& arguments, const std::vector<std::string>& includeDirs);

// As RunCompiler with the named compiler ("clang++", ...) instead of the build's.
CompileResult RunCompilerNamed(const std::string& compiler, const std::vector<std::string>& arguments,
                               const std::vector<std::string>& includeDirs);

// The compilers that generated code must pass: the build's (g++) and clang++.
std::vector<std::string> TestCompilers();

// -fsyntax-only on one file.
CompileResult CheckSyntax(const std::string& file, const std::vector<std::string>& includeDirs);

// A fresh, empty folder below the test's temporary directory.
std::string FreshFolder(const std::string& name);

}  // namespace tamo::codegen::testing
