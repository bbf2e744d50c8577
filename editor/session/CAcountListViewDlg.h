#pragma once

#include <vector>

#include "CDialog.h"
#include "CListCtrl.h"
#include "account_row.h"

// "서버계정관리" (dialog 364): lists and searches the application accounts with their rights, creates an
// account (and offers to log in with it), deletes one and switches its three rights. Every successful change
// reloads the list from the server; the server decides who may do what.
class CAcountListViewDlg : public CDialogEx {
public:
    enum { IDD = 364 };

    explicit CAcountListViewDlg(CWnd* pParent = nullptr) : CDialogEx(IDD, pParent) {}

    // Lists the accounts whose id or description holds the search text, each row at the top, so the list shows
    // them in the reverse of the server's order. A failed search shows the server's text and lists nothing.
    void RefreshList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnAccountChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSearch();
    afx_msg void OnNewAccount();
    // "계정 삭제", "관리자 권한", "새계정 권한", "새도메인 권한": one procedure for the selected account.
    afx_msg void OnRowCommand(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    CListCtrl m_listAccounts;
    std::vector<account_row> m_rows;  // the rows of the last search
};
