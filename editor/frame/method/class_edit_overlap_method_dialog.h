#pragma once

// The dialog 395 "Method Name & Id 변경": a new name (mode 0) or a new code (mode 1) for a method that clashes
// with a method of the domain it is copied into. The user must run "중복검사" on the value before OK accepts it;
// a value that clashes, or one changed since its check, is not accepted. In code mode the value is shown and
// typed as hexadecimal digits.

#include <string>
#include <vector>

#include "CDialog.h"
#include "CString.h"
#include "class_method_info.h"

class class_edit_overlap_method_dialog : public CDialog {
public:
    enum { IDD = 395 };
    enum Mode { MODE_NAME = 0, MODE_CODE = 1 };

    explicit class_edit_overlap_method_dialog(CWnd* pParent = nullptr);

    // Set by the caller before the run.
    int m_nMode = MODE_NAME;
    CString m_strLabel;                          // "Method Name :" or "Method Code :"
    CString m_strValue;                          // the clashing value: a name, or a code as decimal text
    std::vector<class_method_info> m_vecMethods; // the methods of the target domain (names, decimal codes)

    // After OK: the text as typed (a name, or one to four hexadecimal digits).
    CString m_strResult;

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnCheckOverlap();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    // The method that the text clashes with, or null; in code mode false in `valid` for a text that is no code.
    const class_method_info* FindClash(const std::string& text, bool& valid) const;

    bool m_bChecked = false;   // the text in m_strValue passed a check and may be accepted
};
