#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <QTransform>

#include "CDC.h"
#include "CImageList.h"
#include "CWnd.h"
#include "DCImpl.h"
#include "GdiImpl.h"
#include "QtText.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CDC, CObject)
IMPLEMENT_DYNAMIC(CPaintDC, CDC)
IMPLEMENT_DYNAMIC(CClientDC, CDC)
IMPLEMENT_DYNAMIC(CWindowDC, CClientDC)

namespace tamo::platform {

namespace {

// The objects a new device context starts with.
CPen& DefaultPen() {
    static CPen* pen = [] {
        auto* stock = new CPen;
        stock->Attach(GetStockObject(BLACK_PEN));
        return stock;
    }();
    return *pen;
}

CBrush& DefaultBrush() {
    static CBrush* brush = [] {
        auto* stock = new CBrush;
        stock->Attach(GetStockObject(WHITE_BRUSH));
        return stock;
    }();
    return *brush;
}

CFont& DefaultFont() {
    static CFont* font = [] {
        auto* stock = new CFont;
        stock->Attach(GetStockObject(SYSTEM_FONT));
        return stock;
    }();
    return *font;
}

QString ColorText(const QColor& color) { return color.name(); }

// Four coordinates of a drawing log line as the call gave them: "a,b,c,d".
QString BoxText(int a, int b, int c, int d) { return QStringLiteral("%1,%2,%3,%4").arg(a).arg(b).arg(c).arg(d); }

QRect Box(int x1, int y1, int x2, int y2) { return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1)).normalized(); }

}  // namespace

DCImpl::DCImpl(QPainter* painter) {
    EnsureApplication();
    if (!painter) {
        m_scratch = QImage(1, 1, QImage::Format_ARGB32);
        m_ownPainter = std::make_unique<QPainter>(&m_scratch);
        painter = m_ownPainter.get();
    }
    m_painter = painter;
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    pen = &DefaultPen();
    brush = &DefaultBrush();
    font = &DefaultFont();
    qpen = GdiOf(pen->m_hObject)->pen;
    qbrush = GdiOf(brush->m_hObject)->brush;
    qfont = SystemFont();
    logFont = GdiOf(font->m_hObject)->logFont;
}

DCImpl::~DCImpl() = default;

void DCImpl::Log(const QString& line) {
    if (log) log->push_back(FromQ(line));
}

void DCImpl::UsePenAndBrush() {
    m_painter->setPen(qpen);
    m_painter->setBrush(qbrush);
}

QString DCImpl::PenText() const {
    if (qpen.style() == Qt::NoPen) return QStringLiteral("pen=null");
    const QString style = qpen.style() == Qt::DotLine    ? QStringLiteral("dot")
                          : qpen.style() == Qt::DashLine ? QStringLiteral("dash")
                                                         : QStringLiteral("solid");
    return QStringLiteral("pen=%1/%2/%3").arg(style).arg(qpen.width()).arg(ColorText(qpen.color()));
}

QString DCImpl::BrushText() const {
    return qbrush.style() == Qt::NoBrush ? QStringLiteral("brush=null")
                                         : QStringLiteral("brush=%1").arg(ColorText(qbrush.color()));
}

}  // namespace tamo::platform

CDC::CDC() : m_impl(new DCImpl(nullptr)) { m_hDC = reinterpret_cast<HDC>(m_impl); }

CDC::~CDC() { delete m_impl; }

CDC* CDC::FromHandle(HDC) { return nullptr; }

CPen* CDC::SelectObject(CPen* pPen) {
    GdiObject* object = pPen ? GdiOf(pPen->m_hObject) : nullptr;
    if (!object || object->kind != GdiObject::Pen) return nullptr;
    CPen* old = m_impl->pen;
    m_impl->pen = pPen;
    m_impl->qpen = object->pen;
    return old;
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
    GdiObject* object = pBrush ? GdiOf(pBrush->m_hObject) : nullptr;
    if (!object || object->kind != GdiObject::Brush) return nullptr;
    CBrush* old = m_impl->brush;
    m_impl->brush = pBrush;
    m_impl->qbrush = object->brush;
    return old;
}

CFont* CDC::SelectObject(CFont* pFont) {
    GdiObject* object = pFont ? GdiOf(pFont->m_hObject) : nullptr;
    if (!object || object->kind != GdiObject::Font) return nullptr;
    CFont* old = m_impl->font;
    m_impl->font = pFont;
    m_impl->qfont = object->font;
    m_impl->logFont = object->logFont;
    return old;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
    CBitmap* old = m_impl->bitmap;
    m_impl->bitmap = pBitmap;
    return old;
}

