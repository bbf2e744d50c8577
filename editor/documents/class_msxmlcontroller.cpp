#include "class_msxmlcontroller.h"

#include <string>
#include <vector>

#include "CFileDialog.h"
#include "CMysqlQuery.h"
#include "CurrentRecords.h"
#include "DocumentPath.h"
#include "class_xmlimport_dialog.h"

class_msxmlcontroller* g_pMsXmlController = nullptr;

namespace {

const char* const kFilter = "Text files(*.xml)|*.xml|";
const DWORD kFileDialogFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
const char* const kDomainGone = "도메인이 없습니다. 다른 사용자가 지웠습니다.";

// The method domain's path as the trees write it ("NavService\위치서비스\"), from the server; false after the
// server's reason.
bool ReadDomainPath(int domainId, std::string& path) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    std::vector<std::string> rows;
    if (db->SelectClassNameList(db->FormatCall("call get_domain_path(%d,'%s')", domainId, "method"), rows) != 0) {
        db->ShowLastError();
        return false;
    }
    path = rows.empty() ? std::string() : rows.front();
    return true;
}

}  // namespace

int class_msxmlcontroller::export_xml_document(int domainId, const std::string& domainName,
                                               [[maybe_unused]] const CString& domainPath) {
    CFileDialog dialog(FALSE, nullptr, domainName.c_str(), kFileDialogFlags, kFilter, nullptr, 0, TRUE);
    if (dialog.DoModal() != IDOK) return -1;
    // The domain as it stands now: one that is gone or hidden makes no document, a renamed one writes its
    // current path.
    class_domain_info current;
    std::string currentPath;
    if (!ReadCurrentDomain("method", domainId, current, kDomainGone) || !ReadDomainPath(domainId, currentPath))
        return -1;
    m_data.m_strExportPath = DocumentPath(dialog.GetPathName().str(), ".xml");
    m_data.m_strDomainPath = currentPath;

    m_data.load_methoddomain(domainId);
    const int result = m_data.export_xmldocument();
    m_data.clear_export_lists();
    return result;
}

int class_msxmlcontroller::import_xml_document() {
    CFileDialog open(TRUE, nullptr, nullptr, kFileDialogFlags, kFilter, nullptr, 0, TRUE);
    if (open.DoModal() != IDOK) return -1;
    class_xmlimport_dialog mode;
    if (mode.DoModal() != IDOK) return -1;
    m_data.m_strImportPath = open.GetPathName().str();
    m_data.m_nMode = mode.m_nMode;

    int result = m_data.load_xmlfile();
    if (result == 0) {
        m_data.parse_xmldocument();
        result = m_data.import_database();
    }
    m_data.clear_import_lists();
    return result == 0 ? 0 : 1;
}
