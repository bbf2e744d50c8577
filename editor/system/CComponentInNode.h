#pragma once

// The deployment dialog 358 "COMPONENT_INSTALL_VIEW": the components of a system domain that are not on the
// node (left) and those installed on it (right, with their deployment ids). "▶" installs the component last
// clicked on the left; "◀" removes the deployment last clicked on the right, unless copies of it stand in
// sub-systems, which are reported instead. After the dialog closes, m_vecComponents holds the installed
// components as last loaded.

#include <vector>

#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_component_info.h"

class CComponentInNode : public CDialogEx {
public:
    enum { IDD = 358 };

    explicit CComponentInNode(CWnd* pParent = nullptr);

    // Set by the caller.
    int m_nDomainId = 0;  // the node's system domain
    int m_nNodeId = 0;
    CString m_strTitle;

    // The last clicks.
    int m_nChosenComponentId = 0;     // in the available list (0 before any click)
    int m_nInstalledComponentId = 0;  // in the installed list
    int m_nDeploymentId = 0;

    // The list loaded last: after every reload, the installed components.
    std::vector<class_component_info> m_vecComponents;

    // Reloads the available list, then the installed list.
    void LoadLists();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnNMClickAvailable(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnNMClickInstalled(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnBnClickedInstall();
    afx_msg void OnBnClickedRemove();
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_listAvailable;  // 1083
    CListCtrl m_listInstalled;  // 1082
};
