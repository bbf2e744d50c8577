#pragma once

#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "class_member_domain.h"

class class_domain_info;

// "도메인 계정관리" (dialog 361): the users of one domain with their grades. The logged-in user applies to join
// the domain or leaves it; a manager makes another user a manager, member or guest, or expels the user. Every
// successful change reloads the list; the server decides who may do what.
class CUserViewDlg : public CDialogEx {
public:
    enum { IDD = 361 };

    explicit CUserViewDlg(CWnd* pParent = nullptr) : CDialogEx(IDD, pParent) {}

    // Set by the caller before the dialog runs.
    CString m_strKind;                        // "data", "method" or "system"
    class_domain_info* m_pDomain = nullptr;   // the domain; not owned

    // Lists the users that match the search text and the grade filter, each row at the top, so the list shows
    // them in the reverse of the server's order. A failed load shows the server's text and lists nothing.
    void RefreshList();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;

    afx_msg void OnSearch();
    afx_msg void OnJoin();
    afx_msg void OnLeave();
    // "관리자 권한", "일반멤버", "손님", "추방": one procedure for the selected user.
    afx_msg void OnGradeCommand(UINT nID);
    DECLARE_MESSAGE_MAP()

private:
    int DomainId() const;

    CListCtrl m_listUsers;
    CComboBox m_comboGrade;
    std::vector<class_member_domain> m_rows;  // the rows of the last load
};
