#pragma once

// The node copy dialog 414 "◈ COPY-NODE ": picks a system domain (every system domain, sub-domains indented with
// one "-" per level) and one of its nodes, which the opener copies into another domain. After OK the opener
// reads the selected node.

#include <vector>

#include "CCopyDialogBase.h"
#include "class_node_info.h"

class class_copy_node_dialog : public CCopyDialogBase {
public:
    enum { IDD = 414 };

    explicit class_copy_node_dialog(CWnd* pParent = nullptr);
    ~class_copy_node_dialog() override;

    std::vector<class_node_info> m_vecRows;        // the nodes of the chosen domain
    std::vector<class_node_info*> m_vecRowCopies;  // owned: item data of the list rows
    class_node_info* m_pSelectedNode = nullptr;    // the first selected row's record (the result)

protected:
    int FillRows(int domainId) override;
    void RowSelected(DWORD_PTR row) override;
    bool AcceptRows(const std::vector<DWORD_PTR>& rows) override;
    DECLARE_MESSAGE_MAP()
};
