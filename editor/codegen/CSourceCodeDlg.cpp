#include "CSourceCodeDlg.h"

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "HeaderFiles.h"
#include "ShellApi.h"

namespace {

const int IDC_CLASS_NAME = 1094;
const int IDC_OUTPUT_PATH = 1095;
const int IDC_PROXY = 1096;
const int IDC_STUB = 1097;
const int IDC_BROWSE_PATH = 1098;

// The folder browser starts at the file-system root.
int CALLBACK StartAtRoot(HWND hwnd, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED) ::SendMessage(hwnd, BFFM_SETSELECTION, TRUE, reinterpret_cast<LPARAM>("/"));
    return 0;
}

// The folder as the generator takes it: the file names follow after one "/" of its own. The component's folders
// end in "/", and a user may type one too.
std::string WithoutFinalSlash(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

}  // namespace

BEGIN_MESSAGE_MAP(CSourceCodeDlg, CDialog)
    ON_BN_CLICKED(IDC_BROWSE_PATH, &CSourceCodeDlg::OnBrowsePath)
    ON_BN_CLICKED(IDOK, &CSourceCodeDlg::OnGenerate)
END_MESSAGE_MAP()

CSourceCodeDlg::CSourceCodeDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CSourceCodeDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_CLASS_NAME, m_editClassName);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_editOutputPath);
}

BOOL CSourceCodeDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CheckRadioButton(IDC_PROXY, IDC_STUB, m_strSide == "Proxy" ? IDC_PROXY : IDC_STUB);
    m_editClassName.SetWindowText(m_strClassName);
    if (!m_strClassName.IsEmpty()) {
        GetDlgItem(IDC_PROXY)->EnableWindow(FALSE);
        GetDlgItem(IDC_STUB)->EnableWindow(FALSE);
        m_editClassName.EnableWindow(FALSE);
    }
    return TRUE;
}

void CSourceCodeDlg::OnBrowsePath() {
    BROWSEINFO browse{};
    browse.hwndOwner = GetSafeHwnd();
    browse.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    browse.lpfn = StartAtRoot;
    LPITEMIDLIST chosen = SHBrowseForFolder(&browse);
    if (chosen == nullptr) return;
    char folder[MAX_PATH] = {};
    if (SHGetPathFromIDList(chosen, folder)) m_editOutputPath.SetWindowText(folder);
    CoTaskMemFree(chosen);
}

void CSourceCodeDlg::OnGenerate() {
    if (m_nComponentId == 0) {
        if (ValidateInput() == 0) GenerateSources();
        return;
    }
    // Without a folder the component's files would land below the file-system root.
    CString path;
    m_editOutputPath.GetWindowText(path);
    if (path.IsEmpty()) {
        AfxMessageBox("Path을 선택하세요");
        return;
    }
    GenerateProxyClasses();
    GenerateStubClasses();
    AddAliasDomains();
    WriteMethodHeaders();
    WriteDataHeaders();
}

int CSourceCodeDlg::ValidateInput() {
    int result = 0;
    m_strSide = IsDlgButtonChecked(IDC_PROXY) == BST_CHECKED ? "Proxy" : "Stub";
    m_editClassName.GetWindowText(m_strClassName);
    if (m_strClassName.IsEmpty()) {
        AfxMessageBox("클래스 명을 입력 하세요");
        result = -1;
    }
    m_editOutputPath.GetWindowText(m_strOutputPath);
    if (m_strOutputPath.IsEmpty()) {
        AfxMessageBox("Path을 선택하세요");
        result = -1;
    }
    return result;
}

int CSourceCodeDlg::MakeDirectoryPath(const CString& path) {
    if (path.IsEmpty()) return -1;
    return ::MakeDirectory(path.str()) == 1 ? 1 : -1;
}

void CSourceCodeDlg::GenerateSources() {
    SourceRequest request;
    request.methodDomainId = m_nMethodDomainId;
    request.interfaceName = m_strInterfaceName.str();
    request.className = m_strClassName.str();
    request.side = m_strSide.str();
    request.outputPath = WithoutFinalSlash(m_strOutputPath.str());
    GenerateInterfaceSources(*CMysqlQuery::GetInstance(), request, m_mapMemberMethods, m_mapMethodDomains,
                             m_mapDataDomains);
}

void CSourceCodeDlg::GenerateProxyClasses() {
    m_editOutputPath.GetWindowText(m_strBasePath);
    const CString folder = m_strBasePath + "/" + m_strComponentName + "/Proxy/";
    m_editOutputPath.SetWindowText(folder);
    if (MakeDirectoryPath(folder) != 1) {
        const int reason = errno;
        AfxMessageBox(folder + " Proxy 디렉토리 생성 실패\n" + std::strerror(reason));
        return;
    }
    CMysqlQuery* session = CMysqlQuery::GetInstance();
    std::vector<class_proxy_interface_relation_info> classes;
    if (session->SelectProxyInterfaceList(session->FormatCall("call proxyInterfaceViewList(%d)", m_nComponentId),
                                          classes) != 0) {
        return;
    }
    for (const class_proxy_interface_relation_info& relation : classes) {
        m_nMethodDomainId = relation.method_domain_id;
        m_strInterfaceName = relation.interface_name;
        m_strMethodDomainName = relation.method_domain_name;
        m_editClassName.SetWindowText(relation.class_name.c_str());
        if (ValidateInput() != 0) continue;
        m_strSide = "Proxy";
        GenerateSources();
    }
}

void CSourceCodeDlg::GenerateStubClasses() {
    const CString folder = m_strBasePath + "/" + m_strComponentName + "/Stub/";
    m_editOutputPath.SetWindowText(folder);
    if (MakeDirectoryPath(folder) != 1) {
        const int reason = errno;
        AfxMessageBox(folder + " stub 디렉토리 생성 실패\n" + std::strerror(reason));
        return;
    }
    CMysqlQuery* session = CMysqlQuery::GetInstance();
    std::vector<class_stub_interface_relation_info> classes;
    if (session->SelectStubInterfaceList(session->FormatCall("call stubInterfaceViewList(%d)", m_nComponentId),
                                         classes) != 0) {
        return;
    }
    for (const class_stub_interface_relation_info& relation : classes) {
        m_nMethodDomainId = relation.method_domain_id;
        m_strInterfaceName = relation.interface_name;
        m_strMethodDomainName = relation.method_domain_name;
        m_editClassName.SetWindowText(relation.class_name.c_str());
        if (ValidateInput() != 0) continue;
        m_strSide = "Stub";
        GenerateSources();
    }
}

void CSourceCodeDlg::WriteMethodHeaders() {
    WriteComponentMethodHeaders(*CMysqlQuery::GetInstance(), m_strBasePath.str(), m_strComponentName.str(),
                                m_mapMethodDomains);
}

void CSourceCodeDlg::AddAliasDomains() {
    ::AddLinkedDomains(*CMysqlQuery::GetInstance(), m_mapMethodDomains, m_mapDataDomains);
    ::AddAliasDomains(*CMysqlQuery::GetInstance(), m_mapDataDomains);
}

void CSourceCodeDlg::WriteDataHeaders() {
    WriteComponentDataHeaders(*CMysqlQuery::GetInstance(), m_strBasePath.str(), m_strComponentName.str(),
                              m_mapDataDomains);
}
