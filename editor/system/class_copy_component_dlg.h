#pragma once

// The component copy dialog 413 "Copy_Component": picks a system domain (every system domain, sub-domains
// indented with one "-" per level) and one of its components, which the opener copies into another domain.
// After OK the opener reads the chosen domain id and the selected component.

#include <vector>

#include "CCopyDialogBase.h"
#include "class_component_info.h"

class class_copy_component_dlg : public CCopyDialogBase {
public:
    enum { IDD = 413 };

    explicit class_copy_component_dlg(CWnd* pParent = nullptr);
    ~class_copy_component_dlg() override;

    std::vector<class_component_info> m_vecRows;           // the components of the chosen domain
    std::vector<class_component_info*> m_vecRowCopies;     // owned: item data of the list rows
    int m_nChosenDomainId = 0;
    class_component_info* m_pSelectedComponent = nullptr;  // the first selected row's record (the result)

protected:
    int FillRows(int domainId) override;
    void RowSelected(DWORD_PTR row) override;
    bool AcceptRows(const std::vector<DWORD_PTR>& rows) override;
    DECLARE_MESSAGE_MAP()
};
