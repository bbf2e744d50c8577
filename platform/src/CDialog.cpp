#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QPaintEvent>
#include <cstdio>

#include "CButton.h"
#include "CComboBox.h"
#include "CDataExchange.h"
#include "CDialog.h"
#include "CEdit.h"
#include "CIPAddressCtrl.h"
#include "CListBox.h"
#include "CListCtrl.h"
#include "CStatic.h"
#include "CTreeCtrl.h"
#include "CWinApp.h"
#include "Controls.h"
#include "DialogImpl.h"
#include "GdiImpl.h"
#include "Modal.h"
#include "QtText.h"
#include "ResourceTable.h"
#include "WndWidget.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CDialog, CWnd)
IMPLEMENT_DYNAMIC(CDialogEx, CDialog)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
    ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
    ON_COMMAND(IDOK, &CDialog::OnOK)
    ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CDialogEx, CDialog)
END_MESSAGE_MAP()

namespace tamo::platform {

namespace {

class DialogWidget : public QDialog {
public:
    DialogWidget(WndImpl* impl, QWidget* parent, Qt::WindowFlags flags) : QDialog(parent, flags), m_impl(impl) {}
    void Forget() { m_impl = nullptr; }

protected:
    void paintEvent(QPaintEvent* event) override {
        if (!m_impl || !PaintWindow(m_impl, this, event->rect())) QDialog::paintEvent(event);
    }

private:
    WndImpl* m_impl;
};

// The object that stands for a control of a template until the program binds its own (DDX_Control).
std::unique_ptr<CWnd> DefaultWrapper(const CString& className, DWORD style) {
    if (className.CompareNoCase("Edit") == 0) return std::make_unique<CEdit>();
    if (className.CompareNoCase("Button") == 0) return std::make_unique<CButton>();
    if (className.CompareNoCase("Static") == 0) return std::make_unique<CStatic>();
    if (className.CompareNoCase("ComboBox") == 0) return std::make_unique<CComboBox>();
    if (className.CompareNoCase("ListBox") == 0) return std::make_unique<CListBox>();
    if (className.CompareNoCase("SysListView32") == 0) return std::make_unique<CListCtrl>();
    if (className.CompareNoCase("SysTreeView32") == 0) return std::make_unique<CTreeCtrl>();
    if (className.CompareNoCase("SysIPAddress32") == 0) return std::make_unique<CIPAddressCtrl>();
    (void)style;
    return std::make_unique<CWnd>();
}

}  // namespace

QFont TemplateFont(const DialogTemplate& dialogTemplate) {
    QFont font(InstalledFace(dialogTemplate.fontFace.IsEmpty() ? ToQ("MS Shell Dlg") : ToQ(dialogTemplate.fontFace)));
    font.setPointSize(dialogTemplate.fontPointSize > 0 ? dialogTemplate.fontPointSize : 8);
    return font;
}

void DialogImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    if (cs.style & WS_CHILD) {
        WndImpl::Build(cs, parentArea);
        outer->setAutoFillBackground(false);
        return;
    }
    Qt::WindowFlags flags = Qt::Dialog | Qt::CustomizeWindowHint;
    if (cs.style & WS_CAPTION)
        flags |= Qt::WindowTitleHint;
    else
        flags |= Qt::FramelessWindowHint;
    if (cs.style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    auto* dialog = new DialogWidget(this, parentArea, flags);
    dialog->setSizeGripEnabled(false);
    outer = client = dialog;
}

LRESULT DialogImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        // The close box means Cancel.
        CWnd* cancel = owner ? owner->GetDlgItem(IDCANCEL) : nullptr;
        if (owner)
            owner->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED),
                               reinterpret_cast<LPARAM>(cancel ? cancel->m_hWnd : nullptr));
        return 0;
    }
    return WndImpl::DefaultHandling(message, wParam, lParam);
}

void DialogImpl::PressKey(bool enter) {
    if (!owner) return;
    UINT id = IDCANCEL;
    if (enter) {
        auto* dialog = dynamic_cast<CDialog*>(owner);
        id = dialog && dialog->GetDefID() ? dialog->GetDefID() : IDOK;
        // A focused push button takes Enter for itself.
        if (CWnd* focus = CWnd::GetFocus(); focus && focus->GetParent() == owner)
            if (auto* button = ImplAs<ButtonImpl>(focus);
                button && button->button && (button->Type() == BS_PUSHBUTTON || button->Type() == BS_DEFPUSHBUTTON))
                id = button->id;
    }
    CWnd* control = owner->GetDlgItem(static_cast<int>(id));
    if (control && !control->IsWindowEnabled()) return;
    owner->SendMessage(WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                       reinterpret_cast<LPARAM>(control ? control->m_hWnd : nullptr));
}

