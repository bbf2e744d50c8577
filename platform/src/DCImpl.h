#pragma once

#include <QFont>
#include <QImage>
#include <QPainter>
#include <memory>
#include <vector>

#include "CDC.h"
#include "WinGdi.h"

namespace tamo::platform {

class WndImpl;

// The state of a device context and the painter it draws with.
class DCImpl {
public:
    // Draws with the window's painter while it paints; otherwise on a scratch image that nobody sees.
    explicit DCImpl(QPainter* painter);
    ~DCImpl();

    QPainter& Painter() { return *m_painter; }
    void Log(const QString& line);
    // Prepares the painter for an outline and fill with the selected pen and brush.
    void UsePenAndBrush();
    QString PenText() const;
    QString BrushText() const;

    CPen* pen = nullptr;
    CBrush* brush = nullptr;
    CFont* font = nullptr;
    CBitmap* bitmap = nullptr;
    QPen qpen;
    QBrush qbrush;
    QFont qfont;
    LOGFONT logFont{};
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    COLORREF textColor = RGB(0, 0, 0);
    UINT textAlign = 0;
    int polyFillMode = ALTERNATE;
    QPoint position;
    QPoint viewportOrigin;
    std::shared_ptr<std::vector<CString>> log;

    struct Saved {
        CPen* pen;
        CBrush* brush;
        CFont* font;
        QPen qpen;
        QBrush qbrush;
        QFont qfont;
        LOGFONT logFont;
        int bkMode;
        COLORREF bkColor;
        COLORREF textColor;
        UINT textAlign;
        int polyFillMode;
        QPoint viewportOrigin;
    };
    std::vector<Saved> saved;

private:
    QImage m_scratch;
    std::unique_ptr<QPainter> m_ownPainter;
    QPainter* m_painter;
};

}  // namespace tamo::platform
