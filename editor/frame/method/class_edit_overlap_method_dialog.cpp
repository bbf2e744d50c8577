#include "class_edit_overlap_method_dialog.h"

#include "CMysqlResult.h"
#include "MethodRules.h"

namespace {

const int IDC_VALUE = 1148;
const int IDC_CHECK_OVERLAP = 1167;
const int IDC_LABEL = 1149;

}  // namespace

BEGIN_MESSAGE_MAP(class_edit_overlap_method_dialog, CDialog)
    ON_BN_CLICKED(IDC_CHECK_OVERLAP, &class_edit_overlap_method_dialog::OnCheckOverlap)
    ON_BN_CLICKED(IDOK, &class_edit_overlap_method_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_edit_overlap_method_dialog::class_edit_overlap_method_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

BOOL class_edit_overlap_method_dialog::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_nMode == MODE_CODE) m_strValue = MethodCodeDigits(m_strValue.str()).c_str();
    SetDlgItemText(IDC_VALUE, m_strValue);
    SetDlgItemText(IDC_LABEL, m_strLabel);
    return TRUE;
}

const class_method_info* class_edit_overlap_method_dialog::FindClash(const std::string& text, bool& valid) const {
    valid = true;
    if (m_nMode != MODE_CODE) {
        for (const class_method_info& method : m_vecMethods)
            if (method.name == text) return &method;
        return nullptr;
    }
    // Codes are compared as numbers: the typed hexadecimal digits against the decimal codes of the list.
    unsigned code = 0;
    if (!ParseMethodCode(text, code)) {
        valid = false;
        return nullptr;
    }
    for (const class_method_info& method : m_vecMethods)
        if (static_cast<unsigned>(string_to_int(method.code.c_str())) == code) return &method;
    return nullptr;
}

void class_edit_overlap_method_dialog::OnCheckOverlap() {
    CString text;
    GetDlgItemText(IDC_VALUE, text);
    m_bChecked = false;
    bool valid = true;
    const class_method_info* clash = FindClash(text.str(), valid);
    if (!valid) {
        AfxMessageBox("코드값은 4자리 16진수 이어야 합니다.");
        return;
    }
    if (clash != nullptr) {
        if (m_nMode == MODE_CODE)
            AfxMessageBox((clash->name + "(데이타)와 : Code가 현재 중복 입니다. 변경해주세요. ").c_str());
        else
            AfxMessageBox("변경된 이름도 중복 입니다. 다시 변경해 주세요");
        return;
    }
    m_strValue = text;
    m_bChecked = true;
}

void class_edit_overlap_method_dialog::OnBnClickedOk() {
    CString text;
    GetDlgItemText(IDC_VALUE, text);
    if (!m_bChecked || text != m_strValue) {
        m_bChecked = false;
        AfxMessageBox("중복검사를 해주세요");
        return;
    }
    m_strResult = text;
    EndDialog(IDOK);
}
