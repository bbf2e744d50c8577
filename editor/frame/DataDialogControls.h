#pragma once

// What the data dialogs share: exact (case-sensitive) choice of combo box entries and the presets of the
// scaled data types.

#include "CComboBox.h"
#include "CString.h"

// Selects the first entry whose text equals `text` exactly; without one, no entry is selected. Answers the
// index, or CB_ERR.
int SelectExactComboEntry(CComboBox& combo, const CString& text);
// The text of the selected entry, empty without a selection.
CString GetComboSelectionText(const CComboBox& combo);
// The item data of the selected entry, 0 without a selection.
DWORD_PTR GetComboSelectionData(const CComboBox& combo);

// The minimum and maximum that the data dialogs preset for a scaled type. False for every other type.
bool GetScaledTypePresets(const CString& type, CString& minimum, CString& maximum);
