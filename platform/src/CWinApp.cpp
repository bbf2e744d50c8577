#include <QApplication>
#include <QGridLayout>
#include <QMessageBox>
#include <QSpacerItem>
#include <QPushButton>
#include <QTimer>
#include <cstdio>

#include "CContextMenuManager.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CFileDialog.h"
#include "CFrameWnd.h"
#include "CMFCToolBar.h"
#include "CToolTipCtrl.h"
#include "CWinApp.h"
#include "GdiImpl.h"
#include "ListPosition.h"
#include "MessageBoxes.h"
#include "Modal.h"
#include "QtText.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)
IMPLEMENT_DYNAMIC(CWinApp, CWinThread)
IMPLEMENT_DYNAMIC(CWinAppEx, CWinApp)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND(ID_APP_EXIT, &CWinApp::OnAppExit)
    ON_COMMAND(ID_FILE_NEW, &CWinApp::OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, &CWinApp::OnFileOpen)
    ON_COMMAND(ID_FILE_PRINT_SETUP, &CWinApp::OnFilePrintSetup)
END_MESSAGE_MAP()

namespace {

CWinApp* g_application = nullptr;
ModalHooks* g_hooks = nullptr;
int g_quitCode = 0;
bool g_quitRequested = false;

}  // namespace

namespace tamo::platform {

// The width a title bar needs beside its caption: the window's icon and its three buttons with their margins.
constexpr int kTitleBarRoom = 120;

ModalHooks* GetModalHooks() { return g_hooks; }
void SetModalHooks(ModalHooks* hooks) { g_hooks = hooks; }

void ReportUnanswered(const CString& what) {
    if (g_hooks) {
        g_hooks->Unanswered(what);
        return;
    }
    std::fprintf(stderr, "unanswered on the offscreen platform: %s\n", what.GetString());
}

MessageBoxWidget BuildMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) {
    MessageBoxWidget shown;
    shown.box = std::make_unique<QMessageBox>(QApplication::activeWindow());
    QMessageBox& box = *shown.box;
    if (WndImpl* impl = WndImpl::FromHandle(owner); impl && impl->outer)
        box.setParent(impl->outer->window(), Qt::Dialog);
    box.setWindowTitle(ToQ(caption));
    box.setText(ToQ(text));
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
        box.setIcon(QMessageBox::Critical);
        break;
    case MB_ICONQUESTION:
        box.setIcon(QMessageBox::Question);
        break;
    case MB_ICONEXCLAMATION:
        box.setIcon(QMessageBox::Warning);
        break;
    case MB_ICONASTERISK:
        box.setIcon(QMessageBox::Information);
        break;
    default:
        break;
    }
    struct Choice {
        int id;
        const char* text;
    };
    std::vector<Choice> choices;
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
        choices = {{IDOK, "확인"}, {IDCANCEL, "취소"}};
        break;
    case MB_ABORTRETRYIGNORE:
        choices = {{IDABORT, "중단"}, {IDRETRY, "다시 시도"}, {IDIGNORE, "무시"}};
        break;
    case MB_YESNOCANCEL:
        choices = {{IDYES, "예"}, {IDNO, "아니요"}, {IDCANCEL, "취소"}};
        break;
    case MB_YESNO:
        choices = {{IDYES, "예"}, {IDNO, "아니요"}};
        break;
    case MB_RETRYCANCEL:
        choices = {{IDRETRY, "다시 시도"}, {IDCANCEL, "취소"}};
        break;
    default:
        choices = {{IDOK, "확인"}};
        break;
    }
    for (const Choice& choice : choices) {
        const auto role =
            choice.id == IDCANCEL || choice.id == IDNO ? QMessageBox::RejectRole : QMessageBox::AcceptRole;
        shown.answers.emplace_back(box.addButton(QString::fromUtf8(choice.text), role), choice.id);
    }
    const size_t defaultIndex = (type & MB_DEFBUTTON3) ? 2 : (type & MB_DEFBUTTON2) ? 1 : 0;
    if (defaultIndex < shown.answers.size())
        box.setDefaultButton(static_cast<QPushButton*>(shown.answers[defaultIndex].first));
    // Qt leaves only a little room beside the caption; a title bar also holds the window's icon and its buttons,
    // which window managers draw in a bold font of their own. The box is made wide enough for all of them.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
        titleFont.setBold(true);
        const int needed = QFontMetrics(titleFont).horizontalAdvance(box.windowTitle()) + kTitleBarRoom;
        grid->addItem(new QSpacerItem(needed, 0, QSizePolicy::Minimum, QSizePolicy::Fixed), grid->rowCount(), 0, 1,
                      grid->columnCount());
    }
    return shown;
}

