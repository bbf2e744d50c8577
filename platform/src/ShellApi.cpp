#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QUrl>
#include <cerrno>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include "ModalHooks.h"
#include "QtText.h"
#include "ShellApi.h"
#include "WndImpl.h"

extern char** environ;

using namespace tamo::platform;

namespace {

const HINSTANCE kSuccess = reinterpret_cast<HINSTANCE>(42);
const HINSTANCE kFileNotFound = reinterpret_cast<HINSTANCE>(SE_ERR_FNF);
const HINSTANCE kNoProgram = reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC);
constexpr DWORD kStillActive = 259;

struct ProcessHandle {
    pid_t pid = -1;
    bool finished = false;
    int exitCode = 0;
};

QSet<ProcessHandle*>& LiveProcesses() {
    static auto* processes = new QSet<ProcessHandle*>;
    return *processes;
}

ProcessHandle* ProcessOf(HANDLE handle) {
    auto* process = static_cast<ProcessHandle*>(handle);
    return handle && LiveProcesses().contains(process) ? process : nullptr;
}

// The Windows command-line rules: blanks separate, double quotes group, backslashes escape only quotes.
std::vector<CString> SplitParameters(const CString& text) {
    std::vector<CString> arguments;
    std::string current;
    bool quoted = false;
    bool inArgument = false;
    const std::string& line = text.str();
    for (size_t i = 0; i < line.size(); ++i) {
        const char ch = line[i];
        if (ch == '\\') {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') ++backslashes, ++i;
            if (i < line.size() && line[i] == '"') {
                current.append(backslashes / 2, '\\');
                if (backslashes % 2)
                    current += '"';
                else
                    quoted = !quoted;
            } else {
                current.append(backslashes, '\\');
                --i;
            }
            inArgument = true;
        } else if (ch == '"') {
            if (quoted && i + 1 < line.size() && line[i + 1] == '"')
                current += '"', ++i;
            else
                quoted = !quoted;
            inArgument = true;
        } else if ((ch == ' ' || ch == '\t') && !quoted) {
            if (inArgument) arguments.emplace_back(current), current.clear(), inArgument = false;
        } else {
            current += ch;
            inArgument = true;
        }
    }
    if (inArgument) arguments.emplace_back(current);
    return arguments;
}

// "tools\quorrin.exe" names tools/quorrin below the folder (relative when `relative`).
QString ProgramPath(const CString& file, const CString& directory, bool relative) {
    QString path = ToQ(file);
    path.replace(u'\\', u'/');
    const QDir base(directory.IsEmpty() ? QDir::currentPath() : ToQ(directory));
    const bool absolute = QDir::isAbsolutePath(path);
    if (path.endsWith(QStringLiteral(".exe"), Qt::CaseInsensitive) &&
        !QFileInfo::exists(absolute ? path : base.filePath(path)))
        path.chop(4);
    return QDir::cleanPath(absolute || relative ? path : base.filePath(path));
}

QString ResolveProgram(const CString& file, const CString& directory) { return ProgramPath(file, directory, false); }

bool IsProgram(const QString& path) {
    const QFileInfo info(path);
    return info.isFile() && info.isExecutable();
}

HANDLE StartProgram(const QString& program, const std::vector<CString>& arguments, const CString& directory) {
    std::vector<std::string> words{program.toStdString()};
    for (const CString& argument : arguments) words.push_back(argument.str());
    std::vector<char*> argv;
    for (std::string& word : words) argv.push_back(word.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const std::string folder = directory.IsEmpty() ? std::string() : directory.str();
    if (!folder.empty()) posix_spawn_file_actions_addchdir_np(&actions, folder.c_str());
    pid_t pid = -1;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (failed) return nullptr;
    auto* process = new ProcessHandle;
    process->pid = pid;
    LiveProcesses().insert(process);
    return process;
}

HANDLE RecordedProcess(int exitCode) {
    auto* process = new ProcessHandle;
    process->finished = true;
    process->exitCode = exitCode;
    LiveProcesses().insert(process);
    return process;
}

HINSTANCE OpenWithDesktop(const CString& file, const CString& directory) {
    QString path = ToQ(file);
    path.replace(u'\\', u'/');
    if (!QDir::isAbsolutePath(path))
        path = QDir(directory.IsEmpty() ? QDir::currentPath() : ToQ(directory)).filePath(path);
    if (!QFileInfo::exists(path)) return kFileNotFound;
    EnsureApplication();
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? kSuccess : kNoProgram;
}

}  // namespace

