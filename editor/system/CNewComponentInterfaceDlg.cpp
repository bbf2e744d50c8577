#include "CNewComponentInterfaceDlg.h"

#include "CTreeMethodDomainControl.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "ComponentNameRules.h"
#include "DataDialogControls.h"
#include "SystemDialogControls.h"
#include "CodeNameRules.h"

namespace {

const int IDC_SEARCH_DOMAIN = 1072;
const int IDC_METHOD_DOMAIN = 1078;
const int IDC_INTERFACE = 1079;
const int IDC_NEW_INTERFACE = 1116;
const int IDC_OBJECT_NAME = 1208;
const int IDC_CLASS_NAME = 1209;
const int IDC_ENTERED_OBJECTS = 1225;

}  // namespace

BEGIN_MESSAGE_MAP(CNewComponentInterfaceDlg, CDialogEx)
    ON_CBN_SELCHANGE(IDC_METHOD_DOMAIN, &CNewComponentInterfaceDlg::OnDomainChanged)
    ON_CBN_SELCHANGE(IDC_INTERFACE, &CNewComponentInterfaceDlg::OnInterfaceChanged)
    ON_BN_CLICKED(IDC_SEARCH_DOMAIN, &CNewComponentInterfaceDlg::OnBnClickedSearch)
    ON_BN_CLICKED(IDC_NEW_INTERFACE, &CNewComponentInterfaceDlg::OnBnClickedNewInterface)
    ON_BN_CLICKED(IDOK, &CNewComponentInterfaceDlg::OnBnClickedOk)
END_MESSAGE_MAP()


CNewComponentInterfaceDlg::CNewComponentInterfaceDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CNewComponentInterfaceDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_METHOD_DOMAIN, m_comboDomain);
    DDX_Control(pDX, IDC_INTERFACE, m_comboInterface);
    DDX_Control(pDX, IDC_CLASS_NAME, m_comboClass);
    DDX_Control(pDX, IDC_ENTERED_OBJECTS, m_listObjects);
}

BOOL CNewComponentInterfaceDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    if (!m_strMethodDomainName.IsEmpty()) {
        m_comboDomain.InsertString(0, m_strMethodDomainName);
        m_comboDomain.SetItemData(0, static_cast<DWORD_PTR>(m_nMethodDomainId));
        m_comboDomain.SetCurSel(0);
        LoadInterfaces();
    }
    if (!m_strInterfaceName.IsEmpty()) {
        SelectExactComboEntry(m_comboInterface, m_strInterfaceName);
        LoadClassNames();
    }
    if (!m_strClassName.IsEmpty()) {
        // A stored name that the list does not hold is still the class's name.
        if (SelectExactComboEntry(m_comboClass, m_strClassName) == CB_ERR) m_comboClass.SetWindowText(m_strClassName);
        if (!m_bObjectMode) LockClassIfUsed();
    }
    if (m_bObjectMode) {
        m_strInitialObjectName = m_strObjectName;
        DisableClassChoice();
        SetDlgItemText(IDC_OBJECT_NAME, m_strObjectName);
        LockObjectIfUsed();
    }
    if (m_bEditClassMode) GetDlgItem(IDC_OBJECT_NAME)->EnableWindow(FALSE);
    if (IsNewClassMode()) {
        SetDlgItemText(IDOK, "입력");
        SetDlgItemText(IDCANCEL, "종료");
    }
    if (m_bEditClassMode || !m_strInitialObjectName.IsEmpty()) {
        SetDlgItemText(IDOK, "수정");
        SetDlgItemText(IDCANCEL, "취소");
    }
    InsertListColumns(m_listObjects, {{"입력 object", 400, LVCFMT_LEFT}});
    return TRUE;
}

void CNewComponentInterfaceDlg::DisableClassChoice() {
    m_comboDomain.EnableWindow(FALSE);
    GetDlgItem(IDC_SEARCH_DOMAIN)->EnableWindow(FALSE);
    m_comboInterface.EnableWindow(FALSE);
    GetDlgItem(IDC_NEW_INTERFACE)->EnableWindow(FALSE);
    m_comboClass.EnableWindow(FALSE);
}

void CNewComponentInterfaceDlg::LockClassIfUsed() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString check = m_strKind == "proxy" ? db->FormatCall("call check_system_lock_proxy_class(%d)", m_nId)
                                               : db->FormatCall("call check_system_lock_stub_class(%d)", m_nId);
    if (db->CheckSystemLock(check) != 1) return;
    DisableClassChoice();
    MessageBox("*수정 불가*\n 외부 시스템과 연결된 Class 입니다. 현재 외수 시스템은 Lock 상태 입니다.");
}

void CNewComponentInterfaceDlg::LockObjectIfUsed() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString check =
        m_strKind == "proxy"
            ? db->FormatCall("call check_system_lock_proxy_object(%d, '%s')", m_nId, m_strObjectName)
            : db->FormatCall("call check_system_lock_stub_object(%d, '%s')", m_nId, m_strObjectName);
    if (db->CheckSystemLock(check) != 1) return;
    DisableClassChoice();
    GetDlgItem(IDC_OBJECT_NAME)->EnableWindow(FALSE);
    MessageBox("*수정 불가*\n 외부 시스템과 연결된 Object 입니다. 현재 외부 시스템은 Lock 상태 입니다.");
}

void CNewComponentInterfaceDlg::LoadInterfaces() {
    if (m_comboDomain.GetCurSel() == CB_ERR) {
        m_comboDomain.SetCurSel(-1);
        return;
    }
    m_nMethodDomainId = static_cast<int>(GetComboSelectionData(m_comboDomain));
    m_vecInterfaces.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectInterfaceList(db->FormatCall("call interfaceViewInterfaceList('%d','method','%%')",
                                               m_nMethodDomainId),
                                m_vecInterfaces) != 0)
        db->ShowLastError();
    m_comboInterface.ResetContent();
    for (const class_interface_info& item : m_vecInterfaces) m_comboInterface.AddString(item.name.c_str());
    if (m_comboInterface.GetCount() > 0) m_comboInterface.SetCurSel(0);
}