int CDC::SelectObject(CRgn* pRgn) { return SelectClipRgn(pRgn); }

CGdiObject* CDC::SelectStockObject(int nIndex) {
    GdiObject* object = GdiOf(GetStockObject(nIndex));
    if (!object) return nullptr;
    // The stock object is used directly; the object selected before is answered.
    switch (object->kind) {
    case GdiObject::Pen: {
        CPen* old = m_impl->pen;
        m_impl->qpen = object->pen;
        return old;
    }
    case GdiObject::Brush: {
        CBrush* old = m_impl->brush;
        m_impl->qbrush = object->brush;
        return old;
    }
    case GdiObject::Font: {
        CFont* old = m_impl->font;
        m_impl->qfont = object->font;
        m_impl->logFont = object->logFont;
        return old;
    }
    default:
        return nullptr;
    }
}

CPen* CDC::GetCurrentPen() const { return m_impl->pen; }
CBrush* CDC::GetCurrentBrush() const { return m_impl->brush; }
CFont* CDC::GetCurrentFont() const { return m_impl->font; }

int CDC::SetBkMode(int nBkMode) {
    const int old = m_impl->bkMode;
    m_impl->bkMode = nBkMode;
    m_impl->Log(QStringLiteral("SetBkMode %1")
                    .arg(nBkMode == TRANSPARENT ? QStringLiteral("TRANSPARENT") : QStringLiteral("OPAQUE")));
    return old;
}

int CDC::GetBkMode() const { return m_impl->bkMode; }

COLORREF CDC::SetBkColor(COLORREF crColor) {
    const COLORREF old = m_impl->bkColor;
    m_impl->bkColor = crColor;
    return old;
}

COLORREF CDC::GetBkColor() const { return m_impl->bkColor; }

COLORREF CDC::SetTextColor(COLORREF crColor) {
    const COLORREF old = m_impl->textColor;
    m_impl->textColor = crColor;
    return old;
}

COLORREF CDC::GetTextColor() const { return m_impl->textColor; }

UINT CDC::SetTextAlign(UINT nFlags) {
    const UINT old = m_impl->textAlign;
    m_impl->textAlign = nFlags;
    return old;
}

UINT CDC::GetTextAlign() const { return m_impl->textAlign; }

int CDC::SetMapMode(int) { return MM_TEXT; }
int CDC::GetMapMode() const { return MM_TEXT; }

int CDC::SetPolyFillMode(int nPolyFillMode) {
    const int old = m_impl->polyFillMode;
    m_impl->polyFillMode = nPolyFillMode;
    return old;
}

int CDC::SetROP2(int) { return 13 /* R2_COPYPEN */; }

CPoint CDC::SetViewportOrg(int x, int y) {
    const QPoint old = m_impl->viewportOrigin;
    m_impl->Painter().translate(QPoint(x, y) - old);
    m_impl->viewportOrigin = QPoint(x, y);
    return FromQPoint(old);
}

CPoint CDC::GetViewportOrg() const { return FromQPoint(m_impl->viewportOrigin); }

CPoint CDC::OffsetViewportOrg(int nWidth, int nHeight) {
    return SetViewportOrg(m_impl->viewportOrigin.x() + nWidth, m_impl->viewportOrigin.y() + nHeight);
}

CPoint CDC::SetWindowOrg(int x, int y) {
    const CPoint old = SetViewportOrg(-x, -y);
    return CPoint(-old.x, -old.y);
}

int CDC::SaveDC() {
    m_impl->Painter().save();
    m_impl->saved.push_back({m_impl->pen, m_impl->brush, m_impl->font, m_impl->qpen, m_impl->qbrush, m_impl->qfont,
                             m_impl->logFont, m_impl->bkMode, m_impl->bkColor, m_impl->textColor, m_impl->textAlign,
                             m_impl->polyFillMode, m_impl->viewportOrigin});
    return static_cast<int>(m_impl->saved.size());
}

