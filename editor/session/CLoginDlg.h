#pragma once

// The login dialog (template 310, "서버 접속"): asks for the seven login values, remembers them in the settings
// file and holds them for the whole run. The session connects with them (CMysqlQuery::Connect takes the
// dialog as its login values) and the exporter launcher passes them on.

#include "CDialog.h"
#include "CLoginValues.h"

class CLoginDlg : public CDialogEx, public CLoginValues {
public:
    enum { IDD = 310 };

    // Loads the settings file; its problems are shown in message boxes. Also makes the application-wide
    // box the session's message box.
    explicit CLoginDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

    int m_bRememberDbAccount = 0;    // check box 1213 "DB ID/PW 저장"
    int m_bRememberUserAccount = 0;  // check box 1214 "User ID/PW 저장"

protected:
    void DoDataExchange(CDataExchange* pDX) override;

    // "기본 접속": the default server, port and application account; the database fields stay.
    afx_msg void OnDefaultConnect();
    // "연결": keeps the edits' values, writes the settings file and ends with IDOK.
    afx_msg void OnConnect();
    DECLARE_MESSAGE_MAP()

private:
    // Set once the boxes have been shown: from then on they keep the user's choice.
    bool m_bChoiceKnown = false;
};
