#include "class_network_link_dialog.h"

#include <algorithm>
#include <string>

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CheckOverlapIp.h"
#include "SystemDialogControls.h"

namespace {

const int IDC_EDIT_LINK = 1073;
const int IDC_DELETE_LINK = 1074;
const int IDC_LINK_LIST = 1188;
const int IDC_START_NODE = 1189;
const int IDC_START_PORT = 1190;
const int IDC_DESTINATION_NODE = 1191;
const int IDC_DESTINATION_PORT = 1192;
const int IDC_ADD_LINK = 1193;
const int IDC_FILTER = 1206;

enum { COLUMN_S_NODE_ID, COLUMN_S_NODE_NAME, COLUMN_S_PORT, COLUMN_D_NODE_ID, COLUMN_D_NODE_NAME, COLUMN_D_PORT };

const char* const kExternalPort = "외부포트";
const char* const kNoStartNode = "start node 가 선택 되지 않았습니다";
const char* const kNoStartPort = "start port 가 선택 되지 않았습니다";
const char* const kNoDestinationNode = "destination node 가 선택 되지 않았습니다";
const char* const kNoDestinationPort = "destination port 가 선택 되지 않았습니다";
const char* const kNoRow = "선택된 필드가 없습니다.";

}  // namespace

BEGIN_MESSAGE_MAP(class_network_link_dialog, CDialogEx)
    ON_CBN_SELCHANGE(IDC_START_NODE, &class_network_link_dialog::OnCbnSelchangeStartNode)
    ON_CBN_SELCHANGE(IDC_DESTINATION_NODE, &class_network_link_dialog::OnCbnSelchangeDestinationNode)
    ON_CBN_SELCHANGE(IDC_FILTER, &class_network_link_dialog::OnCbnSelchangeFilter)
    ON_BN_CLICKED(IDC_ADD_LINK, &class_network_link_dialog::OnBnClickedButtonAdd)
    ON_BN_CLICKED(IDC_DELETE_LINK, &class_network_link_dialog::OnBnClickedButtonDelete)
    ON_BN_CLICKED(IDC_EDIT_LINK, &class_network_link_dialog::OnBnClickedButtonEdit)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_LINK_LIST, &class_network_link_dialog::OnLvnItemchangedLinkList)
END_MESSAGE_MAP()

class_network_link_dialog::class_network_link_dialog(CWnd* pParent) : CDialogEx(IDD, pParent) {}

class_network_link_dialog::~class_network_link_dialog() {
    for (class_node_info* node : m_vecOwnedNodes) delete node;
    m_vecOwnedNodes.clear();
}

void class_network_link_dialog::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_LINK_LIST, m_listLinks);
    DDX_Control(pDX, IDC_START_NODE, m_comboStartNode);
    DDX_Control(pDX, IDC_START_PORT, m_comboStartPort);
    DDX_Control(pDX, IDC_DESTINATION_NODE, m_comboDestNode);
    DDX_Control(pDX, IDC_DESTINATION_PORT, m_comboDestPort);
    DDX_Control(pDX, IDC_FILTER, m_comboFilter);
}