BOOL CDC::RestoreDC(int nSavedDC) {
    const int count = static_cast<int>(m_impl->saved.size());
    const int target = nSavedDC < 0 ? count + nSavedDC + 1 : nSavedDC;
    if (target < 1 || target > count) return FALSE;
    while (static_cast<int>(m_impl->saved.size()) >= target) {
        const DCImpl::Saved state = m_impl->saved.back();
        m_impl->saved.pop_back();
        m_impl->Painter().restore();
        m_impl->pen = state.pen, m_impl->brush = state.brush, m_impl->font = state.font;
        m_impl->qpen = state.qpen, m_impl->qbrush = state.qbrush, m_impl->qfont = state.qfont;
        m_impl->logFont = state.logFont, m_impl->bkMode = state.bkMode, m_impl->bkColor = state.bkColor;
        m_impl->textColor = state.textColor, m_impl->textAlign = state.textAlign;
        m_impl->polyFillMode = state.polyFillMode, m_impl->viewportOrigin = state.viewportOrigin;
    }
    return TRUE;
}

int CDC::SelectClipRgn(CRgn* pRgn) {
    if (!pRgn) {
        m_impl->Painter().setClipping(false);
        return SIMPLEREGION;
    }
    const QRegion region = RegionOf(*pRgn);
    m_impl->Painter().setClipRegion(region);
    return region.isEmpty() ? NULLREGION : region.rectCount() == 1 ? SIMPLEREGION : COMPLEXREGION;
}

int CDC::IntersectClipRect(int x1, int y1, int x2, int y2) {
    m_impl->Painter().setClipRect(Box(x1, y1, x2, y2), Qt::IntersectClip);
    return SIMPLEREGION;
}

int CDC::IntersectClipRect(LPCRECT lpRect) {
    return IntersectClipRect(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
}

int CDC::GetClipBox(LPRECT lpRect) const {
    QPainter& painter = m_impl->Painter();
    QRect box = painter.hasClipping()
                    ? painter.clipBoundingRect().toRect()
                    : QRect(QPoint(0, 0),
                            painter.device() ? QSize(painter.device()->width(), painter.device()->height()) : QSize());
    *lpRect = FromQRect(box);
    return SIMPLEREGION;
}

CPoint CDC::MoveTo(int x, int y) {
    const QPoint old = m_impl->position;
    m_impl->position = QPoint(x, y);
    m_impl->Log(QStringLiteral("MoveTo %1,%2").arg(x).arg(y));
    return FromQPoint(old);
}

BOOL CDC::LineTo(int x, int y) {
    QPainter& painter = m_impl->Painter();
    painter.setPen(m_impl->qpen);
    painter.drawLine(m_impl->position, QPoint(x, y));
    m_impl->Log(QStringLiteral("LineTo %1,%2 %3").arg(x).arg(y).arg(m_impl->PenText()));
    m_impl->position = QPoint(x, y);
    return TRUE;
}

CPoint CDC::GetCurrentPosition() const { return FromQPoint(m_impl->position); }

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
    QPolygon polygon;
    for (int i = 0; i < nCount; ++i) polygon << ToQPoint(lpPoints[i]);
    m_impl->Painter().setPen(m_impl->qpen);
    m_impl->Painter().drawPolyline(polygon);
    m_impl->Log(QStringLiteral("Polyline %1 points %2").arg(nCount).arg(m_impl->PenText()));
    return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
    QPolygon polygon;
    QStringList points;
    for (int i = 0; i < nCount; ++i) {
        polygon << ToQPoint(lpPoints[i]);
        points << QStringLiteral("%1,%2").arg(lpPoints[i].x).arg(lpPoints[i].y);
    }
    m_impl->UsePenAndBrush();
    m_impl->Painter().drawPolygon(polygon, m_impl->polyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
    m_impl->Log(QStringLiteral("Polygon %1 %2 %3").arg(points.join(u' '), m_impl->PenText(), m_impl->BrushText()));
    return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
    m_impl->UsePenAndBrush();
    // Outline and fill inside the right and bottom edges, as GDI draws them.
    m_impl->Painter().drawRect(Box(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
    m_impl->Log(
        QStringLiteral("Rectangle %1 %2 %3").arg(BoxText(x1, y1, x2, y2), m_impl->PenText(), m_impl->BrushText()));
    return TRUE;
}

BOOL CDC::Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

BOOL CDC::RoundRect(int x1, int y1, int x2, int y2, int x3, int y3) {
    m_impl->UsePenAndBrush();
    m_impl->Painter().drawRoundedRect(Box(x1, y1, x2, y2).adjusted(0, 0, -1, -1), x3 / 2.0, y3 / 2.0);
    m_impl->Log(QStringLiteral("RoundRect %1").arg(BoxText(x1, y1, x2, y2)));
    return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
    m_impl->UsePenAndBrush();
    m_impl->Painter().drawEllipse(Box(x1, y1, x2, y2).adjusted(0, 0, -1, -1));
    m_impl->Log(
        QStringLiteral("Ellipse %1 %2 %3").arg(BoxText(x1, y1, x2, y2), m_impl->PenText(), m_impl->BrushText()));
    return TRUE;
}

BOOL CDC::Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
    GdiObject* object = pBrush ? GdiOf(pBrush->m_hObject) : nullptr;
    if (!object || object->kind != GdiObject::Brush) return;
    m_impl->Painter().fillRect(Box(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom), object->brush);
    m_impl->Log(QStringLiteral("FillRect %1 brush=%2")
                    .arg(BoxText(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom),
                         ColorText(object->brush.color())));
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
    FillSolidRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clr);
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
    // As the frame library does it: the background colour is the fill colour afterwards.
    m_impl->bkColor = clr;
    m_impl->Painter().fillRect(QRect(x, y, cx, cy).normalized(), ToQColor(clr));
    m_impl->Log(QStringLiteral("FillSolidRect %1 %2").arg(BoxText(x, y, cx, cy), ColorText(ToQColor(clr))));
}

void CDC::FrameRect(LPCRECT lpRect, CBrush* pBrush) {
    GdiObject* object = pBrush ? GdiOf(pBrush->m_hObject) : nullptr;
    if (!object) return;
    const QRect box = Box(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
    QPainter& painter = m_impl->Painter();
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), object->brush);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), object->brush);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), object->brush);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), object->brush);
    m_impl->Log(QStringLiteral("FrameRect %1").arg(BoxText(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom)));
}