bool DialogImpl::eventFilter(QObject* watched, QEvent* event) {
    if (!dead && owner && watched == outer && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
            PressKey(key != Qt::Key_Escape);
            return true;
        }
    }
    return WndImpl::eventFilter(watched, event);
}

void BuildDialogControls(CWnd* dialog, const DialogTemplate& dialogTemplate) {
    auto* impl = ImplAs<DialogImpl>(dialog);
    if (!impl) return;
    const QFont font = TemplateFont(dialogTemplate);
    impl->ApplyFont(font);
    impl->baseUnits = DialogBaseUnits(font);
    const QSize units = impl->baseUnits;
    const auto px = [&units](int value, bool horizontal) {
        return horizontal ? value * units.width() / 4 : value * units.height() / 8;
    };
    for (const DialogControlTemplate& control : dialogTemplate.controls) {
        std::unique_ptr<CWnd> wrapper = DefaultWrapper(control.className, control.style);
        const BOOL made =
            wrapper->CreateEx(control.exStyle, control.className, control.text, control.style, px(control.x, true),
                              px(control.y, false), px(control.cx, true), px(control.cy, false), dialog->m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(control.id)));
        if (!made) continue;
        if (WndImpl* controlImpl = ImplOf(wrapper.get())) {
            controlImpl->ApplyFont(font);
            if (auto* button = dynamic_cast<ButtonImpl*>(controlImpl); button && button->group) button->group->lower();
            if ((control.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON && control.className.CompareNoCase("Button") == 0)
                if (auto* owner = dynamic_cast<CDialog*>(dialog); owner && !owner->GetDefID())
                    owner->SetDefID(static_cast<UINT>(control.id));
        }
        impl->ownedWrappers.push_back(std::move(wrapper));
    }
}

}  // namespace tamo::platform

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDHelp(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd) : m_pParentWnd(pParentWnd) {
    // Templates are named by number here: "#310" or "310".
    if (lpszTemplateName)
        m_nIDHelp = static_cast<UINT>(std::strtoul(lpszTemplateName + (lpszTemplateName[0] == '#'), nullptr, 10));
}

CDialog::~CDialog() {
    if (m_hWnd) DestroyWindow();
}

BOOL CDialog::CreateFromTemplate(CWnd* pParentWnd, BOOL modal) {
    EnsureApplication();
    const DialogTemplate* dialogTemplate = ResourceTable::Instance().FindDialog(m_nIDHelp);
    if (!dialogTemplate) {
        std::fprintf(stderr, "dialog %u: no such dialog template (were the resources loaded?)\n", m_nIDHelp);
        return FALSE;
    }
    DWORD style = dialogTemplate->style & ~WS_VISIBLE;
    if (!(style & WS_CHILD)) style |= WS_POPUP;
    // The window gets its size in pixels from the template's font before anything sees it.
    const QSize units = DialogBaseUnits(TemplateFont(*dialogTemplate));
    const int width = dialogTemplate->cx * units.width() / 4;
    const int height = dialogTemplate->cy * units.height() / 8;
    const int x = (style & WS_CHILD) ? dialogTemplate->x * units.width() / 4 : 0;
    const int y = (style & WS_CHILD) ? dialogTemplate->y * units.height() / 8 : 0;
    if (!CreateEx(dialogTemplate->exStyle, "TamoDialog", dialogTemplate->caption, style, x, y, width, height,
                  pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr))
        return FALSE;
    auto* impl = ImplAs<DialogImpl>(this);
    if (!(style & WS_CHILD)) {
        // Only a dialog with a sizing border can be resized by the user.
        if (style & WS_THICKFRAME)
            impl->outer->resize(width, height);
        else
            impl->outer->setFixedSize(width, height);
        CenterWindow(pParentWnd);
    }
    BuildDialogControls(this, *dialogTemplate);
    ExecuteDlgInit(m_nIDHelp);
    SendMessage(WM_INITDIALOG, 0, 0);
    if (m_hWnd && !modal && (dialogTemplate->style & WS_VISIBLE)) ShowWindow(SW_SHOW);
    return m_hWnd != nullptr;
}