void CNewComponentInterfaceDlg::LoadClassNames() {
    if (m_comboInterface.GetCurSel() == CB_ERR) {
        m_comboInterface.SetCurSel(-1);
        return;
    }
    m_strInterfaceName = GetComboSelectionText(m_comboInterface);
    std::vector<std::string> names;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString list =
        m_strKind == "proxy"
            ? db->FormatCall("call proxyInterfaceRelationViewClassNameList(%d, %d, '%s')", m_nComponentId,
                             m_nMethodDomainId, m_strInterfaceName)
            : db->FormatCall("call stubInterfaceRelationViewClassNameList(%d, %d, '%s')", m_nComponentId,
                             m_nMethodDomainId, m_strInterfaceName);
    if (db->SelectClassNameList(list, names) != 0) {
        db->ShowLastError();
        return;
    }
    m_vecClassNames = std::move(names);
    m_comboClass.ResetContent();
    for (const std::string& name : m_vecClassNames) m_comboClass.AddString(name.c_str());
    m_comboClass.SetCurSel(-1);
    OfferDefaultNames(m_strInterfaceName);
}

void CNewComponentInterfaceDlg::OfferDefaultNames(const CString& interfaceName) {
    m_comboClass.SetWindowText(DefaultClassName(interfaceName.str()).c_str());
    SetDlgItemText(IDC_OBJECT_NAME, DefaultObjectNamePrefix(m_strKind.str()).c_str());
}

void CNewComponentInterfaceDlg::OnDomainChanged() { LoadInterfaces(); }

void CNewComponentInterfaceDlg::OnInterfaceChanged() { LoadClassNames(); }

void CNewComponentInterfaceDlg::OnBnClickedSearch() {
    std::vector<class_domain_info> chosen;
    if (!ChooseDomains("method", chosen)) return;
    m_vecMethodDomains = std::move(chosen);
    m_comboDomain.ResetContent();
    for (const class_domain_info& domain : m_vecMethodDomains) {
        const int index = m_comboDomain.AddString(domain.name.c_str());
        m_comboDomain.SetItemData(index, static_cast<DWORD_PTR>(domain.id));
    }
    m_comboDomain.SetCurSel(0);
    LoadInterfaces();
    CString interfaceName;
    m_comboInterface.GetWindowText(interfaceName);
    OfferDefaultNames(interfaceName);
}

void CNewComponentInterfaceDlg::OnBnClickedNewInterface() {
    if (g_pTreeMethodDomainControl == nullptr) g_pTreeMethodDomainControl = new CTreeMethodDomainControl;
    if (g_pTreeMethodDomainControl->NewInterface(static_cast<int>(GetComboSelectionData(m_comboDomain))) == 0)
        LoadInterfaces();
}

void CNewComponentInterfaceDlg::OnBnClickedOk() {
    const std::string standingClass = IsNewClassMode() ? std::string() : m_strClassName.str();
    m_comboDomain.GetWindowText(m_strMethodDomainName);
    m_comboInterface.GetWindowText(m_strInterfaceName);
    m_comboClass.GetWindowText(m_strClassName);
    GetDlgItemText(IDC_OBJECT_NAME, m_strObjectName);
    if (m_strMethodDomainName.IsEmpty()) {
        MessageBox("도메인을 선택 해주세요");
        return;
    }
    if (m_strInterfaceName.IsEmpty()) {
        MessageBox("Interface를 선택 해주세요");
        return;
    }
    if (TrimBlanks(m_strClassName.str()).empty()) {
        MessageBox("class 명을 입력해 주세요");
        return;
    }
    const std::string classRefusal = CodeNameRefusal(CodeNameScope::Class, m_strClassName.str(), standingClass);
    if (!classRefusal.empty()) {
        MessageBox(classRefusal.c_str());
        return;
    }
    if (GetDlgItem(IDC_OBJECT_NAME)->IsWindowEnabled() && TrimBlanks(m_strObjectName.str()).empty()) {
        MessageBox("객체 명을 입력 해주세요");
        return;
    }
    if (IsNewClassMode()) {
        InsertClass();
        return;
    }
    EndDialog(IDOK);
}

void CNewComponentInterfaceDlg::InsertClass() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    CString insert;
    if (m_strKind == "proxy")
        insert = db->FormatCall("call insertProxyInserfaceRelation(%d, %d, %d, '%s','%s', '%s')", m_nSystemDomainId,
                                m_nComponentId, m_nMethodDomainId, m_strInterfaceName, m_strClassName,
                                m_strObjectName);
    else if (m_strKind == "stub")
        insert = db->FormatCall("call insertStubInserfaceRelation(%d, %d, %d, '%s','%s', '%s')", m_nSystemDomainId,
                                m_nComponentId, m_nMethodDomainId, m_strInterfaceName, m_strClassName,
                                m_strObjectName);
    else {
        MessageBox("err(newcomponentInterfaceDlg 370)");
        return;
    }
    if (db->ExecuteProc(insert) != 0) {
        db->ShowLastError();
        return;
    }
    SetDlgItemText(IDC_OBJECT_NAME, "");
    m_vecEnteredObjects.push_back(
        EnteredObjectLine(m_strInterfaceName.str(), m_strClassName.str(), m_strObjectName.str()));
    m_listObjects.DeleteAllItems();
    for (const std::string& line : m_vecEnteredObjects) m_listObjects.InsertItem(0, line.c_str());
}