int RunMessageBox(HWND owner, const CString& text, const CString& caption, UINT type) {
    EnsureApplication();
    const UINT buttons = type & MB_TYPEMASK;
    const int fallback = buttons == MB_OK ? IDOK : buttons == MB_YESNO ? IDNO : IDCANCEL;
    if (g_hooks) {
        MessageBoxCall call{text, caption, type, owner, 0};
        if (!g_hooks->MessageBox(call)) {
            g_hooks->Unanswered("no answer for the message box \"" + text + "\" (" + caption + ")");
            return fallback;
        }
        return call.answer;
    }
    if (IsOffscreen()) {
        ReportUnanswered("message box \"" + text + "\" (" + caption + ")");
        return fallback;
    }
    MessageBoxWidget shown = BuildMessageBox(owner, text, caption, type);
    shown.box->exec();
    for (const auto& [button, id] : shown.answers)
        if (shown.box->clickedButton() == button) return id;
    return fallback;
}

}  // namespace tamo::platform

int AfxMessageBox(LPCTSTR lpszText, UINT nType, UINT) {
    return RunMessageBox(nullptr, lpszText ? lpszText : "", AfxGetAppName(), nType);
}

int AfxMessageBox(UINT nIDPrompt, UINT nType, UINT) {
    CString text;
    text.LoadString(nIDPrompt);
    return AfxMessageBox(text, nType);
}

int MessageBox(HWND hWnd, LPCTSTR lpText, LPCTSTR lpCaption, UINT uType) {
    return RunMessageBox(hWnd, lpText ? lpText : "", lpCaption ? lpCaption : "오류", uType);
}

void PostQuitMessage(int nExitCode) {
    g_quitCode = nExitCode;
    g_quitRequested = true;
    if (QCoreApplication::instance()) QCoreApplication::exit(nExitCode);
}

// Application
void CCommandLineInfo::ParseParam(LPCTSTR pszParam, BOOL bFlag, BOOL) {
    if (!bFlag && m_strFileName.IsEmpty()) {
        m_strFileName = pszParam;
        m_nShellCommand = FileOpen;
    }
}

int CWinThread::ExitInstance() { return g_quitCode; }

int CWinThread::Run() {
    if (!g_quitRequested && QCoreApplication::instance()) QCoreApplication::exec();
    return ExitInstance();
}

CWinApp::CWinApp(LPCTSTR lpszAppName) {
    g_application = this;
    if (lpszAppName) {
        m_appName = lpszAppName;
        m_pszAppName = m_appName;
    }
}

CWinApp::~CWinApp() {
    for (CDocTemplate* docTemplate : m_templates) delete docTemplate;
    if (g_application == this) g_application = nullptr;
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance() { return CWinThread::ExitInstance(); }

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) {
    if (pTemplate) m_templates.push_back(pTemplate);
}

POSITION CWinApp::GetFirstDocTemplatePosition() const { return FirstPositionOf(m_templates); }

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const { return NextAt(m_templates, pos); }

void CWinApp::CloseAllDocuments(BOOL bEndSession) {
    for (CDocTemplate* docTemplate : m_templates) docTemplate->CloseAllDocuments(bEndSession);
}