INT_PTR CDialog::DoModal() {
    CWnd* parent = m_pParentWnd ? m_pParentWnd : AfxGetMainWnd();
    if (parent && !parent->m_hWnd) parent = nullptr;
    m_bModalRunning = TRUE;
    m_nModalResult = -1;
    if (!CreateFromTemplate(parent, TRUE)) {
        m_bModalRunning = FALSE;
        return -1;
    }
    if (m_bModalRunning && m_hWnd) {
        CString what;
        CString caption;
        GetWindowText(caption);
        what.Format("dialog %u \"%s\"", m_nIDHelp, caption.GetString());
        if (ModalHooks* hooks = GetModalHooks()) {
            if (!hooks->RunDialog(*this))
                hooks->Unanswered("no script answers " + what);
            else if (m_bModalRunning && m_hWnd)
                hooks->Unanswered(what + " is still open after its script");
        } else if (IsOffscreen()) {
            ReportUnanswered(what);
        } else if (auto* impl = ImplAs<DialogImpl>(this)) {
            QEventLoop loop;
            impl->loop = &loop;
            impl->outer->setWindowModality(Qt::ApplicationModal);
            impl->outer->show();
            impl->outer->raise();
            impl->outer->activateWindow();
            if (m_bModalRunning) loop.exec(QEventLoop::DialogExec);
        }
        if (m_bModalRunning) EndDialog(IDCANCEL);
    }
    if (m_hWnd) DestroyWindow();
    m_bModalRunning = FALSE;
    return m_nModalResult;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
    m_nIDHelp = nIDTemplate;
    m_pParentWnd = pParentWnd;
    return CreateFromTemplate(pParentWnd, FALSE);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
    const UINT id = lpszTemplateName
                        ? static_cast<UINT>(std::strtoul(lpszTemplateName + (lpszTemplateName[0] == '#'), nullptr, 10))
                        : 0;
    return Create(id, pParentWnd);
}

void CDialog::EndDialog(int nResult) {
    m_nModalResult = nResult;
    auto* impl = ImplAs<DialogImpl>(this);
    if (m_bModalRunning) {
        m_bModalRunning = FALSE;
        if (impl && impl->loop) impl->loop->quit();
    }
    if (impl && impl->outer) impl->outer->hide();
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) {
    const BOOL focusFirst = OnInitDialog();
    if (focusFirst && m_hWnd) {
        for (CWnd* child = GetWindow(GW_CHILD); child; child = child->GetWindow(GW_HWNDNEXT)) {
            if ((child->GetStyle() & WS_TABSTOP) && child->IsWindowEnabled()) {
                if (QWidget* widget = OuterOf(child)) widget->setFocus(Qt::OtherFocusReason);
                break;
            }
        }
    }
    return focusFirst;
}

void CDialog::OnOK() {
    if (!UpdateData(TRUE)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (static_cast<UINT>(nCode) != CN_COMMAND && static_cast<UINT>(nCode) != CN_UPDATE_COMMAND_UI) return FALSE;
    if (nID >= 0xF000) return FALSE;
    // Commands the dialog does not handle go to its owner and then the application.
    if (CWnd* owner = GetParent(); owner && owner != this && owner->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo))
        return TRUE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

LRESULT CDialog::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CDialog::NextDlgCtrl() const {
    if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == OuterOf(this))
        focus->nextInFocusChain()->setFocus(Qt::TabFocusReason);
}

void CDialog::PrevDlgCtrl() const {
    if (QWidget* focus = QApplication::focusWidget(); focus && focus->window() == OuterOf(this))
        focus->previousInFocusChain()->setFocus(Qt::BacktabFocusReason);
}

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
    if (pWndCtrl) pWndCtrl->SetFocus();
}

void CDialog::SetDefID(UINT nID) { m_nDefID = nID; }

DWORD CDialog::GetDefID() const { return m_nDefID; }

// Data exchange
HWND CDataExchange::PrepareCtrl(int nIDC) {
    CWnd* control = m_pDlgWnd ? m_pDlgWnd->GetDlgItem(nIDC) : nullptr;
    m_idLastControl = control ? control->m_hWnd : nullptr;
    return m_idLastControl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC) { return PrepareCtrl(nIDC); }

void CDataExchange::Fail() {
    if (m_bSaveAndValidate)
        if (CWnd* control = CWnd::FromHandle(m_idLastControl)) control->SetFocus();
    throw CUserException();
}

