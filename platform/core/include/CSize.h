#pragma once

#include "WinDef.h"

// An extent in pixels; a SIZE with the operations the editor uses.
class CSize : public SIZE {
public:
    CSize() noexcept : SIZE{0, 0} {}
    CSize(int initCX, int initCY) noexcept : SIZE{initCX, initCY} {}
    CSize(SIZE size) noexcept : SIZE(size) {}

    void SetSize(int newCX, int newCY) noexcept { cx = newCX, cy = newCY; }

    bool operator==(SIZE other) const noexcept { return cx == other.cx && cy == other.cy; }
    bool operator!=(SIZE other) const noexcept { return !(*this == other); }
    CSize operator+(SIZE other) const noexcept { return CSize(cx + other.cx, cy + other.cy); }
    CSize operator-(SIZE other) const noexcept { return CSize(cx - other.cx, cy - other.cy); }
};
