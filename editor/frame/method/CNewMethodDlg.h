#pragma once

// The method dialog 334: type, code, name, input and output data and description of a new or edited method of a
// method domain. The type decides which data the method carries; the data lists offer the data items of the data
// domains that the method domain uses. OK refuses an empty name, a code that is not one to four hexadecimal
// digits, and a code that another method of the domain uses. The dialog writes nothing: the caller formats the
// insert or edit from the members after OK, then calls DeleteOwnedItems.

#include <string>
#include <vector>

#include "CDialog.h"
#include "CString.h"
#include "class_domain_info.h"
#include "class_metadata_info.h"

class CComboBox;

class CNewMethodDlg : public CDialogEx {
public:
    enum { IDD = 334 };

    // The input or the output of the method.
    struct DataSide {
        int domainId = 0;       // the data domain's id: the edit caller's, then the last domain entry selected
        CString domainName;     // the caller's (edit); after OK the text of the domain list
        CString dataName;       // the caller's (edit); after OK the text of the data list, empty for none
        int isNull = 0;         // 1 when the side carries no data
        class_metadata_info* selected = nullptr;  // the selected data entry's record; one of m_vecOwnedData
        int listedDomainId = 0; // the domain whose data the data list holds
    };

    explicit CNewMethodDlg(CWnd* pParent = nullptr);

    // Set by the caller before the run; read back after OK.
    int m_nDomainId = 0;           // the method domain
    int m_nEditMode = 0;           // 0 new, 1 edit
    CString m_strType;
    CString m_strCode;             // hexadecimal digits without a prefix; upper case after OK
    CString m_strName;
    CString m_strDescription;
    std::string m_strPreviousName; // edit: the name before editing, so the code check leaves the method out
    DataSide m_input;
    DataSide m_output;

    std::vector<class_domain_info> m_vecDomains;         // the data domains the method domain uses
    std::vector<class_metadata_info> m_vecDataRows;      // scratch list of the last data load
    std::vector<class_metadata_info*> m_vecOwnedData;    // owned: the item data of every data entry ever listed

    // Deletes the records behind the data entries; the caller calls it after reading the members.
    void DeleteOwnedItems();

protected:
    BOOL OnInitDialog() override;
    afx_msg void OnTypeChanged();
    afx_msg void OnInputDomainChanged();
    afx_msg void OnOutputDomainChanged();
    afx_msg void OnInputDataChanged();
    afx_msg void OnOutputDataChanged();
    afx_msg void OnInputNull();
    afx_msg void OnOutputNull();
    afx_msg void OnAddInputData();
    afx_msg void OnAddOutputData();
    afx_msg void OnInputFields();
    afx_msg void OnOutputFields();
    afx_msg void OnInputConstants();
    afx_msg void OnOutputConstants();
    afx_msg void OnAddDataDomain();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    // The controls of one side.
    struct SideControls {
        UINT domainList, dataList, nullCheck, addData, fields, constants;
    };
    static const SideControls kInputControls;
    static const SideControls kOutputControls;

    CComboBox& Combo(UINT id);
    void FillDomainLists();
    // With `chooseFirst` an opened side gets its first domain and data chosen.
    void ApplyTypeRules(bool chooseFirst);
    // The side carries data (lists enabled, the first domain and the first of its data selected, Null unticked)
    // or none (lists disabled without a selection, Null ticked).
    void OpenSide(DataSide& side, const SideControls& controls, bool chooseFirst);
    void CloseSide(DataSide& side, const SideControls& controls, BOOL nullEnabled);
    void StartEditSide(DataSide& side, const SideControls& controls);
    void DomainChanged(DataSide& side, const SideControls& controls);
    void DataChanged(DataSide& side, const SideControls& controls);
    void ToggleNull(DataSide& side, const SideControls& controls);
    void AddData(DataSide& side, const SideControls& controls);
    void ShowDataButtons(const SideControls& controls, const class_metadata_info* data);
    void ShowFields(const DataSide& side);
    void ShowConstants(const DataSide& side);
    void ReadSide(DataSide& side, const SideControls& controls);
};
