#include "CLoginDlg.h"

#include "CDataExchange.h"
#include "CWinApp.h"
#include "LoginDialogIds.h"
#include "LoginSettingsFile.h"
#include "SessionMessageBox.h"

namespace {

enum : int { IDR_PROGRAM_ICON = 128 };

// The edit of each login field, in field order.
constexpr int FIELD_EDITS[LOGIN_FIELD_COUNT] = {IDC_SERVER_EDIT,  IDC_PORT_EDIT,        IDC_DB_NAME_EDIT,
                                                IDC_DB_ID_EDIT,   IDC_DB_PASSWORD_EDIT, IDC_USER_ID_EDIT,
                                                IDC_USER_PASSWORD_EDIT};

int ApplicationMessageBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

void ShowAll(const std::vector<CString>& messages) {
    for (const CString& message : messages) AfxMessageBox(message);
}

}  // namespace

BEGIN_MESSAGE_MAP(CLoginDlg, CDialogEx)
    ON_BN_CLICKED(IDC_DEFAULT_CONNECT, &CLoginDlg::OnDefaultConnect)
    ON_BN_CLICKED(IDOK, &CLoginDlg::OnConnect)
END_MESSAGE_MAP()

CLoginDlg::CLoginDlg(CWnd* pParent) : CDialogEx(IDD, pParent) {
    SetSessionMessageBoxHandler(ApplicationMessageBox);
    ShowAll(LoadLoginSettings(LOGIN_SETTINGS_FILE, *this));
}

BOOL CLoginDlg::OnInitDialog() {
    CDialogEx::OnInitDialog();
    if (CWinApp* app = AfxGetApp()) {
        HICON icon = app->LoadIcon(IDR_PROGRAM_ICON);
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
    for (int field = 0; field < LOGIN_FIELD_COUNT; ++field)
        SetDlgItemText(FIELD_EDITS[field], GetField(static_cast<LoginField>(field)));
    // The first showing ticks what the settings file remembered; every later one (a retry of the login loop,
    // whose edits hold the values just typed) shows the user's own last choice, so that a password is written
    // only where the user wanted it remembered.
    if (!m_bChoiceKnown) {
        CString text;
        GetDlgItemText(IDC_DB_ID_EDIT, text);
        m_bRememberDbAccount = text.IsEmpty() ? 0 : 1;
        GetDlgItemText(IDC_USER_ID_EDIT, text);
        m_bRememberUserAccount = text.IsEmpty() ? 0 : 1;
        m_bChoiceKnown = true;
    }
    UpdateData(FALSE);
    return TRUE;
}

void CLoginDlg::DoDataExchange(CDataExchange* pDX) {
    CDialogEx::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_REMEMBER_DB_CHECK, m_bRememberDbAccount);
    DDX_Check(pDX, IDC_REMEMBER_USER_CHECK, m_bRememberUserAccount);
}

void CLoginDlg::OnDefaultConnect() {
    SetDlgItemText(IDC_SERVER_EDIT, "127.0.0.1");
    SetDlgItemText(IDC_PORT_EDIT, "3306");
    SetDlgItemText(IDC_USER_ID_EDIT, "anonymous");
    SetDlgItemText(IDC_USER_PASSWORD_EDIT, "");
}

void CLoginDlg::OnConnect() {
    for (int field = 0; field < LOGIN_FIELD_COUNT; ++field) {
        CString text;
        GetDlgItemText(FIELD_EDITS[field], text);
        SetField(static_cast<LoginField>(field), text.str());
    }
    UpdateData(TRUE);
    ShowAll(StoreLoginSettings(LOGIN_SETTINGS_FILE, *this, m_bRememberDbAccount != 0, m_bRememberUserAccount != 0));
    EndDialog(IDOK);
}
