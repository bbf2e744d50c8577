#pragma once

// The source code dialog 363 "SourceCodeView": writes the proxy or stub class files of one interface into a
// folder (single mode), or, for a component, the files of all its proxy and stub classes below Proxy/ and Stub/
// of the component's folder and the headers of the method and data domains they use (component mode).

#include "CButton.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CString.h"
#include "SourceGeneration.h"

class CSourceCodeDlg : public CDialog {
public:
    enum { IDD = 363 };

    explicit CSourceCodeDlg(CWnd* pParent = nullptr);

    int m_nMethodDomainId = 0;
    int m_nComponentId = 0;  // not 0: component mode
    CString m_strMethodDomainName;
    CString m_strInterfaceName;
    CString m_strComponentName;
    CString m_strSide = "Proxy";
    CString m_strClassName;  // set by the caller: side and class name are fixed
    CString m_strOutputPath;
    CString m_strBasePath;
    InterfaceInfoMap m_mapMemberMethods;
    DomainIdMap m_mapMethodDomains;
    DomainIdMap m_mapDataDomains;

    // 0 when the side, class name and path are usable; -1 after showing what is missing.
    int ValidateInput();
    // The folders of the path are created; 1, or -1 for an empty path or a folder that could not be created.
    int MakeDirectoryPath(const CString& path);

protected:
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnInitDialog() override;
    afx_msg void OnBrowsePath();
    afx_msg void OnGenerate();
    DECLARE_MESSAGE_MAP()

    void GenerateSources();
    void GenerateProxyClasses();
    void GenerateStubClasses();
    void WriteMethodHeaders();
    void AddAliasDomains();
    void WriteDataHeaders();

    CEdit m_editClassName;
    CEdit m_editOutputPath;
};
