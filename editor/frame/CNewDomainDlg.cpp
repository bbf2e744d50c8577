#include "CNewDomainDlg.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"
#include "CodeNameRules.h"

namespace {

const int IDC_DOMAIN_NAME = 1007;
const int IDC_STANDARD_PORT = 1008;
const int IDC_PUBLIC = 1009;
const int IDC_DESCRIPTION = 1010;
const int IDC_PORT_WARNING = 1198;

const int kHighestPort = 65535;
const int kFirstProposedPort = 10000;

const char* const kPortRangeMessage = "표준 포트값의 범위는 0~65536 사이의 값이어야 합니다.";

bool PortIsTaken(const std::multimap<int, class_domain_info>& domains, int port) {
    for (const auto& entry : domains)
        if (entry.second.standard_port == static_cast<std::uint16_t>(port)) return true;
    return false;
}

}  // namespace

BEGIN_MESSAGE_MAP(CNewDomainDlg, CDialogEx)
    ON_BN_CLICKED(IDOK, &CNewDomainDlg::OnBnClickedOk)
    ON_EN_CHANGE(IDC_STANDARD_PORT, &CNewDomainDlg::OnEnChangeStandardportEdit)
END_MESSAGE_MAP()

CNewDomainDlg::CNewDomainDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {}

void CNewDomainDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PUBLIC, m_checkPublic);
    DDX_Control(pDX, IDC_PORT_WARNING, m_staticWarning);
}

BOOL CNewDomainDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    SetDlgItemText(IDC_DOMAIN_NAME, m_strName);
    if (m_strPort == "false") {
        SetDlgItemText(IDC_STANDARD_PORT, "");
        GetDlgItem(IDC_STANDARD_PORT)->EnableWindow(FALSE);
    } else {
        // An empty port text marks a new method domain: only that one gets a proposal. An edited domain keeps
        // its stored port; the change handler only warns about it.
        const bool propose = m_strPort.IsEmpty();
        SetDlgItemText(IDC_STANDARD_PORT, m_strPort);
        if (propose) ProposeFreePort();
    }
    m_checkPublic.SetCheck(m_bPublic ? BST_CHECKED : BST_UNCHECKED);
    SetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    return TRUE;
}

bool CNewDomainDlg::RefusePortOutOfRange(int port) {
    if (port >= 0 && port <= kHighestPort) return false;
    MessageBox(kPortRangeMessage);
    return true;
}

int CNewDomainDlg::LoadMethodDomains(std::multimap<int, class_domain_info>& domains) {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    domains.clear();
    if (db->SelectDomainAllList(db->FormatCall("call mainViewDomainAllList('%%%%','method')"), domains) != 0) {
        db->ShowLastError();
        return -1;
    }
    return 0;
}

void CNewDomainDlg::OnEnChangeStandardportEdit() {
    m_bPortCheckFailed = false;
    GetDlgItemText(IDC_STANDARD_PORT, m_strPort);
    if (m_strPort.IsEmpty()) return;
    const int port = string_to_int(m_strPort);
    if (RefusePortOutOfRange(port)) return;

    CString warning = "                      < 경고 표준 Protocol Port 사용 >\n\n";
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int protocols = db->CollectCheckReport(db->FormatCall("call standard_portViewCheckPort('%s/%%')", m_strPort),
                                                 warning);
    if (protocols < 0) {
        m_bPortCheckFailed = true;
        AfxMessageBox("error(void CNewDomainDlg::OnEnChangeStandardportEdit()");
        return;
    }
    if (protocols == 0) {
        // A free port: an earlier warning no longer applies.
        m_staticWarning.SetWindowText("");
        m_bProposalPending = false;
        return;
    }
    m_staticWarning.SetWindowText(warning);
    std::multimap<int, class_domain_info> domains;
    if (LoadMethodDomains(domains) != 0) {
        m_bPortCheckFailed = true;
        return;
    }
    for (const auto& entry : domains) {
        if (entry.second.standard_port != static_cast<std::uint16_t>(port)) continue;
        warning += "\n ";
        warning += entry.second.name;
        warning += " 도메인 PORT와 같습니다.";
        m_staticWarning.SetWindowText(warning);
    }
}

void CNewDomainDlg::ProposeFreePort() {
    std::multimap<int, class_domain_info> domains;
    if (LoadMethodDomains(domains) != 0) return;
    // Stops at the highest port, and at the first candidate the server could not check: the edit then keeps
    // the last candidate.
    int candidate = kFirstProposedPort - 1;
    while (m_bProposalPending && candidate < kHighestPort) {
        ++candidate;
        CString text;
        text.Format("%d", candidate);
        SetDlgItemText(IDC_STANDARD_PORT, text);
        if (m_bPortCheckFailed) break;
        if (PortIsTaken(domains, candidate)) m_bProposalPending = true;
    }
}

int CNewDomainDlg::CheckOverlapDomainName() {
    CMysqlQuery* db = CMysqlQuery::GetInstance();
    const int rows = db->CountResultRows(db->FormatCall("call domainviewCheckOverlapDomainName(%d, %d,'%s', '%s')",
                                                        m_nDomainId, m_nParentDomainId, m_strName, m_strKind));
    if (rows >= 1) {
        AfxMessageBox("Path에 도메인 이름이 중복 입니다. 다시 입력해주세요");
        return -1;
    }
    // A failed check has shown the server's text and lets the name pass: the server refuses duplicates itself.
    return 0;
}

void CNewDomainDlg::OnBnClickedOk() {
    GetDlgItemText(IDC_STANDARD_PORT, m_strPort);
    if (RefusePortOutOfRange(string_to_int(m_strPort))) return;
    const std::string standing = m_nDomainId != 0 ? m_strName.str() : std::string();
    GetDlgItemText(IDC_DOMAIN_NAME, m_strName);
    if (m_strName.IsEmpty()) {
        MessageBox("도메인 이름을 입력하세요");
        return;
    }
    const std::string refusal =
        m_strKind == "system" ? std::string() : CodeNameRefusal(CodeNameScope::Domain, m_strName.str(), standing);
    if (!refusal.empty()) {
        MessageBox(refusal.c_str());
        return;
    }
    if (CheckOverlapDomainName() != 0) return;
    GetDlgItemText(IDC_STANDARD_PORT, m_strPort);
    m_bPublic = m_checkPublic.GetCheck() == BST_CHECKED;
    GetDlgItemText(IDC_DESCRIPTION, m_strDescription);
    EndDialog(IDOK);
}
