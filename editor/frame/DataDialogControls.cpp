#include "DataDialogControls.h"

int SelectExactComboEntry(CComboBox& combo, const CString& text) {
    for (int index = 0; index < combo.GetCount(); ++index) {
        CString entry;
        combo.GetLBText(index, entry);
        if (entry == text) {
            combo.SetCurSel(index);
            return index;
        }
    }
    combo.SetCurSel(-1);
    return CB_ERR;
}

bool SelectComboEntryByData(CComboBox& combo, DWORD_PTR data) {
    for (int index = 0; index < combo.GetCount(); ++index) {
        if (combo.GetItemData(index) != data) continue;
        combo.SetCurSel(index);
        return true;
    }
    return false;
}

CString GetComboSelectionText(const CComboBox& combo) {
    CString text;
    const int selection = combo.GetCurSel();
    if (selection != CB_ERR) combo.GetLBText(selection, text);
    return text;
}

DWORD_PTR GetComboSelectionData(const CComboBox& combo) {
    const int selection = combo.GetCurSel();
    return selection == CB_ERR ? 0 : combo.GetItemData(selection);
}

bool GetScaledTypePresets(const CString& type, CString& minimum, CString& maximum) {
    if (type == "scaled8_t" || type == "scaled16_t" || type == "scaled32_t" || type == "scaled64_t") {
        minimum = "-100.0";
        maximum = "100.0";
        return true;
    }
    if (type == "u_scaled8_t" || type == "u_scaled16_t" || type == "u_scaled32_t" || type == "u_scaled64_t") {
        minimum = "0.0";
        maximum = "100.0";
        return true;
    }
    return false;
}
