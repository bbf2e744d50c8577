#pragma once

#include <functional>
#include <string>
#include <vector>

#include "CDataDomainTreeView.h"
#include "CMDIFrameWnd.h"
#include "CMFCToolBar.h"
#include "CMethodDomainTreeView.h"
#include "COutputWnd.h"
#include "CPropertiesWnd.h"
#include "CSystemDomainTreeView.h"
#include "DiagramMainFrame.h"

class CChildFrame;
class CMDIChildWnd;
class CTamoZELK_MDIDoc;

// The editor's main window: menu bar, toolbar, status bar, the three tree panes tabbed in one docked pane, the
// search pane and the properties pane. It receives the editor's own messages (FrameMessages.h), opens diagram
// windows and finds them by name, and selects tree items for the search pane. Other parts reach it as the
// application's main window.
class CMainFrame : public CMDIFrameWndEx, public DiagramMainFrame {
    DECLARE_DYNAMIC(CMainFrame)
public:
    CMainFrame() = default;
    ~CMainFrame() override = default;

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // DiagramMainFrame: the diagram windows by their document's diagram name, walked by MDI child id.
    int ActivateDocumentFrame(const std::string& name) override;
    CMDIChildWnd* FindHelpFrame() override;

    // Shows and activates the pane of the tree (0 data, 1 method, 2 system) and selects the item that the
    // search result line names; any other tree does nothing.
    void SelectTreeItemByPath(int treeKind, const std::string& line);

    CDataDomainTreeView& GetDataDomainView() { return m_wndDataDomainView; }
    CMethodDomainTreeView& GetMethodDomainView() { return m_wndMethodDomainView; }
    CSystemDomainTreeView& GetSystemDomainView() { return m_wndSystemDomainView; }
    COutputWnd& GetOutputWnd() { return m_wndOutput; }
    CPropertiesWnd& GetPropertiesWnd() { return m_wndProperties; }

protected:
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg LRESULT OnToolbarCreateNew(WPARAM wp, LPARAM lp);
    afx_msg void OnWindowManager();
    afx_msg void OnViewCustomize();
    afx_msg void OnSaveAllDomainHeaders();
    afx_msg void OnServerAccounts();
    afx_msg void OnChangePassword();
    afx_msg void OnRefreshDiagrams();
    afx_msg void OnXmlDocumentToDb();
    afx_msg void OnJoinPrivateDomain();
    afx_msg void OnHelpTab();

    afx_msg LRESULT OnPropertyUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNodePropertyUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OpenChildFrame(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnUnusedMessage(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInterfaceChanged(WPARAM wParam, LPARAM lParam);
    // Another tree pane became the active tab: the properties pane shows the item selected in it.
    afx_msg LRESULT OnChangeActiveTab(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateDockingWindows();
    // The tree of a tree pane (null for any other window).
    CViewTree* TreeOfPane(const CWnd* pane);
    // Calls `visit` for each diagram window by ascending MDI child id (0xFF00 to 0xFFFE), skipping windows that
    // are no MDI child or show no diagram document, until it answers true; answers that window.
    CMDIChildWnd* FindDiagramFrame(const std::function<bool(CTamoZELK_MDIDoc&)>& visit);
    void ReleaseFrames();

    CMFCMenuBar m_wndMenuBar;
    CMFCToolBar m_wndToolBar;
    CMFCStatusBar m_wndStatusBar;
    CDataDomainTreeView m_wndDataDomainView;
    CMethodDomainTreeView m_wndMethodDomainView;
    CSystemDomainTreeView m_wndSystemDomainView;
    COutputWnd m_wndOutput;
    CPropertiesWnd m_wndProperties;

    // Per opened diagram window: a placeholder frame and child frame, never created (owned), and its document
    // (the frame library deletes it with its window).
    std::vector<CFrameWnd*> m_placeholderFrames;
    std::vector<CChildFrame*> m_placeholderChildFrames;
    std::vector<CTamoZELK_MDIDoc*> m_diagramDocuments;
};
