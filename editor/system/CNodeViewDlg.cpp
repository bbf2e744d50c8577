#include "CNodeViewDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CheckOverlapIp.h"
#include "DataDialogControls.h"
#include "NodeAddressRules.h"
#include "SystemDialogControls.h"
#include "class_node_info.h"

namespace {

const int IDC_IP = 1061;
const int IDC_NODE_TYPE = 1062;
const int IDC_NODE_NAME = 1063;
const int IDC_MASK = 1064;
const int IDC_GATEWAY = 1065;
const int IDC_DESCRIPTION = 1067;
const int IDC_DNS = 1068;
const int IDC_IP_LIST = 1071;
const int IDC_ADD = 1072;
const int IDC_EDIT = 1073;
const int IDC_DELETE = 1074;
const int IDC_CLOSE = 1075;
const int IDC_CLEAR = 1108;
const int IDC_PORT = 1205;
const int IDC_RESET_IPS = 1218;

// Columns of the list.
enum { COLUMN_NUMBER, COLUMN_PORT, COLUMN_IP, COLUMN_MASK, COLUMN_GATEWAY, COLUMN_DNS, COLUMN_DESCRIPTION };

const char* const kPortLocked = "*수정 불가*\n Node port는 상위 System과 연결 되어있습니다.\n System은 Lock 상태입니다.";
const char* const kNewPortLocked =
    "*수정 불가*\n 수정 Node port는 상위 System과 연결 되어있습니다.\n System은 Lock 상태입니다.";
const char* const kNoAddress = "0.0.0.0";

}  // namespace

BEGIN_MESSAGE_MAP(CNodeViewDlg, CDialogEx)
    ON_BN_CLICKED(IDC_ADD, &CNodeViewDlg::OnBnClickedAdd)
    ON_BN_CLICKED(IDC_EDIT, &CNodeViewDlg::OnBnClickedEdit)
    ON_BN_CLICKED(IDC_DELETE, &CNodeViewDlg::OnBnClickedDelete)
    ON_BN_CLICKED(IDC_CLEAR, &CNodeViewDlg::OnBnClickedClear)
    ON_BN_CLICKED(IDC_RESET_IPS, &CNodeViewDlg::OnBnClickedResetIps)
    ON_BN_CLICKED(IDC_CLOSE, &CNodeViewDlg::OnBnClickedClose)
    ON_NOTIFY(NM_CLICK, IDC_IP_LIST, &CNodeViewDlg::OnNMClickIpList)
    ON_NOTIFY(IPN_FIELDCHANGED, IDC_IP, &CNodeViewDlg::OnIpFieldChanged)
    ON_WM_SIZE()
END_MESSAGE_MAP()

CNodeViewDlg::CNodeViewDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CNodeViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_IP_LIST, m_listIp);
    DDX_Control(pDX, IDC_PORT, m_comboPort);
}

bool CNodeViewDlg::IsLinkedNodeType() const { return StandsForSubSystem(m_strType.str()); }

BOOL CNodeViewDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetDlgItemText(IDC_NODE_NAME, m_strName);
    SetDlgItemText(IDC_NODE_TYPE, m_strType);
    GetDlgItem(IDC_NODE_NAME)->EnableWindow(FALSE);
    GetDlgItem(IDC_NODE_TYPE)->EnableWindow(FALSE);
    SetDlgItemText(IDC_IP, m_strIp);
    SetDlgItemText(IDC_MASK, m_strMask);
    SetDlgItemText(IDC_GATEWAY, m_strGateway);
    SetDlgItemText(IDC_DNS, m_strDns);
    SetDlgItemText(IDC_DESCRIPTION, m_strDescription);

    m_listIp.SetExtendedStyle(m_listIp.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    InsertListColumns(m_listIp, {{"순번", 0}, {"PORT", 50}, {"IP", 100}, {"MASK", 100}, {"GateWay", 100},
                                 {"DNS", 100}, {"설명", 120}});
    if (IsLinkedNodeType()) {
        InsertListColumns(m_listIp, {{"연결 Node Info", 250, LVCFMT_LEFT}});
        GetDlgItem(IDC_ADD)->ShowWindow(SW_HIDE);
    } else {
        GetDlgItem(IDC_RESET_IPS)->ShowWindow(SW_HIDE);
    }
    LoadRows();
    LoadPorts();

    CRect client;
    GetClientRect(&client);
    m_sizeDialog = client.Size();
    return TRUE;
}

