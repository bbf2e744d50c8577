#pragma once

// The import mode dialog 391 "XML_IMPORT": "Database" (mode 0, merge) or "XmlDocument" (mode 1, replace),
// with the rules of the chosen mode below. OK without a choice keeps mode 0.

#include "CDialog.h"

class class_xmlimport_dialog : public CDialog {
public:
    enum { IDD = 391 };

    explicit class_xmlimport_dialog(CWnd* pParent = nullptr);

    int m_nMode = 0;  // read by the caller after OK

protected:
    afx_msg void OnBnClickedDatabase();
    afx_msg void OnBnClickedXmlDocument();
    DECLARE_MESSAGE_MAP()

private:
    void ShowRules(const char* const (&rules)[4]);
};
