#include "CInterfaceMemberViewDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CMysqlResult.h"
#include "CTreeMethodDomainControl.h"

namespace {

const int IDC_MEMBER_LIST = 1042;
const int IDC_METHOD_LIST = 1046;
const int IDC_ADD_MEMBER = 1045;
const int IDC_REMOVE_MEMBER = 1052;
const int IDC_NEW_METHOD = 1117;

// The member list's columns: the qualifier of the member's domain, the method's name, then hidden columns with
// the rest of the record; the method's domain id stands last.
const int kMemberNameColumn = 1;
const int kMemberDomainIdColumn = 12;

CString Decimal(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

// The visible columns' widths: as given, or wider where a cell or the heading needs it.
const int kMemberDomainWidth = 120;
const int kMemberMethodWidth = 200;
const int kMethodNameWidth = 250;

void FitColumn(CListCtrl& list, int column, int least) {
    list.SetColumnWidth(column, LVSCW_AUTOSIZE_USEHEADER);
    if (list.GetColumnWidth(column) < least) list.SetColumnWidth(column, least);
}

// The first selected row, or -1.
int FirstSelectedRow(const CListCtrl& list) {
    POSITION position = list.GetFirstSelectedItemPosition();
    return position == nullptr ? -1 : list.GetNextSelectedItem(position);
}

}  // namespace

BEGIN_MESSAGE_MAP(CInterfaceMemberViewDlg, CDialogEx)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_METHOD_LIST, &CInterfaceMemberViewDlg::OnMethodRowChanged)
    ON_NOTIFY(LVN_ITEMCHANGED, IDC_MEMBER_LIST, &CInterfaceMemberViewDlg::OnMemberRowChanged)
    ON_BN_CLICKED(IDC_ADD_MEMBER, &CInterfaceMemberViewDlg::OnAddMember)
    ON_BN_CLICKED(IDC_REMOVE_MEMBER, &CInterfaceMemberViewDlg::OnRemoveMember)
    ON_BN_CLICKED(IDC_NEW_METHOD, &CInterfaceMemberViewDlg::OnNewMethod)
END_MESSAGE_MAP()

CInterfaceMemberViewDlg::CInterfaceMemberViewDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CInterfaceMemberViewDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_MEMBER_LIST, m_listMembers);
    DDX_Control(pDX, IDC_METHOD_LIST, m_listMethods);
}

BOOL CInterfaceMemberViewDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    m_listMembers.SetExtendedStyle(m_listMembers.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listMembers.InsertColumn(0, "도메인", LVCFMT_LEFT, kMemberDomainWidth);
    m_listMembers.InsertColumn(1, "메서드", LVCFMT_LEFT, kMemberMethodWidth);
    const char* const hidden[] = {"타입",       "코드", "입력도메인_ID", "입력도메인", "입력",
                                  "출력도메인_ID", "출력도메인", "출력",       "사용자_ID", "설명", "도메인ID"};
    int column = 2;
    for (const char* heading : hidden) m_listMembers.InsertColumn(column++, heading, LVCFMT_LEFT, 0);
    m_listMethods.SetExtendedStyle(m_listMethods.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
    m_listMethods.InsertColumn(0, "메서드", LVCFMT_LEFT, kMethodNameWidth);
    m_listMethods.InsertColumn(1, "도메인", LVCFMT_LEFT, 0);
    RefreshMemberList();
    RefreshMethodList();
    return TRUE;
}

void CInterfaceMemberViewDlg::RefreshMemberList() {
    m_listMembers.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectMemberMethodList(db->FormatCall("call interfaceViewMemberMethodList(%d,'method','%s')",
                                                  m_pInterface->domain_id, m_pInterface->name),
                                   m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_method_info& row : m_vecRows) {
        const int index = m_listMembers.InsertItem(m_listMembers.GetItemCount(), row.member_text.c_str());
        const CString cells[] = {row.name.c_str(),         row.type.c_str(),     row.code.c_str(),
                                 Decimal(row.in_domain_id), row.in_domain_name.c_str(), row.in_data.c_str(),
                                 Decimal(row.out_domain_id), row.out_domain_name.c_str(), row.out_data.c_str(),
                                 row.user_id.c_str(),       row.description.c_str(), Decimal(row.domain_id)};
        int column = 1;
        for (const CString& cell : cells) m_listMembers.SetItemText(index, column++, cell);
    }
    FitColumn(m_listMembers, 0, kMemberDomainWidth);
    FitColumn(m_listMembers, kMemberNameColumn, kMemberMethodWidth);
}

void CInterfaceMemberViewDlg::RefreshMethodList() {
    m_listMethods.DeleteAllItems();
    m_vecRows.clear();
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->SelectRealMethodList(db->FormatCall("call interfaceViewNewMemberMethodRealmethodList(%d,%d,'%s')",
                                                m_pInterface->domain_id, m_pInterface->domain_id, m_pInterface->name),
                                 m_vecRows) != 0) {
        db->ShowLastError();
        return;
    }
    for (const class_method_info& row : m_vecRows) {
        const int index = m_listMethods.InsertItem(m_listMethods.GetItemCount(), row.name.c_str());
        m_listMethods.SetItemText(index, 1, Decimal(row.domain_id));
    }
    FitColumn(m_listMethods, 0, kMethodNameWidth);
}

void CInterfaceMemberViewDlg::OnMethodRowChanged(NMHDR*, LRESULT* pResult) {
    const int row = FirstSelectedRow(m_listMethods);
    if (row != -1) {
        m_strSelectedMethod = m_listMethods.GetItemText(row, 0);
        m_nSelectedMethodDomainId = string_to_int(m_listMethods.GetItemText(row, 1));
    }
    *pResult = 0;
}

void CInterfaceMemberViewDlg::OnMemberRowChanged(NMHDR*, LRESULT* pResult) {
    const int row = FirstSelectedRow(m_listMembers);
    if (row != -1) {
        m_strSelectedMember = m_listMembers.GetItemText(row, kMemberNameColumn);
        m_nSelectedMemberDomainId = string_to_int(m_listMembers.GetItemText(row, kMemberDomainIdColumn));
    }
    *pResult = 0;
}

void CInterfaceMemberViewDlg::OnAddMember() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call interfaceViewNewMemberMethod(%d,'%s',%d,'%s','%s')",
                                       m_pInterface->domain_id, m_pInterface->name, m_nSelectedMethodDomainId,
                                       m_strSelectedMethod, "")) != 0)
        db->ShowLastError();
    // Done or refused, both lists show what the server holds now.
    RefreshMemberList();
    RefreshMethodList();
}

void CInterfaceMemberViewDlg::OnRemoveMember() {
    CString question = "선택된 ";
    question += "멤버메서드를 해제 하시겠습니까?";
    if (MessageBox(question, "클라이언트", MB_OKCANCEL) != IDOK) return;
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    if (db->ExecuteProc(db->FormatCall("call interfaceViewDeleteMemberMethod(%d,'%s',%d,'%s')",
                                       m_pInterface->domain_id, m_pInterface->name, m_nSelectedMemberDomainId,
                                       m_strSelectedMember)) != 0)
        db->ShowLastError();
    RefreshMemberList();
    RefreshMethodList();
}

void CInterfaceMemberViewDlg::OnNewMethod() {
    if (g_pTreeMethodDomainControl == nullptr) g_pTreeMethodDomainControl = new CTreeMethodDomainControl;
    std::string name;
    if (g_pTreeMethodDomainControl->NewMethod(m_pInterface->domain_id, name) != 0) return;
    RefreshMethodList();
    m_nMethodCreated = 1;
}
