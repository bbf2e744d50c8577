#include "class_ini_dialog.h"

#include <vector>

#include "CFileDialog.h"
#include "CMysqlQuery.h"
#include "ConnectionSettingsText.h"

namespace {

const int IDC_SETTINGS_TEXT = 1197;

std::string WithoutCarriageReturns(std::string text) {
    std::erase(text, '\r');
    return text;
}

}  // namespace

BEGIN_MESSAGE_MAP(class_ini_dialog, CDialogEx)
    ON_BN_CLICKED(IDOK, &class_ini_dialog::OnBnClickedOk)
END_MESSAGE_MAP()

class_ini_dialog::class_ini_dialog(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void class_ini_dialog::set_connection_info(const class_node_info& node, const class_component_info& component) {
    m_NodeInfo = node;
    m_ComponentInfo = component;
}

bool class_ini_dialog::show_proxy_info() {
    std::vector<class_custum_table> entries;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int loaded = db->SelectCustomProxyTable(
        db->FormatCall("call coustim_proxyViewlistinfo(%d, %d)", m_NodeInfo.id, m_ComponentInfo.component_id), entries);
    return AppendSections(loaded, entries, BuildProxySections);
}

bool class_ini_dialog::show_stub_info() {
    std::vector<class_custum_table> entries;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int loaded = db->SelectCustomStubTable(
        db->FormatCall("call coustim_stubViewlistinfo(%d, %d)", m_NodeInfo.id, m_ComponentInfo.component_id), entries);
    return AppendSections(loaded, entries, BuildStubSections);
}

bool class_ini_dialog::AppendSections(int loaded, const std::vector<class_custum_table>& entries,
                                      std::string (*build)(const std::vector<class_custum_table>&)) {
    if (loaded != 0) {
        CMysqlQuery::GetInstance()->ShowLastError();
        return false;
    }
    m_strSettings += build(entries);
    return true;
}

BOOL class_ini_dialog::OnInitDialog() {
    CDialogEx::OnInitDialog();
    show_proxy_info();
    // A failed stub list leaves the edit empty; the proxy sections stay in the text.
    if (show_stub_info()) SetDlgItemText(IDC_SETTINGS_TEXT, m_strSettings.c_str());
    return TRUE;
}

void class_ini_dialog::OnBnClickedOk() {
    const std::string text = WithoutCarriageReturns(m_strSettings);
    CFileDialog dialog(FALSE, nullptr, ".ini", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "config (*.ini)|*.ini|all(*.*)|*.*|", this);
    if (dialog.DoModal() == IDOK) {
        const std::string error = WriteConnectionSettingsFile(dialog.GetPathName().str(), text);
        if (error.empty())
            AfxMessageBox("저장을 완료하였습니다.");
        else
            AfxMessageBox(error.c_str());
    }
    EndDialog(IDOK);
}
