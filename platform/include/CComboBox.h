#pragma once

// Combo box ("ComboBox"): CBS_DROPDOWNLIST (choice only), CBS_DROPDOWN (with an edit field), CBS_SORT.
// CBN_SELCHANGE reaches the parent only when the user changes the selection; SetCurSel, AddString and the
// other calls of the program send nothing. CBN_EDITCHANGE when the user types into the edit field.

#include "CWnd.h"

#define CB_GETEDITSEL 0x0140
#define CB_LIMITTEXT 0x0141
#define CB_SETEDITSEL 0x0142
#define CB_ADDSTRING 0x0143
#define CB_DELETESTRING 0x0144
#define CB_GETCOUNT 0x0146
#define CB_GETCURSEL 0x0147
#define CB_GETLBTEXT 0x0148
#define CB_GETLBTEXTLEN 0x0149
#define CB_INSERTSTRING 0x014A
#define CB_RESETCONTENT 0x014B
#define CB_FINDSTRING 0x014C
#define CB_SELECTSTRING 0x014D
#define CB_SETCURSEL 0x014E
#define CB_SHOWDROPDOWN 0x014F
#define CB_GETITEMDATA 0x0150
#define CB_SETITEMDATA 0x0151
#define CB_FINDSTRINGEXACT 0x0158

class CComboBox : public CWnd {
    DECLARE_DYNAMIC(CComboBox)
public:
    CComboBox() = default;
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int GetCount() const;
    int GetCurSel() const;
    // -1 clears the selection (and answers CB_ERR); an index out of range answers CB_ERR.
    int SetCurSel(int nSelect);
    // Adds at the end, or at the sorted place under CBS_SORT; answers the index.
    int AddString(LPCTSTR lpszString);
    // Inserts at the index (-1: at the end) without sorting.
    int InsertString(int nIndex, LPCTSTR lpszString);
    int DeleteString(UINT nIndex);
    void ResetContent();
    int GetLBText(int nIndex, LPTSTR lpszText) const;
    void GetLBText(int nIndex, CString& rString) const;
    int GetLBTextLen(int nIndex) const;
    DWORD_PTR GetItemData(int nIndex) const;
    int SetItemData(int nIndex, DWORD_PTR dwItemData);
    void* GetItemDataPtr(int nIndex) const { return reinterpret_cast<void*>(GetItemData(nIndex)); }
    int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, reinterpret_cast<DWORD_PTR>(pData)); }
    // Whole text, case-insensitive, starting after nIndexStart (-1: from the top) and wrapping round.
    int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
    // The first entry that starts with the text (case-insensitive), searched the same way.
    int FindString(int nStartAfter, LPCTSTR lpszString) const;
    int SelectString(int nStartAfter, LPCTSTR lpszString);
    void ShowDropDown(BOOL bShowIt = TRUE);
    BOOL GetDroppedState() const;
    BOOL LimitText(int nMaxChars);
    DWORD GetEditSel() const;
    BOOL SetEditSel(int nStartChar, int nEndChar);

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "ComboBox"; }
};
