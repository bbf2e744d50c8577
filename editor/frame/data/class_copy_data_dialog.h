#pragma once

// The data copy dialog 415 "◎ DATA_COPY": picks a data domain (every data domain, sub-domains indented with one
// "-" per level) and data items of it to be copied into another domain. After OK the caller reads the chosen
// records (id and name) and then calls free_item_data.

#include <vector>

#include "CCopyDialogBase.h"
#include "class_metadata_info.h"

class class_copy_data_dialog : public CCopyDialogBase {
public:
    enum { IDD = 415 };

    explicit class_copy_data_dialog(CWnd* pParent = nullptr);
    ~class_copy_data_dialog() override;

    // Deletes the records that the combo entries and the list rows carry and empties both lists.
    void free_item_data();

    std::vector<class_metadata_info> m_vecRows;              // the data items of the chosen domain
    std::vector<class_metadata_info*> m_vecRowCopies;        // owned: item data of the list rows
    class_metadata_info* m_pSelectedRow = nullptr;           // the first selected row's record
    std::vector<class_metadata_info*> m_vecChosenData;       // after OK: every selected row, in list order

protected:
    int FillRows(int domainId) override;
    void RowSelected(DWORD_PTR row) override;
    bool AcceptRows(const std::vector<DWORD_PTR>& rows) override;
    DECLARE_MESSAGE_MAP()
};
