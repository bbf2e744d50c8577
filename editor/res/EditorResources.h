#pragma once

#include <string>

namespace tamo::res {

// Reads the editor's resource scripts and images (built into the program from editor/res) into the
// platform's ResourceTable. The first call loads; later calls only repeat the first answer. False, with the
// script name and line in `error`, when a script is wrong.
bool LoadEditorResources(std::string* error = nullptr);

}  // namespace tamo::res
