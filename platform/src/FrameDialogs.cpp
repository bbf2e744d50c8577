#include <QListWidget>
#include <QMainWindow>
#include <QToolBar>

#include "CListBox.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMFCToolBar.h"
#include "CMFCToolBarsCustomizeDialog.h"
#include "Controls.h"
#include "FrameImpls.h"
#include "PaneImpls.h"
#include "QtText.h"
#include "ResourceTable.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CMFCToolBarsCustomizeDialog, CDialog)
IMPLEMENT_DYNAMIC(CMFCWindowsManagerDialog, CDialog)

namespace {

// The frame library's own dialogs have templates of their own, above the ids the program uses.
constexpr UINT kCustomizeDialog = 0xF200;
constexpr UINT kWindowsDialog = 0xF201;
constexpr int kList = 1000;
constexpr int kFirstButton = 1001;
constexpr int kSecondButton = 1002;

DialogControlTemplate Control(const char* className, const char* text, int id, DWORD style, int x, int y, int cx,
                              int cy) {
    DialogControlTemplate control;
    control.className = className;
    control.text = text;
    control.id = id;
    control.style = WS_CHILD | WS_VISIBLE | style;
    control.x = x, control.y = y, control.cx = cx, control.cy = cy;
    return control;
}

void RegisterTemplate(UINT id, const char* caption, const char* first, const char* second) {
    if (ResourceTable::Instance().FindDialog(id)) return;
    DialogTemplate dialog;
    dialog.id = id;
    dialog.caption = caption;
    dialog.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    dialog.cx = 220, dialog.cy = 140;
    dialog.fontFace = "굴림";
    dialog.fontPointSize = 9;
    dialog.controls.push_back(
        Control("ListBox", "", kList, LBS_NOTIFY | WS_BORDER | WS_VSCROLL | WS_TABSTOP, 7, 7, 140, 126));
    dialog.controls.push_back(Control("Button", first, kFirstButton, BS_PUSHBUTTON | WS_TABSTOP, 155, 7, 58, 14));
    if (second)
        dialog.controls.push_back(
            Control("Button", second, kSecondButton, BS_PUSHBUTTON | WS_TABSTOP, 155, 25, 58, 14));
    dialog.controls.push_back(Control("Button", "닫기", IDCANCEL, BS_PUSHBUTTON | WS_TABSTOP, 155, 119, 58, 14));
    ResourceTable::Instance().AddDialog(dialog);
}

CListBox* ListOf(CDialog* dialog) { return dynamic_cast<CListBox*>(dialog->GetDlgItem(kList)); }

}  // namespace

BEGIN_MESSAGE_MAP(CMFCToolBarsCustomizeDialog, CDialog)
    ON_BN_CLICKED(kFirstButton, &CMFCToolBarsCustomizeDialog::OnToolbarToggled)
END_MESSAGE_MAP()

CMFCToolBarsCustomizeDialog::CMFCToolBarsCustomizeDialog(CFrameWnd* pWndParentFrame, BOOL, UINT uiFlags, void*)
    : CDialog(kCustomizeDialog, pWndParentFrame), m_pParentFrame(pWndParentFrame), m_uiFlags(uiFlags) {}

