#include "class_xmlimport_dialog.h"

#include <string>

namespace {

enum : int {
    IDC_DATABASE = 1159,
    IDC_XML_DOCUMENT = 1160,
    IDC_RULES = 1161,
};

const char* const kMergeRules[4] = {
    "1) 입력한 XmlDocument의 method_domain id값을 key값으로 사용된다",
    "2) Key 값이 같으면 DB컬럼의 Vaule들은 수정 된다",
    "3) Key 값이 다르면 DB컬럼의 Vaule들은 생성 된다.",
    "4) DB컬럼의 Vaule들은 생성, 수정 된다.",
};

const char* const kReplaceRules[4] = {
    "1) 입력한 XmlDocument의 method_domain id값을 key값으로 사용된다",
    "2) 기존 DB값은 삭제 하고",
    "3) Import한 XmlDocument를 기준으로 DB값을 새로 생성한다",
    "4) DB컬럼의 Vaule들은 생성, 삭제 된다.",
};

}  // namespace

BEGIN_MESSAGE_MAP(class_xmlimport_dialog, CDialog)
    ON_BN_CLICKED(IDC_DATABASE, &class_xmlimport_dialog::OnBnClickedDatabase)
    ON_BN_CLICKED(IDC_XML_DOCUMENT, &class_xmlimport_dialog::OnBnClickedXmlDocument)
END_MESSAGE_MAP()

class_xmlimport_dialog::class_xmlimport_dialog(CWnd* pParent) : CDialog(IDD, pParent) {}

void class_xmlimport_dialog::OnBnClickedDatabase() {
    ShowRules(kMergeRules);
    m_nMode = 0;
}

void class_xmlimport_dialog::OnBnClickedXmlDocument() {
    ShowRules(kReplaceRules);
    m_nMode = 1;
}

void class_xmlimport_dialog::ShowRules(const char* const (&rules)[4]) {
    SetDlgItemText(IDC_RULES, "");
    std::string text;
    for (const char* rule : rules) text += std::string("\n\n") + rule;
    SetDlgItemText(IDC_RULES, text.c_str());
}
