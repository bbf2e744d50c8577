#pragma once

// What the copy dialogs share: the combo box of every domain of a kind, flattened from the domain tree, and the
// rows chosen in their item lists.

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

// The item data of every selected row, from the top.
std::vector<DWORD_PTR> SelectedRowData(CListCtrl& list);
