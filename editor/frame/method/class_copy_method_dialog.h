#pragma once

// The method copy dialog 416 "◎ COPY METHOD": picks a method domain (every method domain, sub-domains indented
// with one "-" per level) and methods of it to be copied into another domain. After OK the caller reads (and may
// rename) the chosen methods, then calls free_item_data.

#include <vector>

#include "CCopyDialogBase.h"
#include "class_method_info.h"

class class_copy_method_dialog : public CCopyDialogBase {
public:
    enum { IDD = 416 };

    explicit class_copy_method_dialog(CWnd* pParent = nullptr);
    ~class_copy_method_dialog() override;

    // Deletes the records that the combo entries and the list rows carry and empties both lists.
    void free_item_data();

    std::vector<class_method_info> m_vecRows;             // the methods of the chosen domain
    std::vector<class_method_info*> m_vecRowCopies;       // owned: item data of the list rows
    class_method_info* m_pSelectedRow = nullptr;          // the first selected row's record
    std::vector<class_method_info> m_vecChosenMethods;    // after OK: copies of every selected row, in list order

protected:
    int FillRows(int domainId) override;
    void RowSelected(DWORD_PTR row) override;
    bool AcceptRows(const std::vector<DWORD_PTR>& rows) override;
    afx_msg void OnBnClickedCancelButton();
    DECLARE_MESSAGE_MAP()
};