void CDC::Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    Draw3dRect(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, clrTopLeft,
               clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
    QPainter& painter = m_impl->Painter();
    painter.fillRect(QRect(x, y, cx - 1, 1), ToQColor(clrTopLeft));
    painter.fillRect(QRect(x, y, 1, cy - 1), ToQColor(clrTopLeft));
    painter.fillRect(QRect(x + cx - 1, y, 1, cy), ToQColor(clrBottomRight));
    painter.fillRect(QRect(x, y + cy - 1, cx, 1), ToQColor(clrBottomRight));
    m_impl->bkColor = clrBottomRight;
    m_impl->Log(QStringLiteral("Draw3dRect %1 %2 %3")
                    .arg(BoxText(x, y, cx, cy), ColorText(ToQColor(clrTopLeft)), ColorText(ToQColor(clrBottomRight))));
}

void CDC::DrawFocusRect(LPCRECT lpRect) {
    QPainter& painter = m_impl->Painter();
    painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(Box(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom).adjusted(0, 0, -1, -1));
}

BOOL CDC::FillRgn(CRgn* pRgn, CBrush* pBrush) {
    GdiObject* brush = pBrush ? GdiOf(pBrush->m_hObject) : nullptr;
    if (!pRgn || !brush) return FALSE;
    QPainter& painter = m_impl->Painter();
    painter.save();
    painter.setClipRegion(RegionOf(*pRgn), Qt::IntersectClip);
    painter.fillRect(RegionOf(*pRgn).boundingRect(), brush->brush);
    painter.restore();
    m_impl->Log(QStringLiteral("FillRgn brush=%1").arg(ColorText(brush->brush.color())));
    return TRUE;
}

BOOL CDC::FrameRgn(CRgn* pRgn, CBrush* pBrush, int, int) {
    GdiObject* brush = pBrush ? GdiOf(pBrush->m_hObject) : nullptr;
    if (!pRgn || !brush) return FALSE;
    QPainter& painter = m_impl->Painter();
    for (const QRect& rect : RegionOf(*pRgn)) {
        painter.setPen(QPen(brush->brush.color(), 1));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect.adjusted(0, 0, -1, -1));
    }
    return TRUE;
}

BOOL CDC::PaintRgn(CRgn* pRgn) { return FillRgn(pRgn, m_impl->brush); }

COLORREF CDC::SetPixel(int x, int y, COLORREF crColor) {
    QPainter& painter = m_impl->Painter();
    painter.setPen(QPen(ToQColor(crColor), 1));
    painter.drawPoint(x, y);
    return crColor;
}

