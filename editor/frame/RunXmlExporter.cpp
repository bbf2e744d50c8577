#include "RunXmlExporter.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "CFileDialog.h"
#include "CTamoZELK_MDIApp.h"
#include "FormatStdString.h"
#include "ShellApi.h"

namespace {

// What a file looked like before the exporter ran.
struct FileState {
    bool exists = false;
    struct timespec modified {};
    off_t size = 0;
};

FileState StateOf(const CString& path) {
    FileState state;
    struct stat info {};
    if (::stat(path, &info) == 0 && S_ISREG(info.st_mode)) {
        state.exists = true;
        state.modified = info.st_mtim;
        state.size = info.st_size;
    }
    return state;
}

bool WrittenSince(const FileState& before, const FileState& after) {
    if (!after.exists) return false;
    if (!before.exists) return true;
    return after.modified.tv_sec != before.modified.tv_sec || after.modified.tv_nsec != before.modified.tv_nsec ||
           after.size != before.size;
}

// The exporters write their messages, "err : " lines included, to standard output, which the started program
// shares with the editor. While one runs, that output goes to a file of its own, so that an error can be
// shown; afterwards it is passed on to the editor's output as well.
class ExporterOutput {
public:
    ExporterOutput() {
        char name[] = "/tmp/tamo-exporter-XXXXXX";
        m_file = ::mkstemp(name);
        if (m_file < 0) return;
        ::unlink(name);
        std::fflush(stdout);
        m_saved = ::dup(STDOUT_FILENO);
        if (m_saved >= 0) ::dup2(m_file, STDOUT_FILENO);
    }
    ~ExporterOutput() {
        Restore();
        if (m_file >= 0) ::close(m_file);
    }
    ExporterOutput(const ExporterOutput&) = delete;
    ExporterOutput& operator=(const ExporterOutput&) = delete;

    // Gives the editor its own output back (once the program has started, it keeps the file).
    void Restore() {
        if (m_saved < 0) return;
        ::dup2(m_saved, STDOUT_FILENO);
        ::close(m_saved);
        m_saved = -1;
    }

    // Everything the program wrote.
    std::string Text() const {
        std::string text;
        if (m_file < 0) return text;
        char buffer[4096];
        for (off_t at = 0;;) {
            const ssize_t read = ::pread(m_file, buffer, sizeof buffer, at);
            if (read <= 0) break;
            text.append(buffer, static_cast<size_t>(read));
            at += read;
        }
        return text;
    }

private:
    int m_file = -1;
    int m_saved = -1;
};

// The exporter's "err : " lines, one per line of the text.
std::string ErrorLines(const std::string& output) {
    std::istringstream lines(output);
    std::string line, errors;
    while (std::getline(lines, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("err : ", 0) != 0) continue;
        if (!errors.empty()) errors += "\n";
        errors += line;
    }
    return errors;
}

}  // namespace

std::string QuoteExporterArgument(const std::string& text) {
    std::string quoted;
    size_t backslashes = 0;
    for (const char ch : text) {
        if (ch == '\\') {
            ++backslashes;
            continue;
        }
        if (ch == '"') {
            // Backslashes before a quote are doubled, and the quote itself is escaped.
            quoted.append(backslashes * 2 + 1, '\\');
            quoted += '"';
        } else {
            quoted.append(backslashes, '\\');
            quoted += ch;
        }
        backslashes = 0;
    }
    // Backslashes at the end stand before the closing quote.
    quoted.append(backslashes * 2, '\\');
    return quoted;
}

void RunXmlExporter(const CLoginValues& login, const std::string& name, const char* toolPath, int id) {
    const std::string initialName = name + ".xml";
    CFileDialog dialog(FALSE, nullptr, initialName.c_str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "XML files(*.xml)|*.xml|", nullptr, 0, TRUE);
    if (dialog.DoModal() != IDOK) return;
    const CString outputPath = dialog.GetPathName();

    std::string parameters;
    FormatStdString(parameters, "\"%s\" \"%s\" \"%s\" \"%s\" \"%s\" \"%s\" \"%s\" \"%d\" \"%s\"",
                    QuoteExporterArgument(login.ServerAddress()).c_str(), QuoteExporterArgument(login.Port()).c_str(),
                    QuoteExporterArgument(login.DatabaseId()).c_str(),
                    QuoteExporterArgument(login.DatabasePassword()).c_str(),
                    QuoteExporterArgument(login.DatabaseName()).c_str(), QuoteExporterArgument(login.UserId()).c_str(),
                    QuoteExporterArgument(login.UserPassword()).c_str(), id,
                    QuoteExporterArgument(outputPath.str()).c_str());

    const FileState before = StateOf(outputPath);
    SHELLEXECUTEINFO execute{};
    execute.cbSize = sizeof execute;
    execute.fMask = SEE_MASK_NOCLOSEPROCESS;
    execute.lpVerb = nullptr;
    execute.lpFile = toolPath;
    execute.lpParameters = parameters.c_str();
    execute.lpDirectory = nullptr;
    execute.nShow = SW_SHOW;

    ExporterOutput output;
    const BOOL started = ShellExecuteEx(&execute);
    output.Restore();
    // Messages name the program as this system does (tools/tembrel), not by the path it was asked by.
    const CString program = ShellProgramPath(toolPath);
    if (!started || execute.hProcess == nullptr) {
        AfxMessageBox(CString("XML 출력 프로그램을 시작할 수 없습니다 : ") + program);
        return;
    }
    WaitForSingleObject(execute.hProcess, INFINITE);
    DWORD exitCode = 0;
    GetExitCodeProcess(execute.hProcess, &exitCode);
    CloseHandle(execute.hProcess);

    const std::string text = output.Text();
    if (!text.empty()) {
        std::fwrite(text.data(), 1, text.size(), stdout);
        std::fflush(stdout);
    }
    if (exitCode != 0 || !WrittenSince(before, StateOf(outputPath))) {
        // An older file of that name is not shown as if it were the new one.
        CString message = program + " : XML 파일을 만들지 못했습니다.";
        const std::string errors = ErrorLines(text);
        if (!errors.empty()) message += CString("\n") + errors.c_str();
        AfxMessageBox(message);
        return;
    }
    const HINSTANCE opened = ShellExecute(nullptr, "open", outputPath, nullptr, nullptr, SW_SHOW);
    if (reinterpret_cast<INT_PTR>(opened) <= 32) {
        // Where no program takes XML files the user still learns that the file was written, and where.
        AfxMessageBox(CString("XML 파일을 만들었습니다 : ") + outputPath +
                      "\n이 파일을 열 프로그램을 찾지 못했습니다.");
    }
}

void RunXmlExporter(const std::string& name, const char* toolPath, int id) {
    // The login values of the run are those of the application's login dialog.
    const auto* application = dynamic_cast<const CTamoZELK_MDIApp*>(AfxGetApp());
    if (application == nullptr) return;
    RunXmlExporter(application->m_LoginDlg, name, toolPath, id);
}