BOOL class_network_link_dialog::OnInitDialog() {
    CDialogEx::OnInitDialog();
    ClearEditSelections();
    m_listLinks.SetExtendedStyle(m_listLinks.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    InsertListColumns(m_listLinks, {{"S_Node_Id", 0}, {"S_Node_Name", 140}, {"S_Node_Port", 140}, {"D_Node_ID", 0},
                                    {"D_Node_Name", 140}, {"D_Node_Port", 140}});
    fill_node_combos();
    update_list_control();
    return TRUE;
}

class_node_info* class_network_link_dialog::OwnedCopy(const class_node_info& node) {
    m_vecOwnedNodes.push_back(new class_node_info(node));
    return m_vecOwnedNodes.back();
}

void class_network_link_dialog::fill_node_combos() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    m_vecNodes.clear();
    if (db->SelectNodeList(db->FormatCall("call nodeViewList(%d)", m_DomainInfo.id), m_vecNodes) != 0) {
        db->ShowLastError();
        return;
    }
    std::stable_sort(m_vecNodes.begin(), m_vecNodes.end(),
                     [](const class_node_info& a, const class_node_info& b) { return a.type < b.type; });
    for (CComboBox* combo : {&m_comboStartNode, &m_comboDestNode})
        for (const class_node_info& node : m_vecNodes)
            combo->SetItemDataPtr(combo->AddString(node.name.c_str()), OwnedCopy(node));
    m_comboDestNode.SetItemData(m_comboDestNode.AddString(kExternalPort), 0);

    m_comboFilter.InsertString(0, "전체보기");
    m_comboFilter.SetItemData(0, 0);
    for (size_t index = 0; index < m_vecNodes.size(); ++index) {
        const int position = static_cast<int>(index) + 1;
        m_comboFilter.InsertString(position, m_vecNodes[index].name.c_str());
        m_comboFilter.SetItemDataPtr(position, OwnedCopy(m_vecNodes[index]));
    }
}

const class_node_info* class_network_link_dialog::SelectedNode(const CComboBox& combo) const {
    const int selection = combo.GetCurSel();
    return selection == CB_ERR ? nullptr : static_cast<const class_node_info*>(combo.GetItemDataPtr(selection));
}

void class_network_link_dialog::update_list_control() {
    m_listLinks.DeleteAllItems();
    std::vector<class_network_link_info> links;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNetworkLinkList(db->FormatCall("call NetworklinkViewNetworkinkList(%d)", m_DomainInfo.id), links) !=
        0) {
        MessageBox("erro(void class_network_link_dialog::update_list_control()");
        return;
    }
    std::stable_sort(links.begin(), links.end(), [](const class_network_link_info& a, const class_network_link_info& b) {
        return a.s_node_id < b.s_node_id;
    });
    const class_node_info* filter = SelectedNode(m_comboFilter);
    for (const class_network_link_info& link : links) {
        if (filter != nullptr && filter->id != link.s_node_id && filter->id != link.d_node_id) continue;
        AppendListRow(m_listLinks, {std::to_string(link.s_node_id), link.s_node_name, std::to_string(link.s_port_id),
                                    std::to_string(link.d_node_id), link.d_node_id == 0 ? kExternalPort : link.d_node_name,
                                    std::to_string(link.d_port_id)});
    }
}

void class_network_link_dialog::FillPortCombo(const CComboBox& nodeCombo, CComboBox& portCombo) {
    if (nodeCombo.GetCurSel() == CB_ERR) return;
    portCombo.ResetContent();
    // "외부포트" lists the domain's own ports.
    const class_node_info* node = SelectedNode(nodeCombo);
    const int domainId = node != nullptr ? node->sub_system_domain_id : m_DomainInfo.id;
    const int nodeId = node != nullptr ? node->id : 0;
    std::vector<std::pair<int, std::string>> ports;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectNodeNetworkPortList(db->FormatCall("call nodeViewNetworkPort(%d,%d)", domainId, nodeId), ports) != 0) {
        db->ShowLastError();
        return;
    }
    for (size_t index = 0; index < ports.size(); ++index) {
        const int position = static_cast<int>(index);
        portCombo.InsertString(position, (std::to_string(ports[index].first) + " : " + ports[index].second).c_str());
        portCombo.SetItemData(position, static_cast<DWORD_PTR>(ports[index].first));
    }
    portCombo.SetCurSel(-1);
}

int class_network_link_dialog::ReadPort(const CComboBox& portCombo) const {
    const int selection = portCombo.GetCurSel();
    if (selection != CB_ERR) return static_cast<int>(portCombo.GetItemData(selection));
    CString text;
    portCombo.GetWindowText(text);
    return string_to_int(text);
}

void class_network_link_dialog::OnCbnSelchangeStartNode() { FillPortCombo(m_comboStartNode, m_comboStartPort); }

void class_network_link_dialog::OnCbnSelchangeDestinationNode() { FillPortCombo(m_comboDestNode, m_comboDestPort); }

