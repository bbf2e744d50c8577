#include "LoginSettingsFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

// Opens the file for writing ("wb"), created for its owner only; an existing file is narrowed the same way.
FILE* OpenPrivateForWriting(const char* path) {
    const int fd = open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return nullptr;
    struct stat status {};
    if (fstat(fd, &status) == 0 && S_ISREG(status.st_mode)) fchmod(fd, S_IRUSR | S_IWUSR);
    FILE* file = fdopen(fd, "wb");
    if (!file) {
        close(fd);
        return nullptr;
    }
    // The block goes out in one write of its own, so a device that refuses it fails the write (err(fwrite))
    // rather than the close.
    std::setvbuf(file, nullptr, _IONBF, 0);
    return file;
}

}  // namespace

std::vector<CString> LoadLoginSettings(const char* path, CLoginValues& values) {
    std::vector<CString> messages;
    FILE* file = std::fopen(path, "rb");
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
