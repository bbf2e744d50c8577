#include "Golden.h"

#include <cstdlib>
#include <fstream>
#include <regex>
#include <sstream>

#include "ExportFiles.h"

namespace tamo::exporters::testing {

std::string WithoutTimes(const std::string& text) {
    static const std::regex time(R"(\d{4}-\d{2}-\d{2} \d{2}:\d{2}:\d{2})");
    return std::regex_replace(text, time, "YYYY-MM-DD hh:mm:ss");
}

::testing::AssertionResult MatchesGolden(const std::string& document, const std::string& name) {
    const std::string path = std::string(TAMO_EXPORT_GOLDEN_DIR) + "/" + name;
    const std::string actual = WithoutTimes(document);
    const char* update = std::getenv("TAMO_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        std::ofstream(path, std::ios::binary) << actual;
        return ::testing::AssertionSuccess() << "wrote " << path;
    }
    if (!FileExists(path)) return ::testing::AssertionFailure() << "no golden file " << path;
    const std::string expected = ReadFile(path);
    if (actual == expected) return ::testing::AssertionSuccess();
    // Name the first line that differs; the whole text follows for the record.
    std::istringstream a(actual), e(expected);
    std::string actual_line, expected_line;
    int line = 1;
    while (true) {
        const bool more_a = static_cast<bool>(std::getline(a, actual_line));
        const bool more_e = static_cast<bool>(std::getline(e, expected_line));
        if (!more_a && !more_e) break;
        if (!more_a || !more_e || actual_line != expected_line) break;
        ++line;
    }
    return ::testing::AssertionFailure() << name << " differs from line " << line << ":\n  expected: "
                                         << expected_line << "\n  written:  " << actual_line
                                         << "\n(TAMO_UPDATE_GOLDEN=1 rewrites the golden file)";
}

}  // namespace tamo::exporters::testing
