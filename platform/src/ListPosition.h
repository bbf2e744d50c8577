#pragma once

// The POSITION of the frame library's list walks over a vector: index + 1, so that null ends the walk.

#include <cstddef>
#include <vector>

#include "WinDef.h"

namespace tamo::platform {

template <class T>
POSITION FirstPositionOf(const std::vector<T*>& items) {
    return items.empty() ? nullptr : reinterpret_cast<POSITION>(static_cast<UINT_PTR>(1));
}

// The element at the position, which moves on to the next one (null after the last); null and a null position
// for a position that is null or past the end.
template <class T>
T* NextAt(const std::vector<T*>& items, POSITION& position) {
    const size_t index = static_cast<size_t>(reinterpret_cast<UINT_PTR>(position)) - 1;
    if (!position || index >= items.size()) {
        position = nullptr;
        return nullptr;
    }
    position = index + 1 < items.size() ? reinterpret_cast<POSITION>(static_cast<UINT_PTR>(index + 2)) : nullptr;
    return items[index];
}

}  // namespace tamo::platform
