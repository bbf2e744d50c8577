#include <QFileDialog>
#include <QFileInfo>
#include <cstring>

#include "CFileDialog.h"
#include "CWinApp.h"
#include "Modal.h"
#include "QtText.h"
#include "ShellApi.h"
#include "Utf8.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CFileDialog, CDialog)

namespace tamo::platform {

namespace {

// "Name(*.x)|*.x|All(*.*)|*.*||" as Qt's name filters: "Name(*.x) (*.x)".
QStringList NameFilters(const CString& filter) {
    QStringList parts = ToQ(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        if (parts[i].isEmpty()) break;
        QString patterns = parts[i + 1];
        patterns.replace(u';', u' ');
        filters << parts[i] + QStringLiteral(" (") + patterns + u')';
    }
    return filters;
}

QWidget* OwnerWidget(HWND owner) {
    WndImpl* impl = WndImpl::FromHandle(owner);
    return impl && impl->outer ? impl->outer->window() : nullptr;
}

}  // namespace

bool RunFileDialog(HWND owner, FileDialogCall& call) {
    EnsureApplication();
    if (ModalHooks* hooks = GetModalHooks()) {
        if (hooks->FileDialog(call)) return !call.answer.IsEmpty();
        hooks->Unanswered("no answer for the " + CString(call.open ? "open" : "save") + " dialog (" + call.filter +
                          ")");
        return false;
    }
    if (IsOffscreen()) {
        ReportUnanswered("file dialog " + call.filter);
        return false;
    }
    QFileDialog dialog(OwnerWidget(owner), ToQ(call.title));
    dialog.setAcceptMode(call.open ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialog.setFileMode(call.open ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !(call.flags & OFN_OVERWRITEPROMPT));
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    const QStringList filters = NameFilters(call.filter);
    if (!filters.isEmpty()) dialog.setNameFilters(filters);
    if (!call.defaultExtension.IsEmpty()) dialog.setDefaultSuffix(ToQ(call.defaultExtension));
    if (!call.initialFolder.IsEmpty()) dialog.setDirectory(ToQ(call.initialFolder));
    if (!call.initialName.IsEmpty()) dialog.selectFile(ToQ(call.initialName));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return false;
    call.answer = FromQ(dialog.selectedFiles().front());
    return true;
}

bool RunFolderDialog(HWND owner, FolderDialogCall& call) {
    EnsureApplication();
    if (ModalHooks* hooks = GetModalHooks()) {
        if (hooks->FolderDialog(call)) return !call.answer.IsEmpty();
        hooks->Unanswered("no answer for the folder browser \"" + call.title + "\"");
        return false;
    }
    if (IsOffscreen()) {
        ReportUnanswered("folder browser " + call.title);
        return false;
    }
    const QString folder =
        QFileDialog::getExistingDirectory(OwnerWidget(owner), ToQ(call.title), ToQ(call.initialFolder),
                                          QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty()) return false;
    call.answer = FromQ(folder);
    return true;
}

}  // namespace tamo::platform

CFileDialog::CFileDialog(BOOL bOpenFileDialog, LPCTSTR lpszDefExt, LPCTSTR lpszFileName, DWORD dwFlags,
                         LPCTSTR lpszFilter, CWnd* pParentWnd, DWORD, BOOL)
    : CDialog(0u, pParentWnd),
      m_bOpenFileDialog(bOpenFileDialog),
      m_strDefExt(lpszDefExt ? lpszDefExt : ""),
      m_strFileName(lpszFileName ? lpszFileName : ""),
      m_strFilter(lpszFilter ? lpszFilter : "") {
    m_ofn.lStructSize = sizeof(OPENFILENAME);
    m_ofn.Flags = dwFlags;
    m_ofn.lpstrFilter = m_strFilter;
    m_ofn.lpstrDefExt = lpszDefExt ? m_strDefExt.GetString() : nullptr;
    std::snprintf(m_szFile, sizeof m_szFile, "%s", m_strFileName.GetString());
    m_ofn.lpstrFile = m_szFile;
    m_ofn.nMaxFile = MAX_PATH;
    m_ofn.hwndOwner = pParentWnd ? pParentWnd->m_hWnd : nullptr;
}

INT_PTR CFileDialog::DoModal() {
    FileDialogCall call;
    call.open = m_bOpenFileDialog;
    call.title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle : "";
    call.filter = m_strFilter;
    call.initialName = m_ofn.lpstrFile ? m_ofn.lpstrFile : "";
    call.initialFolder = m_ofn.lpstrInitialDir ? m_ofn.lpstrInitialDir : "";
    call.defaultExtension = m_ofn.lpstrDefExt ? m_ofn.lpstrDefExt : "";
    call.flags = m_ofn.Flags;
    if (!RunFileDialog(m_ofn.hwndOwner, call)) return IDCANCEL;
    m_strPath = call.answer;
    // The caller's name buffer gets the path, cut to its size.
    if (m_ofn.lpstrFile && m_ofn.nMaxFile > 0) {
        const size_t length = Utf8PrefixLength(m_strPath.str(), m_ofn.nMaxFile - 1);
        std::memcpy(m_ofn.lpstrFile, m_strPath.GetString(), length);
        m_ofn.lpstrFile[length] = '\0';
    }
    return IDOK;
}

CString CFileDialog::GetPathName() const { return m_strPath; }

CString CFileDialog::GetFileName() const { return FromQ(QFileInfo(ToQ(m_strPath)).fileName()); }

CString CFileDialog::GetFileExt() const { return FromQ(QFileInfo(ToQ(m_strPath)).suffix()); }

CString CFileDialog::GetFileTitle() const { return FromQ(QFileInfo(ToQ(m_strPath)).completeBaseName()); }

CString CFileDialog::GetFolderPath() const { return FromQ(QFileInfo(ToQ(m_strPath)).absolutePath()); }

// The folder browser
namespace {

// The window that the browser's callback may send BFFM_SETSELECTION to.
class FolderBrowserWnd : public CWnd {
public:
    CString initialFolder;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == BFFM_SETSELECTION && wParam && lParam) {
            initialFolder = reinterpret_cast<LPCTSTR>(lParam);
            return TRUE;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

}  // namespace

LPITEMIDLIST SHBrowseForFolder(LPBROWSEINFO lpbi) {
    if (!lpbi) return nullptr;
    FolderDialogCall call;
    call.title = lpbi->lpszTitle ? lpbi->lpszTitle : "";
    call.flags = lpbi->ulFlags;
    if (lpbi->lpfn) {
        FolderBrowserWnd browser;
        browser.CreateEx(0, nullptr, call.title, WS_POPUP, 0, 0, 0, 0, lpbi->hwndOwner, nullptr);
        lpbi->lpfn(browser.m_hWnd, BFFM_INITIALIZED, 0, lpbi->lParam);
        call.initialFolder = browser.initialFolder;
        browser.DestroyWindow();
    }
    if (!RunFolderDialog(lpbi->hwndOwner, call)) return nullptr;
    if (lpbi->pszDisplayName) {
        const QString name = QFileInfo(ToQ(call.answer)).fileName();
        std::snprintf(lpbi->pszDisplayName, MAX_PATH, "%s", name.toUtf8().constData());
    }
    auto* path = new CString(call.answer);
    return reinterpret_cast<LPITEMIDLIST>(path);
}

BOOL SHGetPathFromIDList(PCIDLIST_ABSOLUTE pidl, LPTSTR pszPath) {
    if (!pidl || !pszPath) return FALSE;
    const auto* path = reinterpret_cast<const CString*>(pidl);
    const size_t length = Utf8PrefixLength(path->str(), MAX_PATH - 1);
    std::memcpy(pszPath, path->GetString(), length);
    pszPath[length] = '\0';
    return TRUE;
}

void CoTaskMemFree(void* pv) { delete static_cast<CString*>(pv); }
