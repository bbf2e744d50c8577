#pragma once

// The domain dialog 319 "Domain": name, standard port (method domains only), public flag and description of a
// new or edited domain of any kind. It refuses an empty name and a name that exists under the same parent,
// warns while a standard protocol port or another method domain's port is typed, and proposes the first free
// port from 10000 upwards for a new method domain. It writes nothing: the caller formats the insert or edit
// from the members after OK.

#include <map>
#include <string>

#include "CButton.h"
#include "CDialog.h"
#include "CStatic.h"
#include "CString.h"
#include "class_domain_info.h"

class CNewDomainDlg : public CDialogEx {
public:
    enum { IDD = 319 };

    explicit CNewDomainDlg(CWnd* pParent = nullptr);

    // Set by the caller before the run; name, port text, public flag and description are read back after OK.
    int m_nDomainId = 0;            // the edited domain; 0 for a new one
    int m_nParentDomainId = 0;      // 0 at the root
    CString m_strName;
    CString m_strPort = "false";    // "false": the kind has no port; empty: a new method domain (proposed)
    CString m_strDescription;
    bool m_bPublic = false;
    std::string m_strKind;          // "data", "method" or "system"
    bool m_bProposalPending = true; // cleared by the port handler when the typed port is no standard port

    // -1 when the name already exists under the parent (the message is shown), else 0.
    int CheckOverlapDomainName();
    // Writes candidates from 10000 upwards into the port edit until one is free; see the source.
    void ProposeFreePort();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBnClickedOk();
    afx_msg void OnEnChangeStandardportEdit();
    DECLARE_MESSAGE_MAP()

private:
    // All method domains, keyed by parent id; -1 when the load failed (the server's text is shown).
    int LoadMethodDomains(std::multimap<int, class_domain_info>& domains);
    // True (after the message) when the port lies outside 0-65535.
    bool RefusePortOutOfRange(int port);

    CButton m_checkPublic;     // 1009
    CStatic m_staticWarning;   // 1198
    bool m_bPortCheckFailed = false;    // the last run of the port handler could not ask the server
};
