#pragma once

// What the dialog tests read from and do with a running dialog's controls, as a user sees and uses them.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Platform.h"
#include "TestDriver.h"

namespace dialog_test {

inline CString Text(CWnd& dialog, int id) {
    CString text;
    dialog.GetDlgItemText(id, text);
    return text;
}

inline bool Enabled(CWnd& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowEnabled(); }

inline bool Visible(CWnd& dialog, int id) { return dialog.GetDlgItem(id)->IsWindowVisible(); }

inline CComboBox& Combo(CWnd& dialog, int id) { return *dynamic_cast<CComboBox*>(dialog.GetDlgItem(id)); }

inline CListCtrl& List(CWnd& dialog, int id) { return *dynamic_cast<CListCtrl*>(dialog.GetDlgItem(id)); }

inline std::vector<std::string> ComboEntries(CWnd& dialog, int id) {
    std::vector<std::string> entries;
    CComboBox& combo = Combo(dialog, id);
    for (int index = 0; index < combo.GetCount(); ++index) {
        CString entry;
        combo.GetLBText(index, entry);
        entries.push_back(entry.str());
    }
    return entries;
}

// Chooses the entry with that text as a user would; fails the test without one.
inline void Choose(CWnd& dialog, int id, const std::string& text) {
    const std::vector<std::string> entries = ComboEntries(dialog, id);
    const auto found = std::find(entries.begin(), entries.end(), text);
    ASSERT_NE(found, entries.end()) << text << " is not in combo box " << id;
    tamo::platform::TestDriver::ChooseComboItem(dialog, id, static_cast<int>(found - entries.begin()));
}

inline std::string Selected(CWnd& dialog, int id) {
    CComboBox& combo = Combo(dialog, id);
    CString text;
    if (combo.GetCurSel() >= 0) combo.GetLBText(combo.GetCurSel(), text);
    return text.str();
}

// The texts of one column, top row first.
inline std::vector<std::string> ListColumn(CListCtrl& list, int column) {
    std::vector<std::string> texts;
    for (int row = 0; row < list.GetItemCount(); ++row) texts.push_back(list.GetItemText(row, column).str());
    return texts;
}

inline std::vector<std::string> ListNames(CListCtrl& list) { return ListColumn(list, 0); }

}  // namespace dialog_test