BOOL CMFCToolBarsCustomizeDialog::Create() {
    RegisterTemplate(kCustomizeDialog, "사용자 지정", "표시/숨기기", nullptr);
    if (!CDialog::Create(kCustomizeDialog, m_pParentFrame)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CMFCToolBarsCustomizeDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    CListBox* list = ListOf(this);
    WndImpl* frame = ImplOf(m_pParentFrame);
    if (!list || !frame) return TRUE;
    for (WndImpl* child : frame->children)
        if (auto* bar = dynamic_cast<ToolBarImpl*>(child);
            bar && bar->inFrame && !dynamic_cast<CMFCMenuBar*>(child->owner) &&
            (!dynamic_cast<CMFCToolBar*>(child->owner) ||
             dynamic_cast<CMFCToolBar*>(child->owner)->AllowShowOnList())) {
            const int index = list->AddString(child->GetText().IsEmpty() ? CString("도구 모음") : child->GetText());
            list->SetItemData(index, reinterpret_cast<DWORD_PTR>(child->Handle()));
        }
    return TRUE;
}

void CMFCToolBarsCustomizeDialog::OnToolbarToggled() {
    CListBox* list = ListOf(this);
    const int selected = list ? list->GetCurSel() : LB_ERR;
    if (selected == LB_ERR) return;
    if (CWnd* bar = CWnd::FromHandle(reinterpret_cast<HWND>(list->GetItemData(selected))))
        bar->ShowWindow((bar->GetStyle() & WS_VISIBLE) ? SW_HIDE : SW_SHOW);
}

void CMFCToolBarsCustomizeDialog::OnOK() { DestroyWindow(); }
void CMFCToolBarsCustomizeDialog::OnCancel() { DestroyWindow(); }
void CMFCToolBarsCustomizeDialog::PostNcDestroy() { delete this; }

BEGIN_MESSAGE_MAP(CMFCWindowsManagerDialog, CDialog)
    ON_BN_CLICKED(kFirstButton, &CMFCWindowsManagerDialog::OnActivateWindow)
    ON_BN_CLICKED(kSecondButton, &CMFCWindowsManagerDialog::OnCloseWindow)
    ON_LBN_DBLCLK(kList, &CMFCWindowsManagerDialog::OnActivateWindow)
END_MESSAGE_MAP()

CMFCWindowsManagerDialog::CMFCWindowsManagerDialog(CMDIFrameWnd* pMDIFrame, BOOL)
    : CDialog(kWindowsDialog, pMDIFrame), m_pMDIFrame(pMDIFrame) {}

BOOL CMFCWindowsManagerDialog::Create() {
    RegisterTemplate(kWindowsDialog, "창", "활성화", "창 닫기");
    if (!CDialog::Create(kWindowsDialog, m_pMDIFrame)) return FALSE;
    ShowWindow(SW_SHOW);
    return TRUE;
}

BOOL CMFCWindowsManagerDialog::OnInitDialog() {
    CDialog::OnInitDialog();
    FillList();
    return TRUE;
}

void CMFCWindowsManagerDialog::FillList() {
    CListBox* list = ListOf(this);
    if (!list || !m_pMDIFrame) return;
    list->ResetContent();
    CWnd* client = CWnd::FromHandle(m_pMDIFrame->m_hWndMDIClient);
    for (CWnd* child = client ? client->GetWindow(GW_CHILD) : nullptr; child; child = child->GetWindow(GW_HWNDNEXT)) {
        CString title;
        child->GetWindowText(title);
        const int index = list->AddString(title);
        list->SetItemData(index, reinterpret_cast<DWORD_PTR>(child->m_hWnd));
    }
}

void CMFCWindowsManagerDialog::OnActivateWindow() {
    CListBox* list = ListOf(this);
    const int selected = list ? list->GetCurSel() : LB_ERR;
    if (selected == LB_ERR || !m_pMDIFrame) return;
    m_pMDIFrame->MDIActivate(CWnd::FromHandle(reinterpret_cast<HWND>(list->GetItemData(selected))));
}

void CMFCWindowsManagerDialog::OnCloseWindow() {
    CListBox* list = ListOf(this);
    const int selected = list ? list->GetCurSel() : LB_ERR;
    if (selected == LB_ERR) return;
    if (CWnd* child = CWnd::FromHandle(reinterpret_cast<HWND>(list->GetItemData(selected))))
        child->SendMessage(WM_CLOSE);
    FillList();
}

void CMFCWindowsManagerDialog::OnCancel() { DestroyWindow(); }
void CMFCWindowsManagerDialog::PostNcDestroy() { delete this; }
