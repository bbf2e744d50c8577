#pragma once

// Writing a whole file so that it holds either its old contents or all of the new ones. The bytes go to a new
// temporary file in the target's folder, which is flushed to the disk and then renamed over the target; a failure
// at any step removes the temporary file and leaves the target exactly as it was. Every file the editor writes
// goes through here.

#include <string>
#include <string_view>

// What went wrong, where, and the system's reason; empty (false) after a write that succeeded.
struct FileWriteError {
    enum class Step { none, create, write, close, replace };

    Step step = Step::none;
    std::string path;    // the target as the caller named it
    std::string reason;  // the system's text for the failed step

    explicit operator bool() const { return step != Step::none; }

    // The caller's text, " : ", the path, and the reason on a line of its own: how a failed write is shown.
    std::string Describe(const std::string& text) const;
};

struct FileWriteOptions {
    // The new file is readable and writable by its owner only, whatever mode an existing file had; a symbolic
    // link at the target is replaced, never followed, so the bytes cannot land in the file that it names.
    bool ownerOnly = false;
};

// Replaces the file at `path` with `bytes`. A new file gets the mode a new file gets (0666 less the umask), an
// existing one keeps its mode; a symbolic link is followed to the file it names (unless `ownerOnly`), as writing
// through it would, but a link that names no file is replaced by the new file, which never comes into being
// where the link points. A folder, a device or a FIFO at the path is refused and left alone.
FileWriteError ReplaceFileContents(const std::string& path, std::string_view bytes, FileWriteOptions options = {});
