#include <cmath>

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QSet>

#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CGdiObject.h"
#include "CMFCVisualManager.h"
#include "CPen.h"
#include "CRgn.h"
#include "GdiImpl.h"
#include "QtText.h"
#include "ResourceTable.h"
#include "WinUser.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CGdiObject, CObject)
IMPLEMENT_DYNAMIC(CPen, CGdiObject)
IMPLEMENT_DYNAMIC(CBrush, CGdiObject)
IMPLEMENT_DYNAMIC(CFont, CGdiObject)
IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)
IMPLEMENT_DYNAMIC(CRgn, CGdiObject)

namespace tamo::platform {

namespace {

// Live GDI objects; the table lives until the process ends, as static objects may delete theirs at exit.
QSet<const GdiObject*>& LiveObjects() {
    static auto* objects = new QSet<const GdiObject*>;
    return *objects;
}

int RegionKind(const QRegion& region) {
    if (region.isEmpty()) return NULLREGION;
    return region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

GdiObject* MakeStock(int index) {
    auto* object = new GdiObject(GdiObject::Brush);
    object->stock = true;
    switch (index) {
    case WHITE_BRUSH:
        object->brush = QBrush(Qt::white);
        break;
    case LTGRAY_BRUSH:
        object->brush = QBrush(QColor(192, 192, 192));
        break;
    case GRAY_BRUSH:
        object->brush = QBrush(QColor(128, 128, 128));
        break;
    case DKGRAY_BRUSH:
        object->brush = QBrush(QColor(64, 64, 64));
        break;
    case BLACK_BRUSH:
        object->brush = QBrush(Qt::black);
        break;
    case NULL_BRUSH:
        object->brush = QBrush(Qt::NoBrush);
        break;
    case WHITE_PEN:
        object->kind = GdiObject::Pen, object->pen = MakePen(PS_SOLID, 1, RGB(255, 255, 255));
        break;
    case BLACK_PEN:
        object->kind = GdiObject::Pen, object->pen = MakePen(PS_SOLID, 1, RGB(0, 0, 0));
        break;
    case NULL_PEN:
        object->kind = GdiObject::Pen, object->pen = MakePen(PS_NULL, 1, 0);
        break;
    default:
        object->kind = GdiObject::Font;
        object->font = SystemFont();
        object->logFont.lfHeight = -object->font.pixelSize();
        object->logFont.lfWeight = FW_BOLD;
        break;
    }
    LiveObjects().insert(object);
    return object;
}

}  // namespace

GdiObject* GdiOf(const void* handle) {
    auto* object = static_cast<GdiObject*>(const_cast<void*>(handle));
    return handle && LiveObjects().contains(object) ? object : nullptr;
}

HGDIOBJ NewGdiObject(GdiObject* object) {
    LiveObjects().insert(object);
    return object;
}

void DeleteGdiObject(HGDIOBJ handle) {
    GdiObject* object = GdiOf(handle);
    if (!object || object->stock) return;
    LiveObjects().remove(object);
    delete object;
}

QPen MakePen(int style, int width, COLORREF color) {
    if (style == PS_NULL) return QPen(Qt::NoPen);
    QPen pen(ToQColor(color));
    pen.setWidth(std::max(width, 1));
    pen.setCapStyle(Qt::FlatCap);
    pen.setJoinStyle(Qt::MiterJoin);
    switch (style) {
    case PS_DASH:
        pen.setStyle(Qt::DashLine);
        break;
    case PS_DOT:
        pen.setStyle(Qt::DotLine);
        break;
    case PS_DASHDOT:
        pen.setStyle(Qt::DashDotLine);
        break;
    case PS_DASHDOTDOT:
        pen.setStyle(Qt::DashDotDotLine);
        break;
    default:
        pen.setStyle(Qt::SolidLine);
        break;
    }
    return pen;
}

QString InstalledFace(const QString& windowsFace) {
    static const QHash<QString, QString> faces{
        {QStringLiteral("굴림"), QStringLiteral("NanumGothic")},
        {QStringLiteral("돋움"), QStringLiteral("NanumGothic")},
        {QStringLiteral("맑은 고딕"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Gulim"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Dotum"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Malgun Gothic"), QStringLiteral("NanumGothic")},
        {QStringLiteral("MS Shell Dlg"), QStringLiteral("NanumGothic")},
        {QStringLiteral("MS Shell Dlg 2"), QStringLiteral("NanumGothic")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Microsoft Sans Serif"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Tahoma"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Segoe UI"), QStringLiteral("NanumGothic")},
        {QStringLiteral("Arial"), QStringLiteral("NanumGothic")},
        {QStringLiteral("System"), QStringLiteral("NanumGothic")},
        {QStringLiteral("굴림체"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("돋움체"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("GulimChe"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("DotumChe"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("Courier New"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("Consolas"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("Fixedsys"), QStringLiteral("NanumGothicCoding")},
        {QStringLiteral("바탕"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("바탕체"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("명조"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("신명조"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("궁서"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("궁서체"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("Batang"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("Gungsuh"), QStringLiteral("NanumMyeongjo")},
        {QStringLiteral("Times New Roman"), QStringLiteral("NanumMyeongjo")},
    };
    const auto mapped = faces.find(windowsFace.trimmed());
    if (mapped != faces.end()) return mapped.value();
    if (!windowsFace.trimmed().isEmpty() && QFontDatabase::hasFamily(windowsFace.trimmed()))
        return windowsFace.trimmed();
    return QStringLiteral("NanumGothic");
}

namespace {

// The cell height (ascent plus descent) of a face per pixel of its em, as Windows measures a font's cell.
double CellPerEm(const QFont& font) {
    static auto* ratios = new QHash<QString, double>;
    const QString key = QStringLiteral("%1/%2/%3").arg(font.family()).arg(font.weight()).arg(font.italic());
    if (const auto known = ratios->constFind(key); known != ratios->constEnd()) return known.value();
    QFont probe(font);
    probe.setPixelSize(1000);
    const double cell = QFontMetricsF(probe).height() / 1000.0;
    const double ratio = cell > 0 ? cell : 1.0;
    ratios->insert(key, ratio);
    return ratio;
}

}  // namespace

QFont MakeFont(const LOGFONT& logFont) {
    EnsureApplication();
    QFont font(InstalledFace(
        QString::fromUtf8(logFont.lfFaceName, static_cast<qsizetype>(strnlen(logFont.lfFaceName, LF_FACESIZE)))));
    const int weight = logFont.lfWeight <= 0 ? FW_NORMAL : std::clamp(static_cast<int>(logFont.lfWeight), 100, 900);
    font.setWeight(static_cast<QFont::Weight>(weight));
    font.setItalic(logFont.lfItalic);
    font.setUnderline(logFont.lfUnderline);
    font.setStrikeOut(logFont.lfStrikeOut);
    font.setStyleStrategy(QFont::PreferAntialias);
    // As Windows maps a height: a negative one is the em height in pixels, a positive one the cell height, so
    // the em is that much smaller than the height as the face's cell is taller than its em.
    const int height = logFont.lfHeight;
    if (height < 0)
        font.setPixelSize(-height);
    else if (height > 0)
        font.setPixelSize(std::max(1, static_cast<int>(std::lround(height / CellPerEm(font)))));
    else
        font.setPixelSize(12);
    return font;
}

const QFont& SystemFont() {
    static const QFont font = [] {
        LOGFONT logFont{};
        logFont.lfHeight = -13;
        logFont.lfWeight = FW_BOLD;
        std::strcpy(logFont.lfFaceName, "System");
        return MakeFont(logFont);
    }();
    return font;
}

QFont FontOf(HFONT handle) {
    GdiObject* object = GdiOf(handle);
    return object && object->kind == GdiObject::Font ? object->font : QGuiApplication::font();
}

QRegion RegionOf(HRGN handle) {
    GdiObject* object = GdiOf(handle);
    return object && object->kind == GdiObject::Region ? object->region : QRegion();
}

QIcon IconOf(HICON handle) {
    GdiObject* object = GdiOf(handle);
    return object && object->kind == GdiObject::Icon ? object->icon : QIcon();
}

QImage LoadResourceImage(bool icon, UINT id) {
    const ImageResource* image =
        ResourceTable::Instance().FindImage(icon ? ImageResource::Icon : ImageResource::Bitmap, id);
    if (!image) return QImage();
    QImage decoded;
    const QByteArray bytes(image->bytes.data(), static_cast<qsizetype>(image->bytes.size()));
    if (!decoded.loadFromData(bytes)) decoded.loadFromData(bytes, "XPM");
    return decoded;
}

HICON LoadResourceIcon(UINT id) {
    // Icons are shared and live as long as the program, as LoadIcon's do.
    static auto* icons = new QHash<UINT, GdiObject*>;
    if (GdiObject* known = icons->value(id, nullptr)) return reinterpret_cast<HICON>(known);
    const QImage image = LoadResourceImage(true, id);
    if (image.isNull()) return nullptr;
    auto* object = new GdiObject(GdiObject::Icon);
    object->stock = true;
    object->image = image;
    object->icon = QIcon(QPixmap::fromImage(image));
    NewGdiObject(object);
    icons->insert(id, object);
    return reinterpret_cast<HICON>(object);
}

QSize DialogBaseUnits(const QFont& font) {
    EnsureApplication();
    const QFontMetrics metrics(font);
    const int width = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return QSize((width / 26 + 1) / 2, metrics.height());
}

}  // namespace tamo::platform

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::Attach(HGDIOBJ hObject) {
    if (m_hObject || !hObject) return FALSE;
    m_hObject = hObject;
    return TRUE;
}

HGDIOBJ CGdiObject::Detach() {
    const HGDIOBJ handle = m_hObject;
    m_hObject = nullptr;
    return handle;
}

BOOL CGdiObject::DeleteObject() {
    if (!m_hObject) return FALSE;
    DeleteGdiObject(m_hObject);
    m_hObject = nullptr;
    return TRUE;
}

BOOL CGdiObject::CreateStockObject(int nIndex) { return Attach(GetStockObject(nIndex)); }

HGDIOBJ GetStockObject(int nIndex) {
    static GdiObject* stock[DEFAULT_GUI_FONT + 1] = {};
    if (nIndex < 0 || nIndex > DEFAULT_GUI_FONT) return nullptr;
    if (!stock[nIndex]) stock[nIndex] = MakeStock(nIndex);
    return stock[nIndex];
}

BOOL DeleteObject(HGDIOBJ hObject) {
    if (!GdiOf(hObject)) return FALSE;
    DeleteGdiObject(hObject);
    return TRUE;
}

HBRUSH GetSysColorBrush(int nIndex) {
    static auto* brushes = new QHash<int, GdiObject*>;
    if (GdiObject* known = brushes->value(nIndex, nullptr)) return reinterpret_cast<HBRUSH>(known);
    auto* object = new GdiObject(GdiObject::Brush);
    object->stock = true;
    object->brush = QBrush(ToQColor(GetSysColor(nIndex)));
    NewGdiObject(object);
    brushes->insert(nIndex, object);
    return reinterpret_cast<HBRUSH>(object);
}

BOOL SystemParametersInfo(UINT uiAction, UINT, LPVOID pvParam, UINT) {
    if (uiAction != SPI_GETNONCLIENTMETRICS || !pvParam) return FALSE;
    auto* metrics = static_cast<NONCLIENTMETRICS*>(pvParam);
    const UINT size = metrics->cbSize;
    *metrics = NONCLIENTMETRICS{};
    metrics->cbSize = size;
    LOGFONT font{};
    font.lfHeight = -12;
    font.lfWeight = FW_NORMAL;
    font.lfCharSet = HANGUL_CHARSET;
    std::strcpy(font.lfFaceName, "굴림");
    metrics->lfCaptionFont = metrics->lfSmCaptionFont = metrics->lfMenuFont = metrics->lfStatusFont =
        metrics->lfMessageFont = font;
    metrics->iCaptionHeight = 22;
    metrics->iMenuHeight = 19;
    metrics->iScrollWidth = metrics->iScrollHeight = 17;
    metrics->iBorderWidth = 1;
    return TRUE;
}

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
    if (m_hObject) return FALSE;
    auto* object = new GdiObject(GdiObject::Pen);
    object->pen = MakePen(nPenStyle, nWidth, crColor);
    m_hObject = NewGdiObject(object);
    return TRUE;
}

CPen* CPen::FromHandle(HPEN) { return nullptr; }

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
    if (m_hObject) return FALSE;
    auto* object = new GdiObject(GdiObject::Brush);
    object->brush = QBrush(ToQColor(crColor));
    m_hObject = NewGdiObject(object);
    return TRUE;
}

BOOL CBrush::CreateHatchBrush(int nIndex, COLORREF crColor) {
    if (m_hObject) return FALSE;
    static const Qt::BrushStyle styles[] = {Qt::HorPattern,   Qt::VerPattern,   Qt::FDiagPattern,
                                            Qt::BDiagPattern, Qt::CrossPattern, Qt::DiagCrossPattern};
    auto* object = new GdiObject(GdiObject::Brush);
    object->brush = QBrush(ToQColor(crColor), styles[std::clamp(nIndex, 0, 5)]);
    m_hObject = NewGdiObject(object);
    return TRUE;
}

BOOL CBrush::CreateSysColorBrush(int nIndex) { return CreateSolidBrush(GetSysColor(nIndex)); }

CBrush* CBrush::FromHandle(HBRUSH) { return nullptr; }

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                       BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                       BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
    LOGFONT logFont{};
    logFont.lfHeight = nHeight;
    logFont.lfWidth = nWidth;
    logFont.lfEscapement = nEscapement;
    logFont.lfOrientation = nOrientation;
    logFont.lfWeight = nWeight;
    logFont.lfItalic = bItalic;
    logFont.lfUnderline = bUnderline;
    logFont.lfStrikeOut = cStrikeOut;
    logFont.lfCharSet = nCharSet;
    logFont.lfOutPrecision = nOutPrecision;
    logFont.lfClipPrecision = nClipPrecision;
    logFont.lfQuality = nQuality;
    logFont.lfPitchAndFamily = nPitchAndFamily;
    if (lpszFacename) std::snprintf(logFont.lfFaceName, LF_FACESIZE, "%s", lpszFacename);
    return CreateFontIndirect(&logFont);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* lpLogFont) {
    if (m_hObject || !lpLogFont) return FALSE;
    auto* object = new GdiObject(GdiObject::Font);
    object->logFont = *lpLogFont;
    object->font = MakeFont(*lpLogFont);
    m_hObject = NewGdiObject(object);
    return TRUE;
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC*) {
    LOGFONT logFont{};
    logFont.lfHeight = -(nPointSize * 96 / 720);
    logFont.lfWeight = FW_NORMAL;
    if (lpszFaceName) std::snprintf(logFont.lfFaceName, LF_FACESIZE, "%s", lpszFaceName);
    return CreateFontIndirect(&logFont);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const {
    GdiObject* object = GdiOf(m_hObject);
    if (!object || object->kind != GdiObject::Font || !pLogFont) return 0;
    *pLogFont = object->logFont;
    return static_cast<int>(sizeof(LOGFONT));
}

CFont* CFont::FromHandle(HFONT) { return nullptr; }

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
    if (m_hObject) return FALSE;
    const QImage image = LoadResourceImage(false, nIDResource);
    if (image.isNull()) return FALSE;
    auto* object = new GdiObject(GdiObject::Bitmap);
    object->image = image.convertToFormat(QImage::Format_ARGB32);
    m_hObject = NewGdiObject(object);
    return TRUE;
}

BOOL CBitmap::CreateBitmap(int nWidth, int nHeight, UINT, UINT, const void*) {
    if (m_hObject || nWidth <= 0 || nHeight <= 0) return FALSE;
    auto* object = new GdiObject(GdiObject::Bitmap);
    object->image = QImage(nWidth, nHeight, QImage::Format_ARGB32);
    object->image.fill(Qt::black);
    m_hObject = NewGdiObject(object);
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const {
    GdiObject* object = GdiOf(m_hObject);
    if (!object || object->kind != GdiObject::Bitmap || !pBitMap) return 0;
    *pBitMap = BITMAP{};
    pBitMap->bmWidth = object->image.width();
    pBitMap->bmHeight = object->image.height();
    pBitMap->bmPlanes = 1;
    pBitMap->bmBitsPixel = 24;
    pBitMap->bmWidthBytes = ((object->image.width() * 24 + 15) / 16) * 2;
    return static_cast<int>(sizeof(BITMAP));
}

CSize CBitmap::GetBitmapDimension() const {
    GdiObject* object = GdiOf(m_hObject);
    return object ? CSize(object->image.width(), object->image.height()) : CSize();
}

namespace {

GdiObject* RegionObject(const CRgn* region) {
    GdiObject* object = region ? GdiOf(region->m_hObject) : nullptr;
    return object && object->kind == GdiObject::Region ? object : nullptr;
}

BOOL NewRegion(CRgn& rgn, const QRegion& region) {
    if (rgn.m_hObject) return FALSE;
    auto* object = new GdiObject(GdiObject::Region);
    object->region = region;
    rgn.m_hObject = NewGdiObject(object);
    return TRUE;
}

QRect RectOf(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(); }

}  // namespace

BOOL CRgn::CreateRectRgn(int x1, int y1, int x2, int y2) {
    return NewRegion(*this, (x2 > x1 && y2 > y1) ? QRegion(RectOf(x1, y1, x2, y2)) : QRegion());
}

BOOL CRgn::CreateRectRgnIndirect(LPCRECT lpRect) {
    return CreateRectRgn(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

BOOL CRgn::CreateEllipticRgn(int x1, int y1, int x2, int y2) {
    return NewRegion(*this, QRegion(RectOf(x1, y1, x2, y2), QRegion::Ellipse));
}

BOOL CRgn::CreatePolygonRgn(const POINT* lpPoints, int nCount, int nMode) {
    QPolygon polygon;
    for (int i = 0; i < nCount; ++i) polygon << QPoint(lpPoints[i].x, lpPoints[i].y);
    return NewRegion(*this, QRegion(polygon, nMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill));
}

int CRgn::CombineRgn(const CRgn* pRgn1, const CRgn* pRgn2, int nCombineMode) {
    GdiObject* target = RegionObject(this);
    GdiObject* first = RegionObject(pRgn1);
    GdiObject* second = RegionObject(pRgn2);
    if (!target || !first || (!second && nCombineMode != RGN_COPY)) return ERROR;
    const QRegion a = first->region;
    const QRegion b = second ? second->region : QRegion();
    switch (nCombineMode) {
    case RGN_AND:
        target->region = a.intersected(b);
        break;
    case RGN_OR:
        target->region = a.united(b);
        break;
    case RGN_XOR:
        target->region = a.xored(b);
        break;
    case RGN_DIFF:
        target->region = a.subtracted(b);
        break;
    case RGN_COPY:
        target->region = a;
        break;
    default:
        return ERROR;
    }
    return RegionKind(target->region);
}

int CRgn::CopyRgn(const CRgn* pRgnSrc) { return CombineRgn(pRgnSrc, nullptr, RGN_COPY); }

BOOL CRgn::PtInRegion(int x, int y) const {
    GdiObject* object = RegionObject(this);
    return object && object->region.contains(QPoint(x, y));
}

BOOL CRgn::RectInRegion(LPCRECT lpRect) const {
    GdiObject* object = RegionObject(this);
    return object && object->region.intersects(RectOf(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom));
}

int CRgn::GetRgnBox(LPRECT lpRect) const {
    GdiObject* object = RegionObject(this);
    if (!object) return ERROR;
    *lpRect = FromQRect(object->region.boundingRect());
    return RegionKind(object->region);
}

int CRgn::OffsetRgn(int x, int y) {
    GdiObject* object = RegionObject(this);
    if (!object) return ERROR;
    object->region.translate(x, y);
    return RegionKind(object->region);
}

void CRgn::SetRectRgn(int x1, int y1, int x2, int y2) {
    if (GdiObject* object = RegionObject(this)) object->region = QRegion(RectOf(x1, y1, x2, y2));
}

BOOL CRgn::EqualRgn(const CRgn* pRgn) const {
    GdiObject* a = RegionObject(this);
    GdiObject* b = RegionObject(pRgn);
    return a && b && a->region == b->region;
}

CRgn* CRgn::FromHandle(HRGN) { return nullptr; }

AFX_GLOBAL_DATA& GetGlobalData() {
    static AFX_GLOBAL_DATA data;
    if (!data.fontRegular.m_hObject) {
        LOGFONT regular{};
        regular.lfHeight = -12;
        regular.lfWeight = FW_NORMAL;
        regular.lfCharSet = HANGUL_CHARSET;
        std::strcpy(regular.lfFaceName, "굴림");
        data.fontRegular.CreateFontIndirect(&regular);
        regular.lfWeight = FW_BOLD;
        data.fontBold.CreateFontIndirect(&regular);
        regular.lfWeight = FW_NORMAL;
        data.fontTooltip.CreateFontIndirect(&regular);
    }
    return data;
}
