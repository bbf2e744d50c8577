#include "CompileCheck.h"

#include <cstdlib>
#include <filesystem>

#include <gtest/gtest.h>

#include "GoldenFile.h"

namespace tamo::codegen::testing {

namespace {

std::string Quoted(const std::string& text) {
    std::string quoted = "'";
    for (char ch : text) {
        if (ch == '\'') quoted += "'\\''";
        else quoted += ch;
    }
    return quoted + "'";
}

}  // namespace

std::string FreshFolder(const std::string& name) {
    const std::string folder = ::testing::TempDir() + "codegen_" + name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

CompileResult RunCompiler(const std::vector<std::string>& arguments, const std::vector<std::string>& includeDirs) {
    return RunCompilerNamed(TAMO_CXX_COMPILER, arguments, includeDirs);
}

std::vector<std::string> TestCompilers() { return {TAMO_CXX_COMPILER, "clang++"}; }

CompileResult RunCompilerNamed(const std::string& compiler, const std::vector<std::string>& arguments,
                               const std::vector<std::string>& includeDirs) {
    const std::string log = ::testing::TempDir() + "codegen_compiler_" + std::to_string(::getpid()) + ".log";
    std::string command = Quoted(compiler) + " -std=c++17 -I" + Quoted(TAMO_CODEGEN_SDK_DIR);
    for (const std::string& dir : includeDirs) command += " -I" + Quoted(dir);
    for (const std::string& argument : arguments) command += ' ' + Quoted(argument);
    command += " > ";
    command += Quoted(log);
    command += " 2>&1";
    CompileResult result;
    result.ok = std::system(command.c_str()) == 0;
    result.output = ReadFile(log);
    std::filesystem::remove(log);
    return result;
}

CompileResult CheckSyntax(const std::string& file, const std::vector<std::string>& includeDirs) {
    return RunCompiler({"-fsyntax-only", file}, includeDirs);
}

}  // namespace tamo::codegen::testing