HICON CWinApp::LoadIcon(UINT nIDResource) const { return LoadResourceIcon(nIDResource); }
HICON CWinApp::LoadStandardIcon(LPCTSTR) const { return nullptr; }
HCURSOR CWinApp::LoadStandardCursor(LPCTSTR) const { return nullptr; }

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey) { m_pszRegistryKey = lpszRegistryKey; }
void CWinApp::LoadStdProfileSettings(UINT) {}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo) {
    const QStringList arguments = QCoreApplication::instance() ? QCoreApplication::arguments() : QStringList();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString argument = arguments[i];
        const bool flag = argument.startsWith(u'-') || argument.startsWith(u'/');
        if (flag) argument.remove(0, 1);
        rCmdInfo.ParseParam(FromQ(argument), flag, i + 1 == arguments.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo&) { return TRUE; }

void CWinApp::SetAppID(LPCTSTR lpcszAppID) { m_appID = lpcszAppID ? lpcszAppID : ""; }

void CWinApp::EnableTaskbarInteraction(BOOL) {}

void CWinApp::OnAppExit() {
    if (m_pMainWnd && m_pMainWnd->m_hWnd) m_pMainWnd->SendMessage(WM_CLOSE);
}

void CWinApp::OnFileNew() {
    if (m_templates.empty()) return;
    m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen() {
    if (m_templates.empty()) return;
    CFileDialog dialog(TRUE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_FILEMUSTEXIST, "All Files (*.*)|*.*||");
    if (dialog.DoModal() == IDOK) m_templates.front()->OpenDocumentFile(dialog.GetPathName());
}

// There are no printers to set up here.
void CWinApp::OnFilePrintSetup() {}

CWinAppEx::CWinAppEx(BOOL bResourceSmartUpdate) : m_bResourceSmartUpdate(bResourceSmartUpdate) {}

CWinAppEx::~CWinAppEx() {
    if (afxContextMenuManager) {
        delete afxContextMenuManager;
        afxContextMenuManager = nullptr;
    }
}

BOOL CWinAppEx::InitContextMenuManager() {
    if (!afxContextMenuManager) afxContextMenuManager = new CContextMenuManager;
    return TRUE;
}

BOOL CWinAppEx::InitKeyboardManager() { return TRUE; }
BOOL CWinAppEx::InitTooltipManager() { return TRUE; }

CContextMenuManager* CWinAppEx::GetContextMenuManager() {
    InitContextMenuManager();
    return afxContextMenuManager;
}

CKeyboardManager* CWinAppEx::GetKeyboardManager() {
    static CKeyboardManager manager;
    return &manager;
}

CTooltipManager* CWinAppEx::GetTooltipManager() {
    static CTooltipManager manager;
    return &manager;
}

BOOL CWinAppEx::CleanState(LPCTSTR) { return TRUE; }

void CTooltipManager::SetTooltipParams(UINT, CRuntimeClass*, CMFCToolTipInfo*) {}

CWinApp* AfxGetApp() {
    // A program (or test) without an application object of its own gets a plain one, as there always is one.
    if (!g_application) {
        static CWinApp* standIn = new CWinApp;
        g_application = standIn;
    }
    return g_application;
}

CWinThread* AfxGetThread() { return AfxGetApp(); }

LPCTSTR AfxGetAppName() {
    static CString name;
    CWinApp* app = AfxGetApp();
    if (app && app->m_pszAppName) return app->m_pszAppName;
    if (!name.LoadString(AFX_IDS_APP_TITLE)) name = "TamoZELK_MDI";
    return name;
}

HINSTANCE AfxGetInstanceHandle() { return nullptr; }
HINSTANCE AfxGetResourceHandle() { return nullptr; }

BOOL InitCommonControlsEx(const INITCOMMONCONTROLSEX*) { return TRUE; }
BOOL AfxOleInit() { return TRUE; }
void AfxOleTerm(BOOL) {}
void AfxEnableControlContainer() {}
BOOL AfxInitRichEdit2() { return TRUE; }

int AfxWinMain(int argc, char** argv) {
    std::unique_ptr<QApplication> owned;
    if (!QCoreApplication::instance()) {
        owned = std::make_unique<QApplication>(argc, argv);
        QApplication::setFont(QFont(QStringLiteral("NanumGothic"), 9));
        QApplication::setQuitOnLastWindowClosed(false);
    }
    if (!g_application) return 1;  // the program defines no application
    CWinApp* app = g_application;
    g_quitRequested = false;
    g_quitCode = 0;
    if (!app->InitApplication() || !app->InitInstance()) {
        const int code = app->ExitInstance();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return code;
    }
    // The toolbars' update handlers run while the program is idle.
    QTimer idle;
    QObject::connect(&idle, &QTimer::timeout, [] {
        if (auto* frame = dynamic_cast<CFrameWnd*>(AfxGetMainWnd())) frame->UpdateCommandUI();
    });
    idle.start(250);
    const int code = app->Run();
    idle.stop();
    if (CWnd* main = AfxGetMainWnd(); main && main->m_hWnd) main->DestroyWindow();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return code;
}
