#pragma once

// The class dialog 367 "Component Class 관리": binds an interface of a method domain to a component as a proxy
// or stub class and names its object. Three modes:
// - new class (neither flag set): every OK ("입력") inserts one class with its object and lists it, newest
//   first; the dialog stays open until "종료";
// - edit class (m_bEditClassMode): the caller presets the class; OK returns the new binding and name;
// - object (m_bObjectMode): the class is fixed and only the object name is entered; an existing object is
//   edited when the caller presets its name.
// Classes and objects that a locked parent system uses are shown read-only.

#include <string>
#include <vector>

#include "CComboBox.h"
#include "CDialog.h"
#include "CListCtrl.h"
#include "CString.h"
#include "class_domain_info.h"
#include "class_interface_info.h"

class CNewComponentInterfaceDlg : public CDialogEx {
public:
    enum { IDD = 367 };

    explicit CNewComponentInterfaceDlg(CWnd* pParent = nullptr);

    // Set by the caller; the names and the method domain id are read back after OK.
    BOOL m_bObjectMode = FALSE;
    BOOL m_bEditClassMode = FALSE;
    int m_nId = 0;               // the class id (edit class, objects): the argument of the lock checks
    int m_nComponentId = 0;
    int m_nSystemDomainId = 0;   // the component's system domain (new classes)
    int m_nMethodDomainId = 0;   // the item data of the chosen method domain
    CString m_strKind;           // "proxy" or "stub"
    CString m_strMethodDomainName;
    CString m_strInterfaceName;
    CString m_strClassName;
    CString m_strObjectName;
    CString m_strInitialObjectName;  // the object name at opening in object mode: an existing object

    std::vector<class_domain_info> m_vecMethodDomains;  // chosen with "검색"
    std::vector<class_interface_info> m_vecInterfaces;  // of the selected method domain
    std::vector<std::string> m_vecClassNames;           // the component's class names for the interface
    std::vector<std::string> m_vecEnteredObjects;       // one line per class entered in this showing

    // Fills the interface box from the selected method domain.
    void LoadInterfaces();
    // Fills the class box from the selected interface and offers the default class and object names.
    void LoadClassNames();

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnDomainChanged();
    afx_msg void OnInterfaceChanged();
    afx_msg void OnBnClickedSearch();
    afx_msg void OnBnClickedNewInterface();
    afx_msg void OnBnClickedOk();
    DECLARE_MESSAGE_MAP()

private:
    bool IsNewClassMode() const { return !m_bObjectMode && !m_bEditClassMode; }
    void DisableClassChoice();
    void OfferDefaultNames(const CString& interfaceName);
    void LockClassIfUsed();
    void LockObjectIfUsed();
    void InsertClass();

    CComboBox m_comboDomain;     // 1078
    CComboBox m_comboInterface;  // 1079
    CComboBox m_comboClass;      // 1209
    CListCtrl m_listObjects;     // 1225
};
