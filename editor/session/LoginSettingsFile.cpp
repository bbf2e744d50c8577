#include "LoginSettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "ReplaceFileContents.h"

namespace {

// Opens the file without waiting on it (a FIFO would block a plain open) and only when it is a regular file;
// -1 otherwise. The open stays non-blocking, which a regular file ignores.
int OpenRegularFile(const char* path, int flags) {
    const int fd = open(path, flags | O_NONBLOCK | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return -1;
    struct stat status {};
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        return -1;
    }
    return fd;
}

FILE* OpenForReading(const char* path) {
    const int fd = OpenRegularFile(path, O_RDONLY);
    if (fd < 0) return nullptr;
    FILE* file = fdopen(fd, "rb");
    if (!file) close(fd);
    return file;
}

// Only a regular file (or none) is replaced: a FIFO, a device or a symbolic link at the path is somebody's, and
// the passwords must not reach whatever it leads to.
bool MayReplace(const char* path) {
    struct stat status {};
    return lstat(path, &status) != 0 || S_ISREG(status.st_mode);
}

}  // namespace

std::vector<CString> LoadLoginSettings(const char* path, CLoginValues& values) {
    std::vector<CString> messages;
    FILE* file = OpenForReading(path);
    if (!file) {
        values.SetDefaults();
        return messages;
    }
    values.Clear();
    if (std::fread(values.Block(), 1, CLoginValues::BLOCK_SIZE, file) < CLoginValues::BLOCK_SIZE)
        messages.emplace_back("err(fread)");
    values.TerminateFields();
    if (std::fclose(file) != 0) messages.emplace_back("err(fclose");
    return messages;
}

std::vector<CString> StoreLoginSettings(const char* path, const CLoginValues& values, bool rememberDbAccount,
                                        bool rememberUserAccount) {
    std::vector<CString> messages;
    CLoginValues stored = values;
    if (!rememberDbAccount) {
        stored.SetField(LOGIN_DB_ID, "");
        stored.SetField(LOGIN_DB_PASSWORD, "");
    }
    if (!rememberUserAccount) {
        stored.SetField(LOGIN_USER_ID, "");
        stored.SetField(LOGIN_USER_PASSWORD, "");
    }
    if (!MayReplace(path)) return messages;
    const FileWriteError error =
        ReplaceFileContents(path, std::string_view(stored.Block(), CLoginValues::BLOCK_SIZE), {.ownerOnly = true});
    // A file that cannot be created at all stays silent, as a settings file that nobody asked for.
    if (error.step == FileWriteError::Step::close)
        messages.emplace_back(error.Describe("err(fclose").c_str());
    else if (error && error.step != FileWriteError::Step::create)
        messages.emplace_back(error.Describe("err(fwrite)").c_str());
    return messages;
}
