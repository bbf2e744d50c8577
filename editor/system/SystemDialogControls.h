#pragma once

// What the system dialogs share around their controls: report-list columns and rows, the first selected row,
// and choosing domains of a kind with the domain chooser.

#include <initializer_list>
#include <string>
#include <vector>

#include "CListCtrl.h"
#include "class_domain_info.h"

struct ListColumn {
    LPCTSTR title;
    int width;
    int format = LVCFMT_CENTER;
};

// Appends the columns in order.
void InsertListColumns(CListCtrl& list, std::initializer_list<ListColumn> columns);

// Appends a row with one text per column; answers its index.
int AppendListRow(CListCtrl& list, const std::vector<std::string>& texts);

// The first selected row, -1 when none is selected.
int FirstSelectedRow(const CListCtrl& list);

// Loads every domain of the kind ("system", "method") into the domain chooser and runs it. True after OK with
// the ticked domains in the chooser's order; false when it was cancelled or the list failed (shown).
bool ChooseDomains(LPCTSTR kind, std::vector<class_domain_info>& chosen);
