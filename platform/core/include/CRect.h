#pragma once

#include <algorithm>

#include "CPoint.h"
#include "CSize.h"
#include "WinDef.h"

// A rectangle in pixels, right and bottom exclusive; a RECT with the operations the editor uses.
class CRect : public RECT {
public:
    CRect() noexcept : RECT{0, 0, 0, 0} {}
    CRect(int l, int t, int r, int b) noexcept : RECT{l, t, r, b} {}
    CRect(const RECT& rect) noexcept : RECT(rect) {}
    CRect(LPCRECT rect) noexcept : RECT(*rect) {}
    CRect(POINT topLeft, SIZE size) noexcept : RECT{topLeft.x, topLeft.y, topLeft.x + size.cx, topLeft.y + size.cy} {}
    CRect(POINT topLeft, POINT bottomRight) noexcept : RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y} {}

    int Width() const noexcept { return right - left; }
    int Height() const noexcept { return bottom - top; }
    CSize Size() const noexcept { return CSize(Width(), Height()); }
    CPoint TopLeft() const noexcept { return CPoint(left, top); }
    CPoint BottomRight() const noexcept { return CPoint(right, bottom); }
    CPoint CenterPoint() const noexcept { return CPoint((left + right) / 2, (top + bottom) / 2); }

    operator LPRECT() noexcept { return this; }
    operator LPCRECT() const noexcept { return this; }

    bool IsRectEmpty() const noexcept { return right <= left || bottom <= top; }
    bool IsRectNull() const noexcept { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    bool PtInRect(POINT point) const noexcept {
        return point.x >= left && point.x < right && point.y >= top && point.y < bottom;
    }

    void SetRect(int l, int t, int r, int b) noexcept { left = l, top = t, right = r, bottom = b; }
    void SetRectEmpty() noexcept { SetRect(0, 0, 0, 0); }
    void InflateRect(int d) noexcept { InflateRect(d, d); }
    void InflateRect(int dx, int dy) noexcept { left -= dx, top -= dy, right += dx, bottom += dy; }
    void InflateRect(int l, int t, int r, int b) noexcept { left -= l, top -= t, right += r, bottom += b; }
    void DeflateRect(int d) noexcept { InflateRect(-d, -d); }
    void DeflateRect(int dx, int dy) noexcept { InflateRect(-dx, -dy); }
    void DeflateRect(int l, int t, int r, int b) noexcept { InflateRect(-l, -t, -r, -b); }
    void OffsetRect(int dx, int dy) noexcept { left += dx, top += dy, right += dx, bottom += dy; }
    void OffsetRect(POINT point) noexcept { OffsetRect(point.x, point.y); }
    void MoveToXY(int x, int y) noexcept { OffsetRect(x - left, y - top); }
    void NormalizeRect() noexcept {
        if (left > right) std::swap(left, right);
        if (top > bottom) std::swap(top, bottom);
    }
    // Both return FALSE and leave an empty rectangle when the result is empty, as Windows does.
    BOOL IntersectRect(LPCRECT a, LPCRECT b) noexcept {
        SetRect(std::max(a->left, b->left), std::max(a->top, b->top), std::min(a->right, b->right),
                std::min(a->bottom, b->bottom));
        if (IsRectEmpty()) return SetRectEmpty(), FALSE;
        return TRUE;
    }
    BOOL UnionRect(LPCRECT a, LPCRECT b) noexcept {
        const CRect first(a), second(b);
        if (first.IsRectEmpty())
            *this = second;
        else if (second.IsRectEmpty())
            *this = first;
        else
            SetRect(std::min(a->left, b->left), std::min(a->top, b->top), std::max(a->right, b->right),
                    std::max(a->bottom, b->bottom));
        if (IsRectEmpty()) return SetRectEmpty(), FALSE;
        return TRUE;
    }

    bool operator==(const RECT& other) const noexcept {
        return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
    }
    bool operator!=(const RECT& other) const noexcept { return !(*this == other); }
    CRect& operator+=(POINT point) noexcept { return OffsetRect(point), *this; }
    CRect& operator-=(POINT point) noexcept { return OffsetRect(-point.x, -point.y), *this; }
    CRect operator+(POINT point) const noexcept {
        CRect moved(*this);
        return moved += point;
    }
    CRect operator-(POINT point) const noexcept {
        CRect moved(*this);
        return moved -= point;
    }
};
