#pragma once

// Dialog 426 "SDD 문서 출력": the choice between the summary (1210) and the detailed (1211) design description.
// "저장" without a choice says so and keeps the dialog open.

#include "CDialog.h"
#include "class_sdd_document_data.h"

class class_choice_sdd_document_dialog : public CDialog {
public:
    enum { IDD = 426 };

    explicit class_choice_sdd_document_dialog(CWnd* pParent = nullptr);

    SddOutputKind m_nOutputKind = 0;  // read by the caller after OK: SDD_SUMMARY or SDD_DETAILED

protected:
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()
};
