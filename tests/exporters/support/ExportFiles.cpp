#include "ExportFiles.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <xercesc/dom/DOM.hpp>
#include <xercesc/framework/MemBufInputSource.hpp>
#include <xercesc/parsers/XercesDOMParser.hpp>
#include <xercesc/util/PlatformUtils.hpp>
#include <xercesc/util/TransService.hpp>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

extern char** environ;

namespace tamo::exporters::testing {

using namespace xercesc;

namespace {

std::string Utf8(const XMLCh* text) {
    TranscodeToStr utf8(text, "UTF-8");
    return reinterpret_cast<const char*>(utf8.str());
}

std::vector<std::string> Split(const std::string& path) {
    std::vector<std::string> names;
    std::stringstream in(path);
    for (std::string name; std::getline(in, name, '/');) names.push_back(name);
    return names;
}

void Collect(const DOMElement* element, const std::vector<std::string>& names, std::size_t depth,
             std::vector<std::string>& values) {
    for (const DOMNode* child = element->getFirstChild(); child; child = child->getNextSibling()) {
        if (child->getNodeType() != DOMNode::ELEMENT_NODE || Utf8(child->getNodeName()) != names[depth]) continue;
        const auto* match = static_cast<const DOMElement*>(child);
        if (depth + 1 < names.size()) {
            Collect(match, names, depth + 1, values);
            continue;
        }
        std::string text;
        for (const DOMNode* part = match->getFirstChild(); part; part = part->getNextSibling())
            if (part->getNodeType() == DOMNode::TEXT_NODE) text += Utf8(part->getNodeValue());
        values.push_back(text);
    }
}

}  // namespace

std::vector<std::string> Values(const std::string& xml, const std::string& path) {
    XMLPlatformUtils::Initialize();
    std::vector<std::string> values;
    {
        XercesDOMParser parser;
        MemBufInputSource source(reinterpret_cast<const XMLByte*>(xml.data()), xml.size(), "export");
        bool parsed = true;
        try {
            parser.parse(source);
        } catch (...) {
            parsed = false;
        }
        if (!parsed || parser.getErrorCount() != 0 || !parser.getDocument()) {
            XMLPlatformUtils::Terminate();
            throw std::runtime_error("not a well-formed document:\n" + xml);
        }
        Collect(parser.getDocument()->getDocumentElement(), Split(path), 0, values);
    }
    XMLPlatformUtils::Terminate();
    return values;
}

std::size_t Count(const std::string& xml, const std::string& path) { return Values(xml, path).size(); }

std::string ReadFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

bool FileExists(const std::string& path) { return std::filesystem::exists(path); }

std::vector<std::string> FolderEntries(const std::string& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

ScratchFolder::ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "tamo-export-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot make a scratch folder");
    path_ = pattern;
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

std::string ToolPath(const std::string& program) { return std::string(TAMO_TOOLS_DIR) + "/" + program; }

ProgramRun RunTool(const std::string& program, const std::vector<std::string>& arguments) {
    const std::string path = ToolPath(program);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments) argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);

    int out[2];
    if (pipe(out) != 0) throw std::runtime_error("pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, out[0]);
    posix_spawn_file_actions_addclose(&actions, out[1]);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    ProgramRun run;
    char buffer[4096];
    for (ssize_t n; (n = read(out[0], buffer, sizeof buffer)) > 0;) run.output.append(buffer, static_cast<size_t>(n));
    close(out[0]);
    if (spawned != 0) throw std::runtime_error("cannot start " + path);
    int status = 0;
    waitpid(pid, &status, 0);
    run.exit_code = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return run;
}

bool WellFormed(const std::string& path) {
    const std::string command = "xmllint --noout '" + path + "' 2>/dev/null";
    return std::system(command.c_str()) == 0;
}

}  // namespace tamo::exporters::testing
