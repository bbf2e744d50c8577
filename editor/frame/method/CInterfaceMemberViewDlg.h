#pragma once

// The interface member dialog 336 "INTERFACE MEMBER": the member methods of one interface beside the methods of
// its domain that are not members yet. "◀" adds the selected method, "▶" releases the selected member (after a
// question), "New Method 생성" creates a method in the interface's domain through the method dialog. Every change
// goes to the server at once and both lists are reloaded from it.

#include <vector>

#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_interface_info.h"
#include "class_method_info.h"

class CInterfaceMemberViewDlg : public CDialogEx {
public:
    enum { IDD = 336 };

    explicit CInterfaceMemberViewDlg(CWnd* pParent = nullptr);

    class_interface_info* m_pInterface = nullptr;  // set by the caller: domain id and name; not owned
    int m_nMethodCreated = 0;                      // 1 once "New Method 생성" created a method; read by the caller

    // The row last selected in each list (kept when the selection goes).
    int m_nSelectedMethodDomainId = 0;
    CString m_strSelectedMethod;
    int m_nSelectedMemberDomainId = 0;
    CString m_strSelectedMember;

    void RefreshMemberList();
    void RefreshMethodList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnMethodRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMemberRowChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnAddMember();
    afx_msg void OnRemoveMember();
    afx_msg void OnNewMethod();
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_listMembers;   // 1042
    CListCtrl m_listMethods;   // 1046
    std::vector<class_method_info> m_vecRows;  // the rows of the last load
};
