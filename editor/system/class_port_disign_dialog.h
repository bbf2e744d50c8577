#pragma once

// The port design dialog 421 "PORT 설계": the physical ports of a system domain with their logical port groups.
// Leaving the PORT edit makes the port its own group unless "고정" holds the group. Adding or changing a port
// registers its group first (an existing group is reported and the port is stored all the same); a change or
// delete drops the old group, which the server keeps while other ports use it. The caller sets the domain
// record and runs the dialog; nothing is read back.

#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_domain_info.h"
#include "class_system_domain_port_info.h"

class class_port_disign_dialog : public CDialogEx {
public:
    enum { IDD = 421 };

    explicit class_port_disign_dialog(CWnd* pParent = nullptr);

    int m_bFixed = 0;                // check box "고정"
    class_domain_info m_DomainInfo;  // a copy of the system domain; its id is the first argument of every call

    // Reloads the domain's ports.
    void LoadPorts();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnNMClickPortList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnKillFocusPort();
    afx_msg void OnBnClickedAdd();
    afx_msg void OnBnClickedEdit();
    afx_msg void OnBnClickedDelete();
    DECLARE_MESSAGE_MAP()

private:
    int ReadNumber(int editId) const;
    // The port, group and description the edits hold.
    class_system_domain_port_info ReadEdits() const;
    // Registers the group on the server (and for the domain's node ports); a group that exists is reported.
    void RegisterGroup(int group);
    // Runs a call of the sequence; a failure shows the server's text and the sequence goes on.
    void RunStep(const CString& call);
    // The port and group of the selected row; false after the box "선택된 필드가 없습니다." without one.
    bool SelectedPort(int& port, int& group);

    CListCtrl m_listPorts;  // 1203
};
