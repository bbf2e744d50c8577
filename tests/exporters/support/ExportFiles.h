#pragma once

#include <string>
#include <vector>

namespace tamo::exporters::testing {

// The texts of every element at `path` (element names below the root, joined by "/"), in document order.
// An element's text is the concatenation of its text children.
std::vector<std::string> Values(const std::string& xml, const std::string& path);
// How many elements stand at `path`.
std::size_t Count(const std::string& xml, const std::string& path);

std::string ReadFile(const std::string& path);
bool FileExists(const std::string& path);
// The names of the entries of a folder, sorted.
std::vector<std::string> FolderEntries(const std::string& folder);

// A fresh folder under the test run's temporary folder, removed with its contents when the object goes.
class ScratchFolder {
public:
    ScratchFolder();
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

struct ProgramRun {
    int exit_code = -1;
    std::string output;  // standard output
};

// Runs an exporter of the build's tools folder with these arguments (no shell) and waits for it.
ProgramRun RunTool(const std::string& program, const std::vector<std::string>& arguments);
std::string ToolPath(const std::string& program);

// True when xmllint finds the file well-formed.
bool WellFormed(const std::string& path);

}  // namespace tamo::exporters::testing
