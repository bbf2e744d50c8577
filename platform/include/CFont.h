#pragma once

#include "CGdiObject.h"

// A font by face name and height in pixels (negative: character height, positive: cell height). Korean
// faces of Windows map to the installed Nanum faces ("굴림", "돋움" -> NanumGothic, "굴림체" ->
// NanumGothicCoding, "바탕", "명조", "신명조", "궁서" -> NanumMyeongjo). Escapement turns the text
// counter-clockwise in tenths of a degree.
class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    CFont() = default;
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight, BYTE bItalic,
                    BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet, BYTE nOutPrecision, BYTE nClipPrecision,
                    BYTE nQuality, BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    BOOL CreateFontIndirect(const LOGFONT* lpLogFont);
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, class CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const;
    operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }
    static CFont* FromHandle(HFONT hFont);
};
