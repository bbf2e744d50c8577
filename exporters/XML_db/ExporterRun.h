#pragma once

#include <functional>

namespace tamo::exporters {

// Runs one exporter pass. An error that ends the pass (an ExportError, or a failure of the DOM or XML library)
// is written as one line "err : " + text on standard output; the result is the exit code: 0, or 1 on error.
// The pass keeps its XML_db in its own scope, so the object is gone before the line is written.
int run_exporter(const std::function<void()>& pass);

}  // namespace tamo::exporters
