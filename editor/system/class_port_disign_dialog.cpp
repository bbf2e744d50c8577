#include "class_port_disign_dialog.h"

#include <string>

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "SystemDialogControls.h"

namespace {

const int IDC_PORT = 1201;
const int IDC_DESCRIPTION = 1202;
const int IDC_PORT_LIST = 1203;
const int IDC_ADD = 1204;
const int IDC_EDIT = 1205;
const int IDC_DELETE = 1206;
const int IDC_GROUP = 1208;
const int IDC_FIXED = 1231;

enum { COLUMN_SEQUENCE, COLUMN_PORT, COLUMN_GROUP, COLUMN_DESCRIPTION };

}  // namespace

BEGIN_MESSAGE_MAP(class_port_disign_dialog, CDialogEx)
    ON_NOTIFY(NM_CLICK, IDC_PORT_LIST, &class_port_disign_dialog::OnNMClickPortList)
    ON_EN_KILLFOCUS(IDC_PORT, &class_port_disign_dialog::OnKillFocusPort)
    ON_BN_CLICKED(IDC_ADD, &class_port_disign_dialog::OnBnClickedAdd)
    ON_BN_CLICKED(IDC_EDIT, &class_port_disign_dialog::OnBnClickedEdit)
    ON_BN_CLICKED(IDC_DELETE, &class_port_disign_dialog::OnBnClickedDelete)
END_MESSAGE_MAP()

class_port_disign_dialog::class_port_disign_dialog(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void class_port_disign_dialog::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PORT_LIST, m_listPorts);
    DDX_Check(pDX, IDC_FIXED, m_bFixed);
}

BOOL class_port_disign_dialog::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_listPorts.SetExtendedStyle(m_listPorts.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    InsertListColumns(m_listPorts, {{"순번", 0}, {"포   트", 100}, {"그   룹", 100}, {"설   명", 200}});
    LoadPorts();
    return TRUE;
}

void class_port_disign_dialog::LoadPorts() {
    m_listPorts.DeleteAllItems();
    std::vector<class_system_domain_port_info> ports;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectSystemDomainPortList(db->FormatCall("call systemDomainPortViewList(%d)", m_DomainInfo.id), ports) !=
        0) {
        db->ShowLastError();
        return;
    }
    for (const class_system_domain_port_info& port : ports)
        AppendListRow(m_listPorts, {std::to_string(port.seq), std::to_string(port.port_num),
                                    std::to_string(port.port_group), port.description});
}

int class_port_disign_dialog::ReadNumber(int editId) const {
    CString text;
    GetDlgItemText(editId, text);
    return string_to_int(text);
}

void class_port_disign_dialog::OnNMClickPortList(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = FirstSelectedRow(m_listPorts);
    if (row < 0) return;
    SetDlgItemText(IDC_PORT, m_listPorts.GetItemText(row, COLUMN_PORT));
    SetDlgItemText(IDC_GROUP, m_listPorts.GetItemText(row, COLUMN_GROUP));
    SetDlgItemText(IDC_DESCRIPTION, m_listPorts.GetItemText(row, COLUMN_DESCRIPTION));
}

void class_port_disign_dialog::OnKillFocusPort() {
    UpdateData(TRUE);
    if (m_bFixed) return;
    CString port;
    GetDlgItemText(IDC_PORT, port);
    SetDlgItemText(IDC_GROUP, port);
}

void class_port_disign_dialog::RunStep(const CString& call) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(call) != 0) db->ShowLastError();
}

void class_port_disign_dialog::RegisterGroup(int group) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call domainLogicalPortViewNewPortGroup(%d, %d)", m_DomainInfo.id, group)) !=
        0) {
        MessageBox((std::to_string(group) + " port는 논리 포트 중복 입니다.").c_str());
        return;
    }
    RunStep(db->FormatCall("call nodeportViewNewPortGroup(%d,%d)", m_DomainInfo.id, group));
}

bool class_port_disign_dialog::SelectedPort(int& port, int& group) {
    const int row = FirstSelectedRow(m_listPorts);
    if (row < 0) {
        AfxMessageBox("선택된 필드가 없습니다.");
        return false;
    }
    port = string_to_int(m_listPorts.GetItemText(row, COLUMN_PORT));
    group = string_to_int(m_listPorts.GetItemText(row, COLUMN_GROUP));
    return true;
}

class_system_domain_port_info class_port_disign_dialog::ReadEdits() const {
    class_system_domain_port_info port;
    port.port_num = ReadNumber(IDC_PORT);
    port.port_group = ReadNumber(IDC_GROUP);
    CString description;
    GetDlgItemText(IDC_DESCRIPTION, description);
    port.description = description.str();
    return port;
}

void class_port_disign_dialog::OnBnClickedAdd() {
    const class_system_domain_port_info port = ReadEdits();
    RegisterGroup(port.port_group);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call domainPortViewNewPort(%d, %d, %d, '%s')", m_DomainInfo.id, port.port_num,
                                       port.port_group, port.description)) != 0) {
        db->ShowLastError();
        return;
    }
    LoadPorts();
}

void class_port_disign_dialog::OnBnClickedEdit() {
    int oldPort = 0, oldGroup = 0;
    if (!SelectedPort(oldPort, oldGroup)) return;
    const class_system_domain_port_info port = ReadEdits();
    RegisterGroup(port.port_group);
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    RunStep(db->FormatCall("call domainPortViewEditPort(%d, %d, %d, %d, '%s')", m_DomainInfo.id, oldPort, port.port_num,
                           port.port_group, port.description));
    RunStep(db->FormatCall("call domainLogicalPortViewDeletePort(%d, %d)", m_DomainInfo.id, oldGroup));
    LoadPorts();
}

void class_port_disign_dialog::OnBnClickedDelete() {
    int port = 0, group = 0;
    if (!SelectedPort(port, group)) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    RunStep(db->FormatCall("call domainPortViewDeletePort(%d, %d)", m_DomainInfo.id, port));
    RunStep(db->FormatCall("call domainLogicalPortViewDeletePort(%d, %d)", m_DomainInfo.id, group));
    LoadPorts();
}
