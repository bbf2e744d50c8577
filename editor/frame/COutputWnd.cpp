#include "COutputWnd.h"

#include "CMFCVisualManager.h"
#include "CMysqlQuery.h"
#include "Class_UmlControl.h"
#include "ReferenceSearch.h"

namespace {

enum : UINT {
    IDC_TREE_CHOICE = 110,
    IDC_SEARCH_WORD = 120,
    IDC_SEARCH_BUTTON = 130,
    IDC_OUTPUT_TOOLBAR = 171,
    IDC_OUTPUT_TABS = 1,
    IDC_OUTPUT_LIST = 2,
    IDS_FIND_TAB = 302,
};

const int kToolbarHeight = 30;

}  // namespace

BEGIN_MESSAGE_MAP(COutputWnd, CDockablePane)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_BN_CLICKED(IDC_SEARCH_BUTTON, &COutputWnd::OnSearch)
    ON_UPDATE_COMMAND_UI(IDC_SEARCH_BUTTON, &COutputWnd::OnUpdateSearch)
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

int COutputWnd::OnCreate(LPCREATESTRUCT lpCreateStruct) {
    if (CDockablePane::OnCreate(lpCreateStruct) == -1) return -1;

    m_wndTreeChoice.Create(WS_CHILD | WS_VISIBLE | WS_VSCROLL | CBS_DROPDOWNLIST, CRect(0, 5, 150, 100), this,
                           IDC_TREE_CHOICE);
    m_wndTreeChoice.AddString("Data_Domain");
    m_wndTreeChoice.AddString("Method_Domain");
    m_wndTreeChoice.AddString("System_Domain");
    m_wndTreeChoice.SetCurSel(0);
    m_wndSearchWord.Create(WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL, CRect(155, 5, 400, 27), this,
                           IDC_SEARCH_WORD);
    m_wndSearchButton.Create("검색", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, CRect(405, 5, 450, 27), this,
                             IDC_SEARCH_BUTTON);
    m_wndSearchButton.ShowWindow(SW_SHOW);

    if (!m_wndToolBar.Create(this, AFX_DEFAULT_TOOLBAR_STYLE, IDC_OUTPUT_TOOLBAR)) return -1;
    CRect tabs(0, kToolbarHeight, 0, kToolbarHeight);
    if (!m_wndTabs.Create(CMFCTabCtrl::STYLE_FLAT, tabs, this, IDC_OUTPUT_TABS, CMFCTabCtrl::LOCATION_BOTTOM, FALSE))
        return -1;
    const DWORD listStyle = LBS_NOINTEGRALHEIGHT | WS_CHILD | WS_VISIBLE | WS_HSCROLL | WS_VSCROLL;
    if (!m_wndOutputFind.Create(listStyle, CRect(0, 0, 0, 0), &m_wndTabs, IDC_OUTPUT_LIST)) return -1;
    m_wndOutputFind.SetFont(&afxGlobalData.fontRegular);
    CString label;
    label.LoadString(IDS_FIND_TAB);
    m_wndTabs.AddTab(&m_wndOutputFind, label, 2, TRUE);
    m_wndOutputFind.AddString("여기에 Domain Tree Item 찾기 출력이 표시됩니다.");

    // The search controls stay in front of the toolbar strip that lies under them.
    for (CWnd* control : {static_cast<CWnd*>(&m_wndTreeChoice), static_cast<CWnd*>(&m_wndSearchWord),
                          static_cast<CWnd*>(&m_wndSearchButton)})
        control->SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    return 0;
}

void COutputWnd::OnSize(UINT nType, int cx, int cy) {
    CDockablePane::OnSize(nType, cx, cy);
    m_wndToolBar.SetWindowPos(nullptr, -1, -1, cx, kToolbarHeight, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
    m_wndTabs.SetWindowPos(nullptr, -1, -1, cx, cy - kToolbarHeight, SWP_NOMOVE | SWP_NOACTIVATE | SWP_NOZORDER);
}

void COutputWnd::OnSetFocus(CWnd* pOldWnd) {
    CDockablePane::OnSetFocus(pOldWnd);
    if (m_bFocusedBefore) Class_UmlControl::get_instance()->set_explanation_text(39);
    m_bFocusedBefore = true;
}

void COutputWnd::OnSearch() {
    CString word;
    m_wndSearchWord.GetWindowText(word);
    if (word.IsEmpty()) {
        MessageBox("검색할 단어를 입력해 주세요");
        return;
    }
    const int treeKind = m_wndTreeChoice.GetCurSel();
    m_wndOutputFind.SetTreeKind(treeKind);
    std::vector<std::string> lines;
    CMysqlQuery::GetInstance()->QueryReferenceList(FormatReferenceSearch(treeKind, word), lines);
    m_wndOutputFind.SetResults(lines);
}

void COutputWnd::OnUpdateSearch(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }
