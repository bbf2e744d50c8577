#include "COutputList.h"

#include "CMainFrame.h"
#include "CWinApp.h"

BEGIN_MESSAGE_MAP(COutputList, CListBox)
    ON_WM_LBUTTONDBLCLK()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

void COutputList::SetResults(const std::vector<std::string>& lines) {
    m_results = lines;
    while (GetCount() > 1) DeleteString(1);
    for (const std::string& line : m_results) AddString(line.c_str());
}

void COutputList::OnLButtonDblClk(UINT, CPoint) {
    const int index = GetCurSel();
    if (index > 0 && static_cast<size_t>(index - 1) < m_results.size()) {
        if (auto* mainFrame = dynamic_cast<CMainFrame*>(AfxGetMainWnd()))
            mainFrame->SelectTreeItemByPath(m_nTreeKind, m_results[index - 1]);
    }
    Default();
}

void COutputList::OnContextMenu(CWnd*, CPoint) { SetFocus(); }
