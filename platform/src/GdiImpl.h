#pragma once

// The objects behind GDI handles (pens, brushes, fonts, bitmaps, regions, icons) and the resource images.

#include <QBrush>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QPen>
#include <QPixmap>
#include <QRegion>

#include "WinGdi.h"

namespace tamo::platform {

struct GdiObject {
    enum Kind { Pen, Brush, Font, Bitmap, Region, Icon };
    Kind kind;
    QPen pen;
    QBrush brush;  // Qt::NoBrush for the null brush
    QFont font;
    LOGFONT logFont{};
    QImage image;
    QRegion region;
    QIcon icon;
    bool stock = false;  // stock objects are never deleted

    explicit GdiObject(Kind kind) : kind(kind) {}
};

GdiObject* GdiOf(const void* handle);  // null unless a live object
HGDIOBJ NewGdiObject(GdiObject* object);
void DeleteGdiObject(HGDIOBJ handle);

QPen MakePen(int style, int width, COLORREF color);
// A font of LOGFONT values, with the Windows face mapped to an installed one.
QFont MakeFont(const LOGFONT& logFont);
QString InstalledFace(const QString& windowsFace);
// The system font of a new device context.
const QFont& SystemFont();

// Images of the resource table.
QImage LoadResourceImage(bool icon, UINT id);
HICON LoadResourceIcon(UINT id);
QIcon IconOf(HICON icon);
QRegion RegionOf(HRGN region);
QFont FontOf(HFONT font);

// One image of an image list (null pixmap when there is none).
QPixmap ImageListPixmap(const class CImageList* list, int index);
QSize ImageListSize(const class CImageList* list);

// The dialog base units (average character width and height in pixels) of a font.
QSize DialogBaseUnits(const QFont& font);

}  // namespace tamo::platform
