#pragma once

// What the data dialogs share: exact choice of combo box entries, by their (case-sensitive) text or by their
// item data, and the presets of the scaled data types.

#include <vector>

#include "CComboBox.h"
#include "CString.h"

// Selects the first entry whose text equals `text` exactly; without one, no entry is selected. Answers the
// index, or CB_ERR.
int SelectExactComboEntry(CComboBox& combo, const CString& text);
// Selects the entry that carries the item data; false (nothing changed) when none does.
bool SelectComboEntryByData(CComboBox& combo, DWORD_PTR data);
// The text of the selected entry, empty without a selection.
CString GetComboSelectionText(const CComboBox& combo);
// The item data of the selected entry, 0 without a selection.
DWORD_PTR GetComboSelectionData(const CComboBox& combo);

// Adds an entry for each record (domain or data item): its name, with its id as the item data.
template <class Record>
void AddNamedEntries(CComboBox& combo, const std::vector<Record>& records) {
    for (const Record& record : records) {
        const int index = combo.AddString(record.name.c_str());
        combo.SetItemData(index, static_cast<DWORD_PTR>(record.id));
    }
}

// The minimum and maximum that the data dialogs preset for a scaled type. False for every other type.
bool GetScaledTypePresets(const CString& type, CString& minimum, CString& maximum);