void CNodeViewDlg::LoadRows() {
    m_listIp.DeleteAllItems();
    std::vector<class_network_info> rows;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNetworkList(db->FormatCall("call networkViewList(%d)", m_nNodeId), rows) != 0) {
        db->ShowLastError();
        return;
    }
    SortByPortText(rows);
    for (size_t number = 0; number < rows.size(); ++number) {
        const class_network_info& row = rows[number];
        std::vector<std::string> texts{std::to_string(number), row.port, row.ip,         row.mask,
                                       row.gateway,            row.dns,  row.description};
        if (IsLinkedNodeType()) texts.push_back(row.link_info);
        AppendListRow(m_listIp, texts);
    }
}

void CNodeViewDlg::LoadPorts() {
    m_comboPort.ResetContent();
    std::vector<class_node_port_info> ports;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodePortList(db->FormatCall("call nodeportViewNodeportInfo(%d)", m_nNodeId), ports) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_node_port_info& port : ports) {
        const int index = m_comboPort.AddString(std::to_string(port.port_num).c_str());
        m_comboPort.SetItemData(index, static_cast<DWORD_PTR>(port.port_num));
    }
}

void CNodeViewDlg::ReadControls() {
    GetDlgItemText(IDC_IP, m_strIp);
    GetDlgItemText(IDC_MASK, m_strMask);
    GetDlgItemText(IDC_GATEWAY, m_strGateway);
    GetDlgItemText(IDC_DNS, m_strDns);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    m_comboPort.GetWindowText(m_strPort);
}

bool CNodeViewDlg::IsPortLocked(const CString& port) const {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    return db->CheckSystemLock(db->FormatCall("call check_system_lock_node_port(%d, %d)", m_nNodeId,
                                              string_to_int(port))) == 1;
}

bool CNodeViewDlg::RequireClickedRow() {
    if (m_bRowClicked) return true;
    MessageBox("선택된 필드가 없습니다.");
    return false;
}

void CNodeViewDlg::OnBnClickedAdd() {
    ReadControls();
    if (m_strMask == kNoAddress) m_strMask = ClassMaskOf(m_strIp.str()).c_str();
    m_strNetwork = NetworkPatternOf(m_strIp.str(), m_strMask.str()).c_str();
    if (IsPortLocked(m_strPort)) {
        MessageBox(kPortLocked);
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call networkNewip(%d, '%s','%s','%s','%s','%s','%s','%s')", m_nNodeId, m_strIp,
                                       m_strMask, m_strNetwork, m_strGateway, m_strDns, m_strPort,
                                       m_strDescription)) != 0) {
        db->ShowLastError();
        return;
    }
    LoadRows();
    CheckOverlapIp(this, m_nDomainId, m_nNodeId, string_to_int(m_strPort));
}

void CNodeViewDlg::OnBnClickedEdit() {
    if (!RequireClickedRow()) return;
    const CString keyIp = m_strIp;
    const CString keyPort = m_strPort;
    CString ip, port;
    GetDlgItemText(IDC_IP, ip);
    GetDlgItemText(IDC_MASK, m_strMask);
    GetDlgItemText(IDC_GATEWAY, m_strGateway);
    GetDlgItemText(IDC_DNS, m_strDns);
    m_comboPort.GetWindowText(port);
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    m_strNetwork = NetworkPatternOf(ip.str(), m_strMask.str()).c_str();

    if (IsPortLocked(keyPort)) {
        MessageBox(kPortLocked);
        return;
    }
    if (IsPortLocked(port)) {
        MessageBox(kNewPortLocked);
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call networkViewEditip(%d, '%s','%s','%s','%s','%s','%s','%s','%s','%s')",
                                       m_nNodeId, keyIp, ip, m_strMask, m_strNetwork, m_strGateway, m_strDns,
                                       keyPort, port, m_strDescription)) != 0) {
        db->ShowLastError();
        // A refused change shows the rows as the server holds them now.
        LoadRows();
        return;
    }
    m_strIp = ip;
    m_strPort = port;
    LoadRows();
    CheckOverlapIp(this, m_nDomainId, m_nNodeId, string_to_int(m_strPort));
}

