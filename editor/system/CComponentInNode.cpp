#include "CComponentInNode.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "SystemDialogControls.h"

namespace {

const int IDC_INSTALLED = 1082;
const int IDC_AVAILABLE = 1083;
const int IDC_INSTALL = 1084;
const int IDC_REMOVE = 1085;

enum { COLUMN_NAME, COLUMN_COMPONENT_ID, COLUMN_DEPLOYMENT_ID };

}  // namespace

BEGIN_MESSAGE_MAP(CComponentInNode, CDialogEx)
    ON_NOTIFY(NM_CLICK, IDC_AVAILABLE, &CComponentInNode::OnNMClickAvailable)
    ON_NOTIFY(NM_CLICK, IDC_INSTALLED, &CComponentInNode::OnNMClickInstalled)
    ON_BN_CLICKED(IDC_INSTALL, &CComponentInNode::OnBnClickedInstall)
    ON_BN_CLICKED(IDC_REMOVE, &CComponentInNode::OnBnClickedRemove)
END_MESSAGE_MAP()

CComponentInNode::CComponentInNode(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CComponentInNode::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_AVAILABLE, m_listAvailable);
    DDX_Control(pDX, IDC_INSTALLED, m_listInstalled);
}

BOOL CComponentInNode::OnInitDialog() {
    CDialogEx::OnInitDialog();
    for (CListCtrl* list : {&m_listAvailable, &m_listInstalled}) {
        list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_FULLROWSELECT);
        InsertListColumns(*list, {{"컴포넌트 이름", 150, LVCFMT_LEFT}, {"컴포넌트 ID", 0, LVCFMT_LEFT}});
    }
    InsertListColumns(m_listInstalled, {{"배치 ID", 50, LVCFMT_LEFT}});
    LoadLists();
    SetWindowText(m_strTitle);
    return TRUE;
}

void CComponentInNode::LoadLists() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_listAvailable.DeleteAllItems();
    m_vecComponents.clear();
    if (db->SelectComponentList(db->FormatCall("call nodeDeploymentViewComponentList(%d, %d)", m_nDomainId, m_nNodeId),
                                m_vecComponents) != 0)
        db->ShowLastError();
    for (const class_component_info& component : m_vecComponents)
        AppendListRow(m_listAvailable, {component.name, std::to_string(component.component_id)});

    m_listInstalled.DeleteAllItems();
    m_vecComponents.clear();
    if (db->SelectInstalledComponentList(
            db->FormatCall("call nodeDeploymentViewInstallList(%d, %d)", m_nDomainId, m_nNodeId), m_vecComponents) !=
        0)
        db->ShowLastError();
    for (const class_component_info& component : m_vecComponents)
        AppendListRow(m_listInstalled, {component.name, std::to_string(component.component_id),
                                        std::to_string(component.deployment_id)});
}

void CComponentInNode::OnNMClickAvailable(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = FirstSelectedRow(m_listAvailable);
    if (row >= 0) m_nChosenComponentId = string_to_int(m_listAvailable.GetItemText(row, COLUMN_COMPONENT_ID));
}

void CComponentInNode::OnNMClickInstalled(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = FirstSelectedRow(m_listInstalled);
    if (row < 0) return;
    m_nInstalledComponentId = string_to_int(m_listInstalled.GetItemText(row, COLUMN_COMPONENT_ID));
    m_nDeploymentId = string_to_int(m_listInstalled.GetItemText(row, COLUMN_DEPLOYMENT_ID));
}

void CComponentInNode::OnBnClickedInstall() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call nodeDeploymentViewNewcomponent(%d, %d, %d, 0)", m_nNodeId,
                                       m_nChosenComponentId, m_nDomainId)) != 0)
        db->ShowLastError();
    // Done or refused, the lists show what the server holds now.
    LoadLists();
}

void CComponentInNode::OnBnClickedRemove() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    CString report;
    const int places = db->CheckInstalledInSubsystem(
        db->FormatCall("call check_clone_component(%d, %d)", m_nDomainId, m_nInstalledComponentId), report);
    if (places < 0) {
        db->ShowLastError();
        return;
    }
    if (places > 0) {
        MessageBox(report, "Subsystem 설치 Component Info", MB_OK);
        return;
    }
    if (db->ExecuteProc(db->FormatCall("call nodeDeploymentViewDeleteComponent(%d)", m_nDeploymentId)) != 0)
        db->ShowLastError();
    LoadLists();
}
