#pragma once

#include <cstddef>

namespace tamo::res {

// One file of editor/res as the build embedded it; the table ends with an entry whose name is null.
struct EmbeddedFile {
    const char* name;  // relative to editor/res, with "/"
    const unsigned char* bytes;
    std::size_t size;
};

extern const EmbeddedFile kEmbeddedFiles[];

}  // namespace tamo::res
