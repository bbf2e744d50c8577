#include "CCodeControl.h"

#include "CCodeview.h"
#include "CMysqlQuery.h"
#include "CSourceCodeDlg.h"
#include "CurrentRecords.h"
#include "DomainHeader.h"
#include "HeaderFiles.h"
#include "ShellApi.h"

CCodeControl* g_pCodeControl = nullptr;

namespace {

const int kDataDomainItem = 2;
const char* const kDomainGone = "도메인이 없습니다. 다른 사용자가 지웠습니다.";

}  // namespace

void CCodeControl::ShowCodeView(int itemKind, const class_domain_info& domain) {
    const char* kind = itemKind == kDataDomainItem ? "data" : "method";
    CMysqlQuery& session = *CMysqlQuery::GetInstance();
    // The header of the domain as it stands now; one that is gone or hidden is not shown as if generated.
    class_domain_info current;
    if (!ReadCurrentDomain(kind, domain.id, current, kDomainGone)) return;
    std::string header;
    MakeDomainHeader(header, kind, session, current);
    CCodeview view;
    view.m_strCode = header;
    view.DoModal();
}

void CCodeControl::SaveAllDomainHeaders() {
    BROWSEINFO browse{};
    browse.lpszTitle = "디렉토리를 선택하세요";
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    LPITEMIDLIST chosen = SHBrowseForFolder(&browse);
    if (chosen == nullptr) return;
    char folder[MAX_PATH] = {};
    const BOOL havePath = SHGetPathFromIDList(chosen, folder);
    CoTaskMemFree(chosen);
    if (!havePath) return;
    SaveDomainHeadersBelow(*CMysqlQuery::GetInstance(), folder);
}

int CCodeControl::MakeDirectory(const CString& path) { return ::MakeDirectory(path.str()); }

void CCodeControl::ShowSourceCode(const class_interface_info& iface, const CString& domainName) {
    CSourceCodeDlg dialog;
    dialog.m_nMethodDomainId = iface.domain_id;
    dialog.m_strInterfaceName = iface.name;
    dialog.m_strMethodDomainName = domainName;
    dialog.DoModal();
}

void CCodeControl::ShowProxySourceCode(const class_proxy_interface_relation_info& shown) {
    class_proxy_interface_relation_info relation;
    if (!ReadCurrentClass(shown, relation, "Proxy Class가 없습니다. 다른 사용자가 지웠습니다.")) return;
    CSourceCodeDlg dialog;
    dialog.m_nMethodDomainId = relation.method_domain_id;
    dialog.m_strInterfaceName = relation.interface_name;
    dialog.m_strMethodDomainName = relation.method_domain_name;
    dialog.m_strClassName = relation.class_name;
    dialog.m_strSide = "Proxy";
    dialog.DoModal();
}

void CCodeControl::ShowStubSourceCode(const class_stub_interface_relation_info& shown) {
    class_stub_interface_relation_info relation;
    if (!ReadCurrentClass(shown, relation, "Stub Class가 없습니다. 다른 사용자가 지웠습니다.")) return;
    CSourceCodeDlg dialog;
    dialog.m_nMethodDomainId = relation.method_domain_id;
    dialog.m_strInterfaceName = relation.interface_name;
    dialog.m_strMethodDomainName = relation.method_domain_name;
    dialog.m_strClassName = relation.class_name;
    dialog.m_strSide = "Stub";
    dialog.DoModal();
}

void CCodeControl::ShowAllSourceCode(const class_component_info& shown) {
    // The component's folder takes its current name; one that is gone has nothing to generate.
    class_component_info component;
    if (!ReadCurrentComponent(shown.component_id, component, "컴포넌트가 없습니다. 다른 사용자가 지웠습니다."))
        return;
    CSourceCodeDlg dialog;
    dialog.m_nComponentId = component.component_id;
    dialog.m_strComponentName = component.name;
    dialog.m_strClassName = "ALL";
    dialog.DoModal();
}
