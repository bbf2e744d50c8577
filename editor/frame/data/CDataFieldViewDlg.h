#pragma once

// The data field dialog 328 "데이타필드": lists the fields of one structure in their stored order and adds,
// changes, deletes and reorders them; every change goes to the server at once and the list is reloaded.

#include <vector>

#include "CButton.h"
#include "CComboBox.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_datafield_info.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

class CDataFieldViewDlg : public CDialogEx {
public:
    enum { IDD = 328 };

    explicit CDataFieldViewDlg(CWnd* pParent = nullptr);

    // Set by the caller.
    int m_nDomainId = 0;
    CString m_strStructName;

    // The inputs as last read.
    CString m_strName;
    CString m_strType;
    CString m_strRealDomain;
    CString m_strRealData;
    CString m_strMin;
    CString m_strMax;
    CString m_strArrayType;
    CString m_strArraySize;
    CString m_strBitSize;
    CString m_strDescription;
    CString m_strSelectedField;  // the name of the field last selected in the list
    int m_nRealDataId = 0;
    int m_nRealDomainId = 0;     // the real domain of the last real-data load

    std::vector<class_domain_info> m_vecRealDomains;
    std::vector<class_metadata_info> m_vecRealData;
    std::vector<class_datafield_info> m_vecFields;

    void LoadFieldList();
    void LoadRealDomainList();
    void LoadRealDataList();

    CListCtrl m_listFields;  // 1018

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnFieldSelected(NMHDR* pNMHDR, LRESULT* pResult);
    afx_msg void OnTypeChanged();
    afx_msg void OnRealDomainChanged();
    afx_msg void OnArrayTypeChanged();
    afx_msg void OnMoveUp();
    afx_msg void OnMoveDown();
    afx_msg void OnAddField();
    afx_msg void OnEditField();
    afx_msg void OnClearInputs();
    afx_msg void OnDeleteField();
    afx_msg void OnSearchDomain();
    DECLARE_MESSAGE_MAP()

private:
    void ReadInputs();
    // The real domain id that a field of the read type refers to: the chosen real domain for "alias", else 0.
    int RealDomainIdOfInputs() const;
    // False (after the message) when the alias would make the structure refer to itself.
    bool PassesAliasCycleCheck();
    // Shows why the name read from the inputs cannot be a field (a new one, or a rename of `standing`).
    bool RefusesName(const std::string& standing);
    int GetSelectedRow() const;
    void SelectRow(int row);
    // Swaps the selected field with the one in `neighbourRow`; 0, or -1 with the server's text.
    int SwapWithRow(int neighbourRow);
    // Selects the alias field's real data in 1014 by the name its row shows, else by the name the server holds
    // for the field now (another engineer renamed the real data since the list was read); says so when the
    // server has it no more.
    void SelectFieldRealData(const CString& realData);
    // False (after saying so) when the selected alias field lost its real data and none was chosen in its place.
    bool KeepsRealData();
    bool m_bRealDataGone = false;  // the selected field's real data was not found

    CButton m_buttonSearchDomain;  // 1059
    CEdit m_editArraySize;         // 1021
    CComboBox m_comboArrayType;    // 1024
    CComboBox m_comboType;         // 1011
    CComboBox m_comboRealDomain;   // 1013
    CComboBox m_comboRealData;     // 1014
};