void class_network_link_dialog::OnCbnSelchangeFilter() { update_list_control(); }

void class_network_link_dialog::ShowLinkEnd(CComboBox& nodeCombo, CComboBox& portCombo, int nodeId,
                                            const CString& port) {
    // By the node's id: names differ in case only, or not at all in a list that another session changed.
    int entry = CB_ERR;
    for (int index = 0; index < nodeCombo.GetCount() && entry == CB_ERR; ++index) {
        const auto* node = static_cast<const class_node_info*>(nodeCombo.GetItemDataPtr(index));
        if ((node != nullptr ? node->id : 0) == nodeId) entry = index;
    }
    nodeCombo.SetCurSel(entry);
    FillPortCombo(nodeCombo, portCombo);
    portCombo.SetWindowText(port);
}

void class_network_link_dialog::CopySelectedLinkToCombos() {
    const int row = FirstSelectedRow(m_listLinks);
    if (row < 0) return;
    ShowLinkEnd(m_comboStartNode, m_comboStartPort, string_to_int(m_listLinks.GetItemText(row, COLUMN_S_NODE_ID)),
                m_listLinks.GetItemText(row, COLUMN_S_PORT));
    ShowLinkEnd(m_comboDestNode, m_comboDestPort, string_to_int(m_listLinks.GetItemText(row, COLUMN_D_NODE_ID)),
                m_listLinks.GetItemText(row, COLUMN_D_PORT));
}

void class_network_link_dialog::OnLvnItemchangedLinkList(NMHDR* pNMHDR, LRESULT* pResult) {
    if (pResult != nullptr) *pResult = 0;
    // Of the notifications of one click only the row that becomes selected copies (each copy reads the ports).
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
    if (change != nullptr && !((change->uNewState & LVIS_SELECTED) && !(change->uOldState & LVIS_SELECTED))) return;
    CopySelectedLinkToCombos();
}

void class_network_link_dialog::ClearEditSelections() {
    for (CComboBox* combo : {&m_comboStartNode, &m_comboDestNode, &m_comboStartPort, &m_comboDestPort})
        combo->SetCurSel(-1);
}

int class_network_link_dialog::check_system_lock(int nodeId, int domainId, int portId) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const CString check =
        nodeId != 0 ? db->FormatCall("call check_system_lock_networklink(%d, %d, %d)", nodeId, portId, domainId)
                    : db->FormatCall("call check_system_lock_domain(%d)", domainId);
    const int answer = db->CheckSystemLock(check);
    if (answer == -1) db->ShowLastError();
    return answer;
}

bool class_network_link_dialog::AnyEndLocked(std::initializer_list<std::pair<int, int>> ends) {
    for (const auto& [nodeId, portId] : ends)
        if (check_system_lock(nodeId, m_DomainInfo.id, portId) != 0) return true;
    return false;
}

bool class_network_link_dialog::SelectedLink(class_network_link_info& link) {
    const int row = FirstSelectedRow(m_listLinks);
    if (row < 0) {
        MessageBox(kNoRow);
        return false;
    }
    link.s_node_id = string_to_int(m_listLinks.GetItemText(row, COLUMN_S_NODE_ID));
    link.s_port_id = string_to_int(m_listLinks.GetItemText(row, COLUMN_S_PORT));
    link.d_node_id = string_to_int(m_listLinks.GetItemText(row, COLUMN_D_NODE_ID));
    link.d_port_id = string_to_int(m_listLinks.GetItemText(row, COLUMN_D_PORT));
    return true;
}

std::pair<int, int> class_network_link_dialog::DestinationOf(const class_node_info* destination) const {
    if (destination == nullptr) return {0, m_DomainInfo.id};
    return {destination->id, destination->sub_system_domain_id};
}