COLORREF CDC::GetPixel(int x, int y) const {
    auto* image = dynamic_cast<QImage*>(m_impl->Painter().device());
    if (!image || !image->rect().contains(x, y)) return 0xFFFFFFFF;
    return FromQColor(image->pixelColor(x, y));
}

namespace {

// Windows' DrawText: lines at line feeds (not with DT_SINGLELINE), word breaks, end ellipses, alignment.
QStringList LayoutLines(const QString& text, const QFontMetrics& metrics, int width, UINT format) {
    QStringList lines;
    if (format & DT_SINGLELINE) {
        QString line = text;
        line.remove(u'\r');
        line.remove(u'\n');
        lines << line;
    } else {
        QString normalized = text;
        normalized.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        normalized.replace(u'\r', u'\n');
        lines = normalized.split(u'\n');
    }
    if ((format & DT_WORDBREAK) && !(format & DT_SINGLELINE)) {
        QStringList wrapped;
        for (const QString& line : lines) {
            QString current;
            for (const QString& word : line.split(u' ')) {
                const QString candidate = current.isEmpty() ? word : current + u' ' + word;
                if (!current.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
                    wrapped << current;
                    current = word;
                } else {
                    current = candidate;
                }
            }
            wrapped << current;
        }
        lines = wrapped;
    }
    if (format & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS | DT_WORD_ELLIPSIS))
        for (QString& line : lines)
            if (metrics.horizontalAdvance(line) > width) line = metrics.elidedText(line, Qt::ElideRight, width);
    return lines;
}

}  // namespace

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
    if (!lpszString || !lpRect) return 0;
    QString text = nCount < 0 ? ToQ(lpszString) : QString::fromUtf8(lpszString, nCount);
    if (!(nFormat & DT_NOPREFIX)) text = WithoutMnemonics(text);
    const QFontMetrics metrics(m_impl->qfont);
    const QRect rect = ToQRect(*lpRect);
    const QStringList lines = LayoutLines(text, metrics, rect.width(), nFormat);
    const int lineHeight = metrics.height();
    const int height = lineHeight * static_cast<int>(lines.size());
    if (nFormat & DT_CALCRECT) {
        int widest = 0;
        for (const QString& line : lines) widest = std::max(widest, metrics.horizontalAdvance(line));
        if (!(nFormat & DT_WORDBREAK) || widest > rect.width()) lpRect->right = lpRect->left + widest;
        lpRect->bottom = lpRect->top + height;
        return height;
    }
    int top = rect.top();
    if (nFormat & DT_SINGLELINE) {
        if (nFormat & DT_VCENTER)
            top = rect.top() + (rect.height() - lineHeight) / 2;
        else if (nFormat & DT_BOTTOM)
            top = rect.bottom() + 1 - lineHeight;
    }
    QPainter& painter = m_impl->Painter();
    painter.save();
    if (!(nFormat & DT_NOCLIP)) painter.setClipRect(rect, Qt::IntersectClip);
    painter.setFont(m_impl->qfont);
    painter.setPen(ToQColor(m_impl->textColor));
    for (int i = 0; i < lines.size(); ++i) {
        const int width = metrics.horizontalAdvance(lines[i]);
        int x = rect.left();
        if (nFormat & DT_CENTER)
            x = rect.left() + (rect.width() - width) / 2;
        else if (nFormat & DT_RIGHT)
            x = rect.right() + 1 - width;
        const int y = top + i * lineHeight;
        if (m_impl->bkMode == OPAQUE) painter.fillRect(QRect(x, y, width, lineHeight), ToQColor(m_impl->bkColor));
        painter.drawText(QPoint(x, y + metrics.ascent()), lines[i]);
    }
    painter.restore();
    m_impl->Log(QStringLiteral("DrawText \"%1\" %2,%3,%4,%5 format=0x%6 font=%7/%8")
                    .arg(text)
                    .arg(lpRect->left)
                    .arg(lpRect->top)
                    .arg(lpRect->right)
                    .arg(lpRect->bottom)
                    .arg(nFormat, 0, 16)
                    .arg(m_impl->qfont.family())
                    .arg(m_impl->qfont.pixelSize()));
    return (nFormat & (DT_VCENTER | DT_BOTTOM)) && (nFormat & DT_SINGLELINE) ? top - rect.top() + height : height;
}

