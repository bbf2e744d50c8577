#pragma once

// Conversions between the layer's types and Qt's (inside platform/src only).

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QString>

#include "CRect.h"
#include "CString.h"
#include "WinDef.h"

namespace tamo::platform {

inline QString ToQ(LPCTSTR text) { return text ? QString::fromUtf8(text) : QString(); }
inline QString ToQ(const CString& text) { return QString::fromUtf8(text.GetString(), text.GetLength()); }
inline CString FromQ(const QString& text) { return CString(text.toUtf8().toStdString()); }

inline QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }
inline COLORREF FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

inline QRect ToQRect(const RECT& rect) {
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}
inline CRect FromQRect(const QRect& rect) {
    return CRect(rect.x(), rect.y(), rect.x() + rect.width(), rect.y() + rect.height());
}
inline QPoint ToQPoint(const POINT& point) { return QPoint(point.x, point.y); }
inline CPoint FromQPoint(const QPoint& point) { return CPoint(point.x(), point.y()); }

// "&" marks a mnemonic in Windows texts and "&&" is one ampersand; the text without the marks.
QString WithoutMnemonics(const QString& text);

}  // namespace tamo::platform
