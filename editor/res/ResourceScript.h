#pragma once

// The editor's resource scripts: a subset of the Windows resource-script language (DIALOG/DIALOGEX with
// their control statements, MENU, STRINGTABLE, BITMAP, ICON, TOOLBAR and DLGINIT), read into the platform's
// ResourceTable. Symbols are the window-style, control-style and id names of the platform headers plus the
// script's own #define lines. README.md of platform/ describes the format.

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "ResourceTable.h"

namespace tamo::res {

class ResourceScript {
public:
    // Gives the bytes of a file that a BITMAP or ICON statement names (relative to the script's folder).
    using FileLookup = std::function<std::optional<std::string>(const std::string& relativePath)>;

    // Reads one script into the table. On the first error it stops and answers false with
    // "<script>:<line>: <what>" in `error`; what it read before stays in the table.
    static bool Load(std::string_view scriptName, std::string_view text, const FileLookup& files,
                     platform::ResourceTable& table, std::string* error);
};

}  // namespace tamo::res
