#pragma once

// Open and save dialogs. Filters are given as the frame library writes them: "Name(*.x)|*.x|...|".
// OFN_OVERWRITEPROMPT asks before an existing file is replaced. When the caller points m_ofn.lpstrFile at
// a buffer of m_ofn.nMaxFile bytes, that buffer names the first file and receives the chosen path.

#include "CDialog.h"

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_EXPLORER 0x00080000
#define OFN_ENABLESIZING 0x00800000

struct OPENFILENAME {
    DWORD lStructSize;
    HWND hwndOwner;
    LPCTSTR lpstrFilter;
    LPTSTR lpstrCustomFilter;
    DWORD nMaxCustFilter;
    DWORD nFilterIndex;
    LPTSTR lpstrFile;
    DWORD nMaxFile;
    LPTSTR lpstrFileTitle;
    DWORD nMaxFileTitle;
    LPCTSTR lpstrInitialDir;
    LPCTSTR lpstrTitle;
    DWORD Flags;
    WORD nFileOffset;
    WORD nFileExtension;
    LPCTSTR lpstrDefExt;
};

class CFileDialog : public CDialog {
    DECLARE_DYNAMIC(CFileDialog)
public:
    explicit CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt = nullptr, LPCTSTR lpszFileName = nullptr,
                         DWORD dwFlags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, LPCTSTR lpszFilter = nullptr,
                         CWnd* pParentWnd = nullptr, DWORD dwSize = 0, BOOL bVistaStyle = TRUE);

    INT_PTR DoModal() override;
    CString GetPathName() const;
    CString GetFileName() const;
    CString GetFileExt() const;
    CString GetFileTitle() const;
    CString GetFolderPath() const;
    BOOL IsOpenDialog() const { return m_bOpenFileDialog; }
    CString GetFilter() const { return m_strFilter; }
    CString GetDefaultFileName() const { return m_strFileName; }

    OPENFILENAME m_ofn{};

private:
    BOOL m_bOpenFileDialog;
    CString m_strDefExt;
    CString m_strFileName;  // the initial name
    CString m_strFilter;    // as given, with "|"
    CString m_strPath;      // the result
    char m_szFile[MAX_PATH]{};
};
