#include "class_hmlcontroller.h"

#include "CFileDialog.h"
#include "CurrentRecords.h"
#include "DocumentPath.h"

class_hmlcontroller* g_pHmlController = nullptr;

int class_hmlcontroller::create_hml_document(int domainId, const std::string& domainName) {
    CFileDialog dialog(FALSE, nullptr, domainName.c_str(), OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       "HWPML files(*.hml)|*.hml|", nullptr, 0, TRUE);
    if (dialog.DoModal() != IDOK) return -1;
    // The document of a domain that is gone or hidden would be empty and look made.
    class_domain_info current;
    if (!ReadCurrentDomain("method", domainId, current, "도메인이 없습니다. 다른 사용자가 지웠습니다.")) return -1;
    m_data.m_strOutputPath = DocumentPath(dialog.GetPathName().str(), ".hml");
    m_data.gather_method_domain(domainId);
    const int result = m_data.build_document();
    m_data.clear();
    return result;
}
