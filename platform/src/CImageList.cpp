#include <QPainter>
#include <QPixmap>
#include <vector>

#include "CBitmap.h"
#include "CDC.h"
#include "CImageList.h"
#include "GdiImpl.h"
#include "QtText.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CImageList, CObject)

namespace tamo::platform {

struct ImageListData {
    QSize size;
    UINT flags = 0;
    std::vector<QPixmap> images;
};

namespace {

ImageListData* DataOf(const CImageList* list) {
    return list ? reinterpret_cast<ImageListData*>(list->m_hImageList) : nullptr;
}

// The image with the mask colour made transparent.
QImage Masked(const QImage& source, COLORREF mask) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32);
    if (mask == CLR_NONE || mask == CLR_DEFAULT) return image;
    const QRgb key = qRgb(GetRValue(mask), GetGValue(mask), GetBValue(mask));
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if ((line[x] & 0x00FFFFFF) == (key & 0x00FFFFFF)) line[x] = qRgba(0, 0, 0, 0);
    }
    return image;
}

int AddStrip(ImageListData* data, const QImage& strip) {
    if (!data || strip.isNull() || data->size.width() <= 0) return -1;
    const int first = static_cast<int>(data->images.size());
    const int count = std::max(1, strip.width() / data->size.width());
    for (int i = 0; i < count; ++i) {
        const QImage part = strip.copy(i * data->size.width(), 0, data->size.width(), data->size.height());
        data->images.push_back(QPixmap::fromImage(part));
    }
    return first;
}

}  // namespace

QPixmap ImageListPixmap(const CImageList* list, int index) {
    ImageListData* data = DataOf(list);
    if (!data || index < 0 || index >= static_cast<int>(data->images.size())) return QPixmap();
    return data->images[static_cast<size_t>(index)];
}

QSize ImageListSize(const CImageList* list) {
    ImageListData* data = DataOf(list);
    return data ? data->size : QSize();
}

}  // namespace tamo::platform

CImageList::CImageList() = default;

CImageList::~CImageList() { DeleteImageList(); }

BOOL CImageList::Create(int cx, int cy, UINT nFlags, int, int) {
    if (m_hImageList || cx <= 0 || cy <= 0) return FALSE;
    auto* data = new ImageListData;
    data->size = QSize(cx, cy);
    data->flags = nFlags;
    m_hImageList = reinterpret_cast<HIMAGELIST>(data);
    return TRUE;
}

BOOL CImageList::Create(UINT nBitmapID, int cx, int nGrow, COLORREF crMask) {
    CBitmap bitmap;
    if (!bitmap.LoadBitmap(nBitmapID)) return FALSE;
    BITMAP info{};
    bitmap.GetBitmap(&info);
    if (!Create(cx, info.bmHeight, ILC_COLOR24 | ILC_MASK, 0, nGrow)) return FALSE;
    Add(&bitmap, crMask);
    return TRUE;
}

BOOL CImageList::DeleteImageList() {
    if (!m_hImageList) return FALSE;
    delete reinterpret_cast<ImageListData*>(m_hImageList);
    m_hImageList = nullptr;
    return TRUE;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask) {
    GdiObject* bitmap = pbmImage ? GdiOf(pbmImage->m_hObject) : nullptr;
    ImageListData* data = DataOf(this);
    if (!bitmap || bitmap->kind != GdiObject::Bitmap || !data) return -1;
    return AddStrip(data, (data->flags & ILC_MASK) ? Masked(bitmap->image, crMask) : bitmap->image);
}

int CImageList::Add(CBitmap* pbmImage, CBitmap*) { return Add(pbmImage, CLR_NONE); }

int CImageList::Add(HICON hIcon) {
    ImageListData* data = DataOf(this);
    const QIcon icon = IconOf(hIcon);
    if (!data || icon.isNull()) return -1;
    data->images.push_back(icon.pixmap(data->size));
    return static_cast<int>(data->images.size()) - 1;
}

BOOL CImageList::Remove(int nImage) {
    ImageListData* data = DataOf(this);
    if (!data) return FALSE;
    if (nImage == -1) {
        data->images.clear();
        return TRUE;
    }
    if (nImage < 0 || nImage >= static_cast<int>(data->images.size())) return FALSE;
    data->images.erase(data->images.begin() + nImage);
    return TRUE;
}

int CImageList::GetImageCount() const {
    ImageListData* data = DataOf(this);
    return data ? static_cast<int>(data->images.size()) : 0;
}

BOOL CImageList::GetImageSize(int& cx, int& cy) const {
    ImageListData* data = DataOf(this);
    if (!data) return FALSE;
    cx = data->size.width();
    cy = data->size.height();
    return TRUE;
}
