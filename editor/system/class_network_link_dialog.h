#pragma once

// The network link dialog 417 "Network Link 관리": the links of one system domain from a port of a node to a
// port of another node or to an external port of the domain ("외부포트"). The list can be narrowed to the
// links of one node. Every add, change and delete first asks whether an end belongs to a locked upper
// sub-system node; a locked end, and a check that fails, refuse the change. The opener copies the domain
// record in and runs the dialog; nothing is read back.

#include <initializer_list>
#include <utility>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "class_domain_info.h"
#include "class_network_link_info.h"
#include "class_node_info.h"

class class_network_link_dialog : public CDialogEx {
public:
    enum { IDD = 417 };

    explicit class_network_link_dialog(CWnd* pParent = nullptr);
    ~class_network_link_dialog() override;

    class_domain_info m_DomainInfo;            // copied in by the opener; only its id is read
    std::vector<class_node_info> m_vecNodes;   // the domain's nodes, sorted by type
    std::vector<class_node_info*> m_vecOwnedNodes;  // owned: the item data of the node entries of the combos

    void fill_node_combos();
    void update_list_control();
    // 1 when the end (node id 0: an external port of the domain) is locked, 0 when free, -1 when the check
    // failed (shown).
    int check_system_lock(int nodeId, int domainId, int portId);

    afx_msg void OnLvnItemchangedLinkList(NMHDR* pNMHDR, LRESULT* pResult);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnCbnSelchangeStartNode();
    afx_msg void OnCbnSelchangeDestinationNode();
    afx_msg void OnCbnSelchangeFilter();
    afx_msg void OnBnClickedButtonAdd();
    afx_msg void OnBnClickedButtonEdit();
    afx_msg void OnBnClickedButtonDelete();
    DECLARE_MESSAGE_MAP()

private:
    class_node_info* OwnedCopy(const class_node_info& node);
    // The node of the selected entry; null for none and for "외부포트".
    const class_node_info* SelectedNode(const CComboBox& combo) const;
    // Fills the port combo with the ports of the node chosen in the node combo; nothing without a choice.
    void FillPortCombo(const CComboBox& nodeCombo, CComboBox& portCombo);
    // The selected entry's port id, else the number in the edit field.
    int ReadPort(const CComboBox& portCombo) const;
    // Selects the entry of the node (0: "외부포트"), fills its ports and puts the port into the edit field.
    void ShowLinkEnd(CComboBox& nodeCombo, CComboBox& portCombo, int nodeId, const CString& port);
    void CopySelectedLinkToCombos();
    void ClearEditSelections();
    // The ends of the first selected row; false after the box "선택된 필드가 없습니다." without one.
    bool SelectedLink(class_network_link_info& link);
    // The destination's node id and domain value for the procedures: the node's id and sub-system domain, or
    // for "외부포트" (null) 0 and the dialog's domain.
    std::pair<int, int> DestinationOf(const class_node_info* destination) const;
    // The ends in order: the first that is not free refuses.
    bool AnyEndLocked(std::initializer_list<std::pair<int, int>> ends);

    CListCtrl m_listLinks;           // 1188
    CComboBox m_comboStartNode;      // 1189
    CComboBox m_comboStartPort;      // 1190
    CComboBox m_comboDestNode;       // 1191
    CComboBox m_comboDestPort;       // 1192
    CComboBox m_comboFilter;         // 1206
};
