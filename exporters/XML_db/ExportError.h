#pragma once

#include <stdexcept>
#include <string>

namespace tamo::exporters {

// Ends an exporter run: `main` writes "err : " and the text on standard output and exits with 1.
class ExportError : public std::runtime_error {
public:
    explicit ExportError(const std::string& text) : std::runtime_error(text) {}
};

}  // namespace tamo::exporters
