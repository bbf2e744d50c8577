#pragma once

#include "WinDef.h"

// A point in pixels; a POINT with the operations the editor uses.
class CPoint : public POINT {
public:
    CPoint() noexcept : POINT{0, 0} {}
    CPoint(int initX, int initY) noexcept : POINT{initX, initY} {}
    CPoint(POINT point) noexcept : POINT(point) {}

    void Offset(int xOffset, int yOffset) noexcept { x += xOffset, y += yOffset; }
    void Offset(POINT point) noexcept { Offset(point.x, point.y); }
    void SetPoint(int newX, int newY) noexcept { x = newX, y = newY; }

    bool operator==(POINT other) const noexcept { return x == other.x && y == other.y; }
    bool operator!=(POINT other) const noexcept { return !(*this == other); }
    CPoint& operator+=(POINT other) noexcept { return Offset(other), *this; }
    CPoint& operator-=(POINT other) noexcept { return Offset(-other.x, -other.y), *this; }
    CPoint operator+(POINT other) const noexcept { return CPoint(x + other.x, y + other.y); }
    CPoint operator-(POINT other) const noexcept { return CPoint(x - other.x, y - other.y); }
    CPoint operator-() const noexcept { return CPoint(-x, -y); }
};
