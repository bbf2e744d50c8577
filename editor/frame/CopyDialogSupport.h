#pragma once

// What the copy dialogs share: the combo box of every domain of a kind, flattened from the domain tree, and the
// list of the chosen domain's items with the rows chosen in it.

#include <map>
#include <vector>

#include "CComboBox.h"
#include "CListCtrl.h"
#include "class_domain_info.h"

// Appends the domains to the combo box depth first from the top level, each sub-domain right below its parent and
// one "-" deeper ("A", "-B", "--C", "-D"); each entry carries a copy of its record, which `owned` keeps. A parent
// chain that loops in the rows is followed once.
void FillFlattenedDomainCombo(CComboBox& combo, const std::multimap<int, class_domain_info>& domains,
                              std::vector<class_domain_info*>& owned);

// Every domain of the kind ("data", "method", "system"), flattened into the combo box; a failed load shows the
// server's text.
void LoadCopyDomains(CComboBox& combo, const char* kind, std::multimap<int, class_domain_info>& domains,
                     std::vector<class_domain_info*>& owned);
// The record of the selected domain entry; null, with the selection cleared, when there is none.
class_domain_info* ChosenCopyDomain(CComboBox& combo);

struct CopyListColumn {
    const char* heading;
    int width;
};
// Full-row selection and the columns, left-aligned.
void SetUpCopyList(CListCtrl& list, const std::vector<CopyListColumn>& columns);

// Appends one row per record, in order: its name, its domain id and its type, with a copy of the record as the
// row's item data, which `owned` keeps.
template <class Record>
void AppendCopyRows(CListCtrl& list, const std::vector<Record>& rows, std::vector<Record*>& owned) {
    for (const Record& row : rows) {
        auto* copy = new Record(row);
        owned.push_back(copy);
        const int index = list.InsertItem(list.GetItemCount(), row.name.c_str());
        CString domainId;
        domainId.Format("%d", row.domain_id);
        list.SetItemText(index, 1, domainId);
        list.SetItemText(index, 2, row.type.c_str());
        list.SetItemData(index, reinterpret_cast<DWORD_PTR>(copy));
    }
}

// One row per record: its name and its id (`idOf`), with a copy of the record as the row's item data, which
// `owned` keeps. Each row goes to the top (the list shows the records reversed) when `atTop`, else to the end.
template <class Record, class IdOf>
void InsertNameIdRows(CListCtrl& list, const std::vector<Record>& rows, std::vector<Record*>& owned, IdOf idOf,
                      bool atTop) {
    for (const Record& row : rows) {
        auto* copy = new Record(row);
        owned.push_back(copy);
        const int index = list.InsertItem(atTop ? 0 : list.GetItemCount(), row.name.c_str());
        CString id;
        id.Format("%d", idOf(row));
        list.SetItemText(index, 1, id);
        list.SetItemData(index, reinterpret_cast<DWORD_PTR>(copy));
    }
}

// The item data of every selected row, from the top.
std::vector<DWORD_PTR> SelectedRowData(CListCtrl& list);
