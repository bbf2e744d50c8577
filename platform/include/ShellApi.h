#pragma once

// The shell: opening a file with its program, starting a program and waiting for it, and the folder
// browser. A Windows program path such as "tools\quorrin.exe" starts tools/quorrin below the working
// folder; parameters are split as the Windows command line splits them (double quotes group, \" is a quote).

#include "CString.h"
#include "WinDef.h"
#include "WinUser.h"

#define SEE_MASK_DEFAULT 0x00000000
#define SEE_MASK_NOCLOSEPROCESS 0x00000040
#define SEE_MASK_FLAG_NO_UI 0x00000400

struct SHELLEXECUTEINFO {
    DWORD cbSize;
    ULONG fMask;
    HWND hwnd;
    LPCTSTR lpVerb;
    LPCTSTR lpFile;
    LPCTSTR lpParameters;
    LPCTSTR lpDirectory;
    int nShow;
    HINSTANCE hInstApp;
    void* lpIDList;
    LPCTSTR lpClass;
    void* hkeyClass;
    DWORD dwHotKey;
    HANDLE hIcon;
    HANDLE hProcess;
};
typedef SHELLEXECUTEINFO* LPSHELLEXECUTEINFO;

#define SE_ERR_FNF 2
#define SE_ERR_NOASSOC 31

// Answers a value above 32 on success, as Windows does: SE_ERR_FNF when the file is not there, SE_ERR_NOASSOC
// when no program of the desktop takes it (a desktop without a program for the kind of file).
// The program that a Windows program path starts here, as this system names it: "tools\\tembrel.exe" is
// "tools/tembrel" (a relative path stays relative to the folder, or to the working folder without one). Messages
// name programs by it.
CString ShellProgramPath(LPCTSTR file, LPCTSTR directory = nullptr);

HINSTANCE ShellExecute(HWND hwnd, LPCTSTR lpOperation, LPCTSTR lpFile, LPCTSTR lpParameters, LPCTSTR lpDirectory,
                       int nShowCmd);
BOOL ShellExecuteEx(SHELLEXECUTEINFO* pExecInfo);

#define WAIT_OBJECT_0 0x00000000L
#define WAIT_TIMEOUT 0x00000102L
#define WAIT_FAILED 0xFFFFFFFFL
DWORD WaitForSingleObject(HANDLE hHandle, DWORD dwMilliseconds);
BOOL GetExitCodeProcess(HANDLE hProcess, DWORD* lpExitCode);
BOOL CloseHandle(HANDLE hObject);

// Folder browser
#define BIF_RETURNONLYFSDIRS 0x00000001
#define BIF_DONTGOBELOWDOMAIN 0x00000002
#define BIF_EDITBOX 0x00000010
#define BIF_NEWDIALOGSTYLE 0x00000040
#define BIF_USENEWUI (BIF_NEWDIALOGSTYLE | BIF_EDITBOX)
#define BFFM_INITIALIZED 1
#define BFFM_SELCHANGED 2
#define BFFM_SETSELECTION (WM_USER + 102)

struct _ITEMIDLIST;
typedef _ITEMIDLIST* LPITEMIDLIST;
typedef const _ITEMIDLIST* PCIDLIST_ABSOLUTE;
typedef int(CALLBACK* BFFCALLBACK)(HWND hwnd, UINT uMsg, LPARAM lParam, LPARAM lpData);

struct BROWSEINFO {
    HWND hwndOwner;
    PCIDLIST_ABSOLUTE pidlRoot;
    LPTSTR pszDisplayName;
    LPCTSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};
typedef BROWSEINFO* LPBROWSEINFO;

// Shows the folder browser; null when cancelled. The callback gets BFFM_INITIALIZED with a window to which
// it may send BFFM_SETSELECTION (wParam TRUE, lParam the path) to choose the starting folder.
LPITEMIDLIST SHBrowseForFolder(LPBROWSEINFO lpbi);
BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE pidl, LPTSTR pszPath);
void CoTaskMemFree(void* pv);