int CDC::DrawText(const CString& str, LPRECT lpRect, UINT nFormat) {
    return DrawText(str, str.GetLength(), lpRect, nFormat);
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
    const QString text = nCount < 0 ? ToQ(lpszString) : QString::fromUtf8(lpszString, nCount);
    const QFontMetrics metrics(m_impl->qfont);
    const int width = metrics.horizontalAdvance(text);
    QPainter& painter = m_impl->Painter();
    painter.save();
    painter.translate(x, y);
    // Escapement turns the text counter-clockwise in tenths of a degree; Qt turns clockwise.
    if (m_impl->logFont.lfEscapement) painter.rotate(-m_impl->logFont.lfEscapement / 10.0);
    int left = 0;
    const UINT align = m_impl->textAlign;
    if ((align & TA_CENTER) == TA_CENTER)
        left = -width / 2;
    else if (align & TA_RIGHT)
        left = -width;
    int baseline = metrics.ascent();
    if ((align & TA_BASELINE) == TA_BASELINE)
        baseline = 0;
    else if (align & TA_BOTTOM)
        baseline = -metrics.descent();
    if (m_impl->bkMode == OPAQUE)
        painter.fillRect(QRect(left, baseline - metrics.ascent(), width, metrics.height()), ToQColor(m_impl->bkColor));
    painter.setFont(m_impl->qfont);
    painter.setPen(ToQColor(m_impl->textColor));
    painter.drawText(QPoint(left, baseline), text);
    painter.restore();
    m_impl->Log(QStringLiteral("TextOut %1,%2 \"%3\" font=%4/%5 escapement=%6")
                    .arg(x)
                    .arg(y)
                    .arg(text, m_impl->qfont.family())
                    .arg(m_impl->qfont.pixelSize())
                    .arg(m_impl->logFont.lfEscapement));
    return TRUE;
}

BOOL CDC::TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
    const QString text = nCount < 0 ? ToQ(lpszString) : QString::fromUtf8(lpszString, nCount);
    const QFontMetrics metrics(m_impl->qfont);
    return CSize(metrics.horizontalAdvance(text), metrics.height());
}

CSize CDC::GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

BOOL CDC::GetTextMetrics(LPTEXTMETRIC lpMetrics) const {
    if (!lpMetrics) return FALSE;
    const QFontMetrics metrics(m_impl->qfont);
    lpMetrics->tmHeight = metrics.height();
    lpMetrics->tmAscent = metrics.ascent();
    lpMetrics->tmDescent = metrics.descent();
    lpMetrics->tmInternalLeading = std::max(0, metrics.height() - m_impl->qfont.pixelSize());
    lpMetrics->tmExternalLeading = metrics.leading();
    lpMetrics->tmAveCharWidth = metrics.averageCharWidth();
    lpMetrics->tmMaxCharWidth = metrics.maxWidth();
    lpMetrics->tmWeight = m_impl->qfont.weight();
    return TRUE;
}

BOOL CDC::DrawIcon(int x, int y, HICON hIcon) {
    const QIcon icon = IconOf(hIcon);
    if (icon.isNull()) return FALSE;
    m_impl->Painter().drawPixmap(x, y, icon.pixmap(32, 32));
    m_impl->Log(QStringLiteral("DrawIcon %1,%2").arg(x).arg(y));
    return TRUE;
}

CPaintDC::CPaintDC(CWnd* pWnd) {
    WndImpl* impl = ImplOf(pWnd);
    m_hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    if (impl && impl->painter) {
        delete m_impl;
        m_impl = new DCImpl(impl->painter);
        m_ps.rcPaint = FromQRect(impl->paintRect);
        m_ps.fErase = TRUE;
    }
    if (impl) m_impl->log = impl->drawingLog;
    m_hDC = reinterpret_cast<HDC>(m_impl);
    m_ps.hdc = m_hDC;
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* pWnd) {
    m_hWnd = pWnd ? pWnd->m_hWnd : nullptr;
    m_hDC = reinterpret_cast<HDC>(m_impl);
}

CClientDC::~CClientDC() = default;

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) {
    const QPixmap pixmap = ImageListPixmap(this, nImage);
    if (!pDC || pixmap.isNull()) return FALSE;
    DCImpl* impl = reinterpret_cast<DCImpl*>(pDC->m_hDC ? pDC->m_hDC : nullptr);
    if (!impl) return FALSE;
    impl->Painter().drawPixmap(pt.x, pt.y, pixmap);
    return TRUE;
}