namespace {

CWnd* Control(CDataExchange* pDX, int nIDC) { return CWnd::FromHandle(pDX->PrepareCtrl(nIDC)); }

CString ControlText(CDataExchange* pDX, int nIDC) {
    CString text;
    if (CWnd* control = Control(pDX, nIDC)) control->GetWindowText(text);
    return text;
}

void SetControlText(CDataExchange* pDX, int nIDC, const CString& text) {
    if (CWnd* control = Control(pDX, nIDC)) control->SetWindowText(text);
}

// A number with nothing but blanks around it.
template <typename T>
bool ScanNumber(const CString& text, const char* format, T& value) {
    char rest = 0;
    return std::sscanf(text.GetString(), format, &value, &rest) == 1;
}

template <typename T>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, const char* scanFormat, const char* printFormat,
                    const char* message) {
    if (pDX->m_bSaveAndValidate) {
        T scanned{};
        if (!ScanNumber(ControlText(pDX, nIDC), scanFormat, scanned)) {
            AfxMessageBox(message, MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = scanned;
    } else {
        CString text;
        text.Format(printFormat, value);
        SetControlText(pDX, nIDC, text);
    }
}

// The radio buttons of the group that starts at nIDC.
std::vector<CWnd*> RadioGroup(CDataExchange* pDX, int nIDC) {
    std::vector<CWnd*> group;
    CWnd* first = Control(pDX, nIDC);
    for (CWnd* control = first; control; control = control->GetWindow(GW_HWNDNEXT)) {
        if (control != first && (control->GetStyle() & WS_GROUP)) break;
        auto* button = ImplAs<ButtonImpl>(control);
        if (button && button->IsRadio()) group.push_back(control);
    }
    return group;
}

}  // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (rControl.m_hWnd) return;
    const HWND control = pDX->PrepareCtrl(nIDC);
    if (control) rControl.SubclassWindow(control);
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value) {
    if (pDX->m_bSaveAndValidate)
        value = ControlText(pDX, nIDC);
    else
        SetControlText(pDX, nIDC, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value) {
    ExchangeNumber(pDX, nIDC, value, " %d %c", "%d", "정수를 입력하십시오.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value) {
    ExchangeNumber(pDX, nIDC, value, " %u %c", "%u", "양의 정수를 입력하십시오.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value) {
    ExchangeNumber(pDX, nIDC, value, " %ld %c", "%ld", "정수를 입력하십시오.");
}

void DDX_Text(CDataExchange* pDX, int nIDC, double& value) {
    ExchangeNumber(pDX, nIDC, value, " %lf %c", "%.15g", "숫자를 입력하십시오.");
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value) {
    CWnd* control = Control(pDX, nIDC);
    if (!control) return;
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(control->SendMessage(BM_GETCHECK));
    else
        control->SendMessage(BM_SETCHECK, static_cast<WPARAM>(value));
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value) {
    const std::vector<CWnd*> group = RadioGroup(pDX, nIDC);
    if (pDX->m_bSaveAndValidate) {
        value = -1;
        for (size_t i = 0; i < group.size(); ++i)
            if (group[i]->SendMessage(BM_GETCHECK) == BST_CHECKED) {
                value = static_cast<int>(i);
                break;
            }
        return;
    }
    for (size_t i = 0; i < group.size(); ++i)
        group[i]->SendMessage(BM_SETCHECK, static_cast<int>(i) == value ? BST_CHECKED : BST_UNCHECKED);
}

void DDX_CBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* combo = dynamic_cast<CComboBox*>(Control(pDX, nIDC));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate)
        index = combo->GetCurSel();
    else
        combo->SetCurSel(index);
}

void DDX_CBString(CDataExchange* pDX, int nIDC, CString& value) {
    auto* combo = dynamic_cast<CComboBox*>(Control(pDX, nIDC));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        combo->GetWindowText(value);
    } else if (combo->SelectString(-1, value) == CB_ERR && (combo->GetStyle() & 3) != CBS_DROPDOWNLIST) {
        combo->SetWindowText(value);
    }
}

void DDX_CBStringExact(CDataExchange* pDX, int nIDC, CString& value) {
    auto* combo = dynamic_cast<CComboBox*>(Control(pDX, nIDC));
    if (!combo) return;
    if (pDX->m_bSaveAndValidate) {
        combo->GetWindowText(value);
        return;
    }
    const int found = combo->FindStringExact(-1, value);
    if (found != CB_ERR)
        combo->SetCurSel(found);
    else if ((combo->GetStyle() & 3) != CBS_DROPDOWNLIST)
        combo->SetWindowText(value);
}

void DDX_LBIndex(CDataExchange* pDX, int nIDC, int& index) {
    auto* list = dynamic_cast<CListBox*>(Control(pDX, nIDC));
    if (!list) return;
    if (pDX->m_bSaveAndValidate)
        index = list->GetCurSel();
    else
        list->SetCurSel(index);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars) {
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString message;
        message.Format("%d자 이하로 입력하십시오.", nChars);
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
    if (!pDX->m_bSaveAndValidate)
        if (auto* edit = dynamic_cast<CEdit*>(CWnd::FromHandle(pDX->m_idLastControl)))
            edit->SetLimitText(static_cast<UINT>(nChars));
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal) {
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString message;
        message.Format("%d와(과) %d 사이의 정수를 입력하십시오.", minVal, maxVal);
        AfxMessageBox(message, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
