#include "DiagramPaint.h"

#include "CWinApp.h"

void create_diagram_font(CFont& font, int height, const char* face, int weight, int escapement) {
    font.CreateFont(height, 0, escapement, escapement, weight, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, face);
}

HICON diagram_icon(UINT id) {
    CWinApp* app = AfxGetApp();
    return app ? app->LoadIcon(id) : nullptr;
}
