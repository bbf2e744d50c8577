#pragma once

// The property grid: groups of rows with a name, a value, a description and item data. A row with options
// offers them in a list (AllowEdit(FALSE): only the list). When the user changes a value (an option as soon as
// it is picked, a typed value when it is entered) the grid sends its owner (the parent) the registered message
// AFX_WM_PROPERTY_CHANGED with the grid's id and the row (CMFCPropertyGridProperty*) in lParam; the owner may
// rebuild the grid while it handles it. The grid owns and deletes the properties it was given.

#include <vector>

#include "COleVariant.h"
#include "CWnd.h"

class CMFCPropertyGridCtrl;

extern const UINT AFX_WM_PROPERTY_CHANGED;

class CMFCPropertyGridProperty : public CObject {
    DECLARE_DYNAMIC(CMFCPropertyGridProperty)
public:
    // A group.
    explicit CMFCPropertyGridProperty(const CString& strGroupName, DWORD_PTR dwData = 0, BOOL bIsValueList = FALSE);
    // A row.
    CMFCPropertyGridProperty(const CString& strName, const COleVariant& varValue, LPCTSTR lpszDescr = nullptr,
                             DWORD_PTR dwData = 0, LPCTSTR lpszEditMask = nullptr, LPCTSTR lpszEditTemplate = nullptr,
                             LPCTSTR lpszValidChars = nullptr);
    ~CMFCPropertyGridProperty() override;  // deletes the sub-items
    CMFCPropertyGridProperty(const CMFCPropertyGridProperty&) = delete;
    CMFCPropertyGridProperty& operator=(const CMFCPropertyGridProperty&) = delete;

    BOOL AddSubItem(CMFCPropertyGridProperty* pProp);
    BOOL RemoveSubItem(CMFCPropertyGridProperty*& pProp, BOOL bDelete = TRUE);
    int GetSubItemsCount() const { return static_cast<int>(m_subItems.size()); }
    CMFCPropertyGridProperty* GetSubItem(int nIndex) const;
    CMFCPropertyGridProperty* GetParent() const { return m_pParent; }
    BOOL IsGroup() const { return m_bGroup; }

    BOOL AddOption(LPCTSTR lpszOption, BOOL bInsertUnique = TRUE);
    void RemoveAllOptions();
    int GetOptionCount() const { return static_cast<int>(m_options.size()); }
    LPCTSTR GetOption(int nIndex) const;
    void AllowEdit(BOOL bAllow = TRUE) { m_bAllowEdit = bAllow; }
    BOOL IsAllowEdit() const { return m_bAllowEdit; }

    const COleVariant& GetValue() const { return m_value; }
    const COleVariant& GetOriginalValue() const { return m_originalValue; }
    virtual void SetValue(const COleVariant& varValue);
    BOOL IsModified() const { return m_value != m_originalValue; }
    LPCTSTR GetName() const { return m_name; }
    void SetName(LPCTSTR lpszName, BOOL bRedraw = TRUE);
    LPCTSTR GetDescription() const { return m_description; }
    void SetDescription(const CString& strDescr) { m_description = strDescr; }
    DWORD_PTR GetData() const { return m_dwData; }
    void SetData(DWORD_PTR dwData) { m_dwData = dwData; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void Enable(BOOL bEnable = TRUE);
    BOOL IsExpanded() const { return m_bExpanded; }
    BOOL Expand(BOOL bExpand = TRUE);
    void Show(BOOL bShow = TRUE, BOOL bAdjustLayout = TRUE);
    BOOL IsVisible() const { return m_bVisible; }
    CMFCPropertyGridCtrl* GetOwnerList() const { return m_pWndList; }

private:
    friend class CMFCPropertyGridCtrl;
    void SetOwnerList(CMFCPropertyGridCtrl* pList);

    CString m_name;
    COleVariant m_value;
    COleVariant m_originalValue;
    CString m_description;
    DWORD_PTR m_dwData = 0;
    BOOL m_bGroup = FALSE;
    BOOL m_bAllowEdit = TRUE;
    BOOL m_bEnabled = TRUE;
    BOOL m_bExpanded = TRUE;
    BOOL m_bVisible = TRUE;
    std::vector<CString> m_options;
    std::vector<CMFCPropertyGridProperty*> m_subItems;  // owned
    CMFCPropertyGridProperty* m_pParent = nullptr;
    CMFCPropertyGridCtrl* m_pWndList = nullptr;
};

class CMFCPropertyGridCtrl : public CWnd {
    DECLARE_DYNAMIC(CMFCPropertyGridCtrl)
public:
    CMFCPropertyGridCtrl() = default;
    ~CMFCPropertyGridCtrl() override;

    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    int AddProperty(CMFCPropertyGridProperty* pProp, BOOL bRedraw = TRUE, BOOL bAdjustLayout = TRUE);
    BOOL DeleteProperty(CMFCPropertyGridProperty*& pProp, BOOL bRedraw = TRUE, BOOL bAdjustLayout = TRUE);
    void RemoveAll();
    int GetPropertyCount() const { return static_cast<int>(m_properties.size()); }
    CMFCPropertyGridProperty* GetProperty(int nIndex) const;
    CMFCPropertyGridProperty* FindItemByData(DWORD_PTR dwData, BOOL bSearchSubItems = TRUE) const;
    CMFCPropertyGridProperty* GetCurSel() const;
    void SetCurSel(CMFCPropertyGridProperty* pProp, BOOL bRedraw = TRUE);
    void ExpandAll(BOOL bExpand = TRUE);

    void EnableHeaderCtrl(BOOL bEnable = TRUE, LPCTSTR lpszLeftColumn = "Property", LPCTSTR lpszRightColumn = "Value");
    BOOL IsHeaderCtrl() const { return m_bHeaderCtrl; }
    void EnableDescriptionArea(BOOL bEnable = TRUE);
    BOOL IsDescriptionArea() const { return m_bDescriptionArea; }
    void SetVSDotNetLook(BOOL bSet = TRUE);
    BOOL IsVSDotNetLook() const { return m_bVSDotNetLook; }
    void MarkModifiedProperties(BOOL bMark = TRUE, BOOL bRedraw = TRUE);
    BOOL IsMarkModifiedProperties() const { return m_bMarkModified; }
    void SetAlphabeticMode(BOOL bSet = TRUE) { (void)bSet; }
    virtual void AdjustLayout();
    // The width of the name column: as wide as the widest name of a row.
    int GetLeftColumnWidth() const;

    // Called by a row whose value the user changed: sends AFX_WM_PROPERTY_CHANGED to the owner.
    virtual void OnPropertyChanged(CMFCPropertyGridProperty* pProp) const;

protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoPropertyGrid"; }

private:
    friend class CMFCPropertyGridProperty;
    void Rebuild();

    std::vector<CMFCPropertyGridProperty*> m_properties;  // owned
    BOOL m_bHeaderCtrl = TRUE;
    BOOL m_bDescriptionArea = FALSE;
    BOOL m_bVSDotNetLook = FALSE;
    BOOL m_bMarkModified = FALSE;
    CString m_leftColumn = "Property";
    CString m_rightColumn = "Value";
};
