#pragma once

// The z-order of child windows among their siblings, as Windows keeps it: a change of the order repaints only
// what it uncovers, and only in the window that it uncovers (a window brought to the top that nothing covered
// paints nothing at all); windows placed HWND_TOPMOST stay above their siblings that are not.

#include <QRegion>

#include "WinDef.h"

class QWidget;

namespace tamo::platform {

class WndImpl;

// Moves a child window in its parent's z-order; insertAfter is HWND_TOP, HWND_BOTTOM, HWND_TOPMOST,
// HWND_NOTOPMOST or a sibling (the window goes just below it).
void RestackChild(WndImpl& impl, HWND insertAfter);

// A new child goes to the top of its siblings, below those that stay topmost.
void PlaceNewChild(WndImpl& impl);

// What a child window shows of itself, in its parent's coordinates (its region, cut to its rectangle).
QRegion VisibleShape(const QWidget* widget);

// After a child window changed its shape: the siblings below it paint what it no longer covers.
void RepaintUncovered(const QWidget* widget, const QRegion& uncovered);

}  // namespace tamo::platform
