#pragma once

// Edit control ("Edit"): single-line, ES_PASSWORD, ES_READONLY, ES_MULTILINE. A multi-line edit takes and
// gives its text with CR LF line ends. EN_CHANGE reaches the parent whenever the text changes, also when the
// program sets the text of a single-line edit (not of a multi-line one); EN_SETFOCUS and EN_KILLFOCUS when the
// focus comes and goes.

#include "CWnd.h"

class CEdit : public CWnd {
    DECLARE_DYNAMIC(CEdit)
public:
    CEdit() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetSel(int nStartChar, int nEndChar, BOOL bNoScroll = FALSE);
    void GetSel(int& nStartChar, int& nEndChar) const;
    void ReplaceSel(LPCTSTR lpszNewText, BOOL bCanUndo = FALSE);
    void SetReadOnly(BOOL bReadOnly = TRUE);
    void SetLimitText(UINT nMax);
    void LimitText(int nChars = 0) { SetLimitText(static_cast<UINT>(nChars)); }
    UINT GetLimitText() const;
    int GetLineCount() const;
    void Clear();
    void Copy();
    void Cut();
    void Paste();
    void SetPasswordChar(TCHAR ch);

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "Edit"; }
};