void CNodeViewDlg::OnBnClickedDelete() {
    if (!RequireClickedRow()) return;
    if (MessageBox("선택된 IP를 삭제하시겠습니까?", "클라이언트", MB_OKCANCEL) != IDOK) return;
    if (IsPortLocked(m_strPort)) {
        MessageBox(kPortLocked);
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call networkViewDeleteip(%d,'%s')", m_nNodeId, m_strIp)) != 0) {
        db->ShowLastError();
        LoadRows();
        return;
    }
    m_bRowClicked = false;
    OnBnClickedClear();
    LoadRows();
}

void CNodeViewDlg::OnBnClickedClear() {
    SetDlgItemText(IDC_IP, kNoAddress);
    SetDlgItemText(IDC_MASK, kNoAddress);
    SetDlgItemText(IDC_GATEWAY, kNoAddress);
    SetDlgItemText(IDC_DNS, kNoAddress);
    SetDlgItemText(IDC_DESCRIPTION, "");
}

void CNodeViewDlg::OnBnClickedResetIps() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->Execute(db->FormatCall("call select_network(%d)", m_nNodeId)) != 0) {
        db->ShowLastError();
        return;
    }
    LoadRows();
}

void CNodeViewDlg::OnBnClickedClose() {
    ReadControls();
    EndDialog(IDOK);
}

void CNodeViewDlg::OnOK() {}

void CNodeViewDlg::OnNMClickIpList(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    const int row = FirstSelectedRow(m_listIp);
    if (row < 0) return;
    m_strPort = m_listIp.GetItemText(row, COLUMN_PORT);
    m_strIp = m_listIp.GetItemText(row, COLUMN_IP);
    m_strMask = m_listIp.GetItemText(row, COLUMN_MASK);
    m_strGateway = m_listIp.GetItemText(row, COLUMN_GATEWAY);
    m_strDns = m_listIp.GetItemText(row, COLUMN_DNS);
    m_strDescription = m_listIp.GetItemText(row, COLUMN_DESCRIPTION);
    m_bRowClicked = true;

    SetDlgItemText(IDC_IP, m_strIp);
    SetDlgItemText(IDC_MASK, m_strMask);
    SetDlgItemText(IDC_GATEWAY, m_strGateway);
    SetDlgItemText(IDC_DNS, m_strDns);
    if (SelectExactComboEntry(m_comboPort, m_strPort) == CB_ERR) m_comboPort.SetWindowText(m_strPort);
    SetDlgItemText(IDC_DESCRIPTION, m_strDescription);
}

void CNodeViewDlg::OnIpFieldChanged(NMHDR*, LRESULT* pResult) {
    *pResult = 0;
    CString ip;
    GetDlgItemText(IDC_IP, ip);
    SetDlgItemText(IDC_MASK, ClassMaskOf(ip.str()).c_str());
}

void CNodeViewDlg::OnSize(UINT nType, int cx, int cy) {
    CDialogEx::OnSize(nType, cx, cy);
    // Before the opening has recorded the size there is nothing to lay out, and a size event that keeps the
    // recorded size (the first showing) is no resize.
    if (m_listIp.m_hWnd == nullptr || m_sizeDialog == CSize(0, 0) || m_sizeDialog == CSize(cx, cy)) return;
    m_listIp.SetWindowPos(nullptr, 0, 0, cx - 50, cy - 50, SWP_NOMOVE | SWP_NOZORDER);
}