void class_network_link_dialog::OnBnClickedButtonAdd() {
    const char* missing = nullptr;
    if (m_comboStartNode.GetCurSel() == CB_ERR)
        missing = kNoStartNode;
    else if (m_comboStartPort.GetCurSel() == CB_ERR)
        missing = kNoStartPort;
    else if (m_comboDestNode.GetCurSel() == CB_ERR)
        missing = kNoDestinationNode;
    else if (m_comboDestPort.GetCurSel() == CB_ERR)
        missing = kNoDestinationPort;
    const class_node_info* source = SelectedNode(m_comboStartNode);
    if (missing == nullptr && source == nullptr) missing = kNoStartNode;
    if (missing != nullptr) {
        MessageBox(missing);
        return;
    }
    const int sourcePort = ReadPort(m_comboStartPort);
    const int destinationPort = ReadPort(m_comboDestPort);
    const auto [destinationId, destinationDomain] = DestinationOf(SelectedNode(m_comboDestNode));
    if (AnyEndLocked({{source->id, sourcePort}, {destinationId, destinationPort}})) {
        MessageBox("상위 Subsystem Node가 LOCK 상태이므로,\n Networklink를 추가 할 수 없습니다.");
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call NetworklinkViewNewNetworkink(%d, %d, %d, %d, %d, %d)", source->id,
                                       source->sub_system_domain_id, sourcePort, destinationId, destinationDomain,
                                       destinationPort)) != 0) {
        MessageBox("error(void class_network_link_dialog::OnBnClickedButtonAdd())");
        return;
    }
    update_list_control();
    FillPortCombo(m_comboStartNode, m_comboStartPort);
    FillPortCombo(m_comboDestNode, m_comboDestPort);
    if (db->Execute(db->FormatCall("call select_group(%d, %d, %d, %d)", destinationDomain, destinationPort, source->id,
                                   sourcePort)) != 0)
        db->ShowLastError();
    CheckOverlapIp(this, source->domain_id, source->id, sourcePort);
    ClearEditSelections();
}

void class_network_link_dialog::OnBnClickedButtonEdit() {
    class_network_link_info old;
    if (!SelectedLink(old)) return;

    const class_node_info* source = SelectedNode(m_comboStartNode);
    if (source == nullptr) {
        MessageBox(kNoStartNode);
        return;
    }
    const int sourcePort = ReadPort(m_comboStartPort);
    if (m_comboDestNode.GetCurSel() == CB_ERR) {
        MessageBox(kNoDestinationNode);
        return;
    }
    const int destinationPort = ReadPort(m_comboDestPort);
    const auto [destinationId, destinationDomain] = DestinationOf(SelectedNode(m_comboDestNode));

    if (AnyEndLocked({{old.s_node_id, old.s_port_id},
                      {old.d_node_id, old.d_port_id},
                      {source->id, sourcePort},
                      {destinationId, destinationPort}})) {
        CopySelectedLinkToCombos();
        MessageBox("상위 Subsystem Node가 LOCK 상태이므로,\n Networklink를 수정 할 수 없습니다.");
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call NetworklinkViewEditNetworkink(%d, %d, %d, %d, %d, %d, %d, %d)",
                                       old.s_node_id, old.s_port_id, source->id, source->sub_system_domain_id,
                                       sourcePort, destinationId, destinationDomain, destinationPort)) != 0)
        db->ShowLastError();
    update_list_control();
    CheckOverlapIp(this, source->domain_id, source->id, sourcePort);
    ClearEditSelections();
}

void class_network_link_dialog::OnBnClickedButtonDelete() {
    class_network_link_info link;
    if (!SelectedLink(link)) return;
    if (AnyEndLocked({{link.s_node_id, link.s_port_id}, {link.d_node_id, link.d_port_id}})) {
        CopySelectedLinkToCombos();
        MessageBox("상위 Subsystem Node가 LOCK 상태이므로,\n Networklink를 삭제 할 수 없습니다.");
        return;
    }
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call netWorkLinkViewDeleteNetWorkLink(%d, %d)", link.s_node_id,
                                       link.s_port_id)) != 0)
        db->ShowLastError();
    update_list_control();
    FillPortCombo(m_comboStartNode, m_comboStartPort);
    FillPortCombo(m_comboDestNode, m_comboDestPort);
    ClearEditSelections();
}
