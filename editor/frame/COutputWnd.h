#pragma once

#include "CButton.h"
#include "CComboBox.h"
#include "CDockablePane.h"
#include "CEdit.h"
#include "CMFCTabCtrl.h"
#include "COutputList.h"
#include "class_output_tool_bar.h"

// The search pane "찾기": a tree to search (data, method or system), a word and "검색"; the hits are listed one
// line each, and a double click on one selects its item in its tree.
class COutputWnd : public CDockablePane {
public:
    COutputWnd() = default;

    COutputList& GetResultList() { return m_wndOutputFind; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    // Asks the server for the items of the chosen tree whose names match the word, and lists them.
    afx_msg void OnSearch();
    afx_msg void OnUpdateSearch(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

private:
    CMFCTabCtrl m_wndTabs;
    class_output_tool_bar m_wndToolBar;
    COutputList m_wndOutputFind;
    CEdit m_wndSearchWord;
    CButton m_wndSearchButton;
    CComboBox m_wndTreeChoice;
    bool m_bFocusedBefore = false;
};
