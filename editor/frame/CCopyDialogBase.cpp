#include "CCopyDialogBase.h"

#include "CDataExchange.h"
#include "CMysqlQuery.h"

CCopyDialogBase::CCopyDialogBase(UINT templateId, int comboId, int listId, const char* kind,
                                 std::vector<CopyListColumn> columns, CWnd* pParent)
    : CDialog(templateId, pParent),
      m_nComboId(comboId),
      m_nListId(listId),
      m_pszKind(kind),
      m_vecColumns(std::move(columns)) {}

CCopyDialogBase::~CCopyDialogBase() { FreeDomainCopies(); }

void CCopyDialogBase::FreeDomainCopies() {
    for (class_domain_info* copy : m_vecDomainCopies) delete copy;
    m_vecDomainCopies.clear();
    m_pChosenDomain = nullptr;
}

void CCopyDialogBase::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, m_nComboId, m_comboDomain);
    DDX_Control(pDX, m_nListId, m_listRows);
}

BOOL CCopyDialogBase::OnInitDialog() {
    CDialog::OnInitDialog();
    SetUpCopyList(m_listRows, m_vecColumns);
    // An empty combo box would not tell why: every copy dialog shows the server's text.
    LoadCopyDomains(m_comboDomain, m_pszKind, m_mapDomains, m_vecDomainCopies);
    return TRUE;
}

void CCopyDialogBase::OnDomainChanged() {
    m_pChosenDomain = ChosenCopyDomain(m_comboDomain);
    if (m_pChosenDomain == nullptr) return;
    RowSelected(0);
    m_listRows.DeleteAllItems();
    if (FillRows(m_pChosenDomain->id) != 0) CMysqlQuery::GetInstance()->ShowLastError();
}

void CCopyDialogBase::OnRowChanged(NMHDR*, LRESULT* pResult) {
    const std::vector<DWORD_PTR> rows = SelectedRowData(m_listRows);
    RowSelected(rows.empty() ? 0 : rows.front());
    *pResult = 0;
}

void CCopyDialogBase::OnBnClickedOk() {
    if (ChosenCopyDomain(m_comboDomain) == nullptr) {
        AfxMessageBox("Domain 선택이 않되었습니다.");
        return;
    }
    if (AcceptRows(SelectedRowData(m_listRows))) EndDialog(IDOK);
}
