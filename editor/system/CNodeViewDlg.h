#pragma once

// The node IP dialog 345 "Node_IP_관리": the IP rows of one node, one per node port. "추가" adds a row (the
// mask preset by the address class when it is 0.0.0.0), "수정" and "삭제" act on the row last clicked, whose
// IP and port are remembered as the keys; every change asks the node-port lock first and reports duplicate
// addresses afterwards. Sub-system and sensor nodes take their rows from the domain they stand for ("IP
// 초기화") instead of "추가". The caller sets the node's fields and runs it; nothing is read back.

#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_network_info.h"
#include "class_node_info.h"

class CNodeViewDlg : public CDialogEx {
public:
    enum { IDD = 345 };

    explicit CNodeViewDlg(CWnd* pParent = nullptr);

    // Set by the caller.
    int m_nNodeId = 0;
    int m_nDomainId = 0;           // the node's system domain
    int m_nSubSystemDomainId = 0;  // kept for the caller; the dialog does not use it
    CString m_strName;
    CString m_strType;
    class_node_info m_NodeInfo;    // a copy of the caller's record

    // The current row: the clicked row's values, or what the controls held at the last change. The IP and the
    // port are the keys of "수정" and "삭제".
    CString m_strIp = "0.0.0.0";
    CString m_strMask = "0.0.0.0";
    CString m_strGateway = "0.0.0.0";
    CString m_strDns = "0.0.0.0";
    CString m_strNetwork;  // the network pattern of the last change
    CString m_strPort;
    CString m_strDescription;

    // Reloads the rows of the node, sorted by their port text.
    void LoadRows();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    void OnOK() override;  // Enter does nothing
    afx_msg void OnBnClickedAdd();
    afx_msg void OnBnClickedEdit();
    afx_msg void OnBnClickedDelete();
    afx_msg void OnBnClickedClear();
    afx_msg void OnBnClickedResetIps();
    afx_msg void OnBnClickedClose();
    afx_msg void OnNMClickIpList(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnIpFieldChanged(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    DECLARE_MESSAGE_MAP()

private:
    bool IsLinkedNodeType() const;
    void LoadPorts();
    void ReadControls();
    // True when the server says the node port is locked (only the answer 1 counts).
    bool IsPortLocked(const CString& port) const;
    // Shows "선택된 필드가 없습니다." and answers false until a row has been clicked.
    bool RequireClickedRow();

    CListCtrl m_listIp;       // 1071
    CComboBox m_comboPort;    // 1205
    bool m_bRowClicked = false;  // the remembered keys are a row's; cleared when that row is deleted
    CSize m_sizeDialog;          // the client size at opening; a resize lays the list out again
};