CString ShellProgramPath(LPCTSTR file, LPCTSTR directory) {
    return FromQ(ProgramPath(file ? file : "", directory ? directory : "", true));
}

HINSTANCE ShellExecute(HWND, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory, int) {
    const CString verb = lpOperation ? lpOperation : "";
    const CString file = lpFile ? lpFile : "";
    const CString directory = lpDirectory ? lpDirectory : "";
    const CString parameters = lpParameters ? lpParameters : "";
    const QString program = ResolveProgram(file, directory);
    if ((verb.IsEmpty() || verb.CompareNoCase("open") == 0) && IsProgram(program)) {
        SHELLEXECUTEINFO info{};
        info.lpFile = lpFile, info.lpParameters = lpParameters, info.lpDirectory = lpDirectory;
        return ShellExecuteEx(&info) ? kSuccess : kFileNotFound;
    }
    ShellOpenCall call{verb, file, parameters, directory};
    if (ModalHooks* hooks = GetModalHooks(); hooks && hooks->ShellOpen(call)) return call.opened ? kSuccess : kNoProgram;
    return OpenWithDesktop(file, directory);
}

BOOL ShellExecuteEx(SHELLEXECUTEINFO* pExecInfo) {
    if (!pExecInfo || !pExecInfo->lpFile) return FALSE;
    pExecInfo->hProcess = nullptr;
    ProcessCall call;
    call.file = pExecInfo->lpFile;
    call.directory = pExecInfo->lpDirectory ? pExecInfo->lpDirectory : "";
    call.program = FromQ(ResolveProgram(call.file, call.directory));
    call.arguments = SplitParameters(pExecInfo->lpParameters ? pExecInfo->lpParameters : "");
    HANDLE process = nullptr;
    if (ModalHooks* hooks = GetModalHooks(); hooks && hooks->StartProcess(call)) {
        process = RecordedProcess(call.exitCode);
    } else if (IsProgram(ToQ(call.program))) {
        process = StartProgram(ToQ(call.program), call.arguments, call.directory);
    } else if (!QFileInfo::exists(ToQ(call.program))) {
        pExecInfo->hInstApp = kFileNotFound;
        return FALSE;
    } else {
        // Not a program: the shell opens the file with its application.
        const CString verb = pExecInfo->lpVerb ? pExecInfo->lpVerb : "";
        ShellOpenCall open{verb, call.file, pExecInfo->lpParameters ? pExecInfo->lpParameters : "", call.directory};
        if (ModalHooks* hooks = GetModalHooks(); hooks && hooks->ShellOpen(open))
            pExecInfo->hInstApp = open.opened ? kSuccess : kNoProgram;
        else
            pExecInfo->hInstApp = OpenWithDesktop(call.file, call.directory);
        return pExecInfo->hInstApp == kSuccess;
    }
    pExecInfo->hInstApp = process ? kSuccess : kFileNotFound;
    if (!process) return FALSE;
    if (pExecInfo->fMask & SEE_MASK_NOCLOSEPROCESS)
        pExecInfo->hProcess = process;
    else
        CloseHandle(process);
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds) {
    ProcessHandle* process = ProcessOf(hHandle);
    if (!process) return WAIT_FAILED;
    if (process->finished) return WAIT_OBJECT_0;
    const int options = dwMilliseconds == INFINITE ? 0 : WNOHANG;
    for (DWORD waited = 0;; waited += 10) {
        int status = 0;
        const pid_t done = waitpid(process->pid, &status, options);
        if (done == process->pid) {
            process->finished = true;
            process->exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 255;
            return WAIT_OBJECT_0;
        }
        if (done < 0 && errno != EINTR) return WAIT_FAILED;
        if (dwMilliseconds != INFINITE && waited >= dwMilliseconds) return WAIT_TIMEOUT;
        if (dwMilliseconds != INFINITE) usleep(10000);
    }
}

BOOL GetExitCodeProcess(HANDLE hProcess, DWORD* lpExitCode) {
    ProcessHandle* process = ProcessOf(hProcess);
    if (!process || !lpExitCode) return FALSE;
    if (!process->finished) WaitForSingleObject(hProcess, 0);
    *lpExitCode = process->finished ? static_cast<DWORD>(process->exitCode) : kStillActive;
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject) {
    ProcessHandle* process = ProcessOf(hObject);
    if (!process) return FALSE;
    // The program may go on running; it is reaped when it ends.
    if (!process->finished) waitpid(process->pid, nullptr, WNOHANG);
    LiveProcesses().remove(process);
    delete process;
    return TRUE;
}
