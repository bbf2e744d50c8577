#pragma once

#include <string>
#include <vector>

#include "CListBox.h"

// The result list of the search pane. Its first line is the hint and stays; the lines of the last search follow
// it, and a double click on one selects its item in the tree that was searched.
class COutputList : public CListBox {
public:
    COutputList() = default;

    // Replaces the results: every line but the first goes, the new ones are appended in order.
    void SetResults(const std::vector<std::string>& lines);
    const std::vector<std::string>& GetResults() const { return m_results; }
    // The tree of the last search: 0 data, 1 method, 2 system.
    void SetTreeKind(int treeKind) { m_nTreeKind = treeKind; }
    int GetTreeKind() const { return m_nTreeKind; }

protected:
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    std::vector<std::string> m_results;  // the lines from the list's second line on
    int m_nTreeKind = 0;
};
