#include "LoginSettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

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

// Opens the file for writing ("wb"), created for its owner only; an existing file is narrowed the same way.
// A symbolic link is not followed, so the passwords never land in a file that the link names.
FILE* OpenPrivateForWriting(const char* path) {
    const int fd = OpenRegularFile(path, O_WRONLY | O_CREAT | O_NOFOLLOW);
    if (fd < 0) return nullptr;
    FILE* file = nullptr;
    if (ftruncate(fd, 0) == 0 && fchmod(fd, S_IRUSR | S_IWUSR) == 0) file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        return nullptr;
    }
    // The block goes out in one write of its own, so a file that refuses it fails the write (err(fwrite))
    // rather than the close.
    std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
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
    FILE* file = OpenPrivateForWriting(path);
    if (!file) return messages;
    if (std::fwrite(stored.Block(), 1, CLoginValues::BLOCK_SIZE, file) < CLoginValues::BLOCK_SIZE)
        messages.emplace_back("err(fwrite)");
    if (std::fclose(file) != 0) messages.emplace_back("err(fclose");
    return messages;
}
