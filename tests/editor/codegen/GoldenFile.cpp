#include "GoldenFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace tamo::codegen::testing {

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& path, const std::string& text) {
    std::filesystem::create_directories(std::filesystem::path(path).parent_path());
    std::ofstream out(path, std::ios::binary);
    out << text;
}

std::string FirstDifference(const std::string& expected, const std::string& actual) {
    std::istringstream a(expected);
    std::istringstream b(actual);
    std::string lineA;
    std::string lineB;
    for (int number = 1;; ++number) {
        const bool moreA = static_cast<bool>(std::getline(a, lineA));
        const bool moreB = static_cast<bool>(std::getline(b, lineB));
        if (!moreA && !moreB) return "the texts differ only in their last line end";
        if (!moreA || !moreB || lineA != lineB) {
            return "line " + std::to_string(number) + "\n  expected: " + (moreA ? lineA : "<end>") +
                   "\n  actual:   " + (moreB ? lineB : "<end>");
        }
    }
}

void ExpectMatchesGolden(const std::string& name, const std::string& text) {
    const std::string path = std::string(TAMO_CODEGEN_GOLDEN_DIR) + "/" + name;
    const char* update = std::getenv("TAMO_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
        WriteFile(path, text);
        return;
    }
    ASSERT_TRUE(std::filesystem::exists(path)) << "missing golden file " << path;
    const std::string expected = ReadFile(path);
    EXPECT_TRUE(expected == text) << name << ": " << FirstDifference(expected, text);
}

}  // namespace tamo::codegen::testing
