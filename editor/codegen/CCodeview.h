#pragma once

// The code preview: dialog 360 "코드미리보기" with the generated text in edit 1037 and the button "저장", which
// saves the generated text (not what the user may have typed over it) to a file the user names.

#include "CDialog.h"
#include "CString.h"

class CCodeview : public CDialog {
public:
    enum { IDD = 360 };

    explicit CCodeview(CWnd* pParent = nullptr);

    CString m_strCode;      // the generated text, lines ended by line feeds
    CString m_strFileType;  // never set by the callers: the file is saved as a ".h"
    CString m_strFileName;  // base of the proposed file name (empty: ".h")

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnSave();
    DECLARE_MESSAGE_MAP()
};
