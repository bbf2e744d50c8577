#include "ReplaceFileContents.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

using Step = FileWriteError::Step;

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file that the new bytes replace: the one a symbolic link names, else `path` itself.
struct WrittenPath {
    std::string path;
    bool linkToNothing = false;  // `path` is a link that names no file: the new file takes the link's place
};

// A link that names nothing is not followed: the file it names would come into being wherever the link points,
// in a folder the user never chose (a link planted there by someone else). It is replaced instead, in the
// folder of the path the user named. A link that cannot be followed for another reason (a loop, a folder
// that may not be searched) is left as it is.
WrittenPath WrittenPathOf(const std::string& path, bool followLinks) {
    struct stat status {};
    if (!followLinks || lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return {path};
    char resolved[PATH_MAX];
    if (realpath(path.c_str(), resolved)) return {resolved};
    return {path, errno == ENOENT};
}

mode_t NewFileMode(const std::string& target, bool ownerOnly) {
    if (ownerOnly) return S_IRUSR | S_IWUSR;
    struct stat status {};
    if (stat(target.c_str(), &status) == 0 && S_ISREG(status.st_mode)) return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

std::string FileWriteError::Describe(const std::string& text) const { return text + " : " + path + "\n" + reason; }

FileWriteError ReplaceFileContents(const std::string& path, std::string_view bytes, FileWriteOptions options) {
    FileWriteError error;
    error.path = path;
    if (path.empty() || path.back() == '/') {
        error.step = Step::create;
        error.reason = "파일 이름이 없습니다";
        return error;
    }
    const WrittenPath written = WrittenPathOf(path, !options.ownerOnly);
    const std::string& target = written.path;
    // Only a file is replaced: a device, a FIFO or a folder at the path stays what it is.
    struct stat existing {};
    if (lstat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode) &&
        !(S_ISLNK(existing.st_mode) && (options.ownerOnly || written.linkToNothing))) {
        error.step = Step::create;
        error.reason = S_ISDIR(existing.st_mode) ? std::strerror(EISDIR) : "일반 파일이 아닙니다";
        return error;
    }
    std::string temporary = FolderOf(target) + "/.tamo-XXXXXX";
    const int fd = mkostemp(temporary.data(), O_CLOEXEC);
    if (fd < 0) {
        error.step = Step::create;
        error.reason = std::strerror(errno);
        return error;
    }
    int number = 0;
    // The data reaches the disk before the name does, so that the target never names a file half written.
    if (fchmod(fd, NewFileMode(target, options.ownerOnly)) != 0 || !WriteAll(fd, bytes) || fsync(fd) != 0) {
        error.step = Step::write;
        number = errno;
    }
    if (close(fd) != 0 && !error) {
        error.step = Step::close;
        number = errno;
    }
    if (!error && std::rename(temporary.c_str(), target.c_str()) != 0) {
        error.step = Step::replace;
        number = errno;
    }
    if (!error) return error;
    unlink(temporary.c_str());
    error.reason = std::strerror(number);
    return error;
}
