#pragma once

// The constant dialog 337 "상수 VIEW": the named constants of one enumeration, stored as its fields of type
// "const" with the value in the minimum. Adds, changes, deletes and reorders them; every change goes to the
// server at once and the list is reloaded. A value that the enumeration's type cannot hold (EnumConstantRules)
// is refused before anything is sent.

#include <vector>

#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_datafield_info.h"

class CConstViewDlg : public CDialogEx {
public:
    enum { IDD = 337 };

    explicit CConstViewDlg(CWnd* pParent = nullptr);

    // Set by the caller.
    int m_nDomainId = 0;
    CString m_strEnumName;

    CString m_strName;
    CString m_strValue;
    CString m_strDescription;
    CString m_strSelectedConstant;
    CString m_strEnumType;  // the enumeration's type keyword, read when the dialog opens
    std::vector<class_datafield_info> m_vecConstants;

    void LoadConstantList();

    CListCtrl m_listConstants;  // 1049

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnConstantSelected(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnAddConstant();
    afx_msg void OnEditConstant();
    afx_msg void OnDeleteConstant();
    afx_msg void OnClearInputs();
    DECLARE_MESSAGE_MAP()

private:
    void LoadEnumerationType();
    // Shows the refusal and answers false when the typed value does not fit the enumeration's type.
    bool ValueFits();
    // Shows why the name read from the inputs cannot be a constant (a new one, or a rename of `standing`).
    bool RefusesName(const std::string& standing);
    void ReadInputs();
    int GetSelectedRow() const;
    void SelectRow(int row);
    // Swaps the selected constant with the one in `neighbourRow` (the error is shown), reloads and selects
    // `neighbourRow`.
    void MoveToRow(int neighbourRow);
};
