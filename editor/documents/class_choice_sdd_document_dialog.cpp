#include "class_choice_sdd_document_dialog.h"

namespace {

enum : int { IDC_SUMMARY = 1210, IDC_DETAILED = 1211 };

}  // namespace

BEGIN_MESSAGE_MAP(class_choice_sdd_document_dialog, CDialog)
    ON_BN_CLICKED(IDOK, &class_choice_sdd_document_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_choice_sdd_document_dialog::class_choice_sdd_document_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

void class_choice_sdd_document_dialog::OnBnClickedOk() {
    if (IsDlgButtonChecked(IDC_SUMMARY)) {
        m_nOutputKind = SDD_SUMMARY;
    } else if (IsDlgButtonChecked(IDC_DETAILED)) {
        m_nOutputKind = SDD_DETAILED;
    } else {
        MessageBox("출력할 Type을 선택해 주세요.");
        return;
    }
    CDialog::OnOK();
}
