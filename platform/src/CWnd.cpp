#include <QApplication>
#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <map>
#include <string>

#include "CButton.h"
#include "CComboBox.h"
#include "CDC.h"
#include "CDataExchange.h"
#include "CFrameWnd.h"
#include "CListBox.h"
#include "CWinApp.h"
#include "CWnd.h"
#include "GdiImpl.h"
#include "Modal.h"
#include "QtText.h"
#include "ResourceTable.h"
#include "Stacking.h"
#include "Utf8.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

namespace {

bool IsSpecialHandle(HWND hWnd) {
    return hWnd == HWND_TOP || hWnd == HWND_BOTTOM || hWnd == HWND_TOPMOST || hWnd == HWND_NOTOPMOST;
}

// A message that PostMessage put on the event loop.
class PostedMessage : public QEvent {
public:
    static QEvent::Type EventType() {
        static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
        return type;
    }
    PostedMessage(UINT message, WPARAM wParam, LPARAM lParam)
        : QEvent(EventType()), message(message), wParam(wParam), lParam(lParam) {}
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// Receives posted messages for all windows; a message for a window that is gone by then is dropped.
class PostOffice : public QObject {
public:
    static PostOffice& Instance() {
        static PostOffice* office = new PostOffice;
        return *office;
    }
    void Post(WndImpl* target, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* event = new PostedMessage(message, wParam, lParam);
        m_targets.emplace(event, target->Handle());
        QCoreApplication::postEvent(this, event);
    }

protected:
    void customEvent(QEvent* event) override {
        if (event->type() != PostedMessage::EventType()) return;
        auto* posted = static_cast<PostedMessage*>(event);
        const auto target = m_targets.find(event);
        if (target == m_targets.end()) return;
        const HWND hWnd = target->second;
        m_targets.erase(target);
        if (WndImpl* impl = WndImpl::FromHandle(hWnd); impl && impl->owner)
            impl->owner->WindowProc(posted->message, posted->wParam, posted->lParam);
    }

private:
    std::map<const QEvent*, HWND> m_targets;
};

QWidget* ParentArea(WndImpl* parent, DWORD style) {
    if (!parent) return nullptr;
    if (style & WS_CHILD) return parent->ChildArea();
    return parent->outer ? parent->outer->window() : nullptr;
}

// The classes of AfxRegisterWndClass: their style and background brush (Qt::NoBrush: none).
struct WindowClass {
    UINT style;
    QBrush background;
};

std::map<std::string, WindowClass>& WindowClasses() {
    static auto* classes = new std::map<std::string, WindowClass>;
    return *classes;
}

// A window of a registered class gets the class's background, and repaints all of itself when it is resized
// only with CS_HREDRAW or CS_VREDRAW (else only what the resizing uncovers).
void ApplyWindowClass(WndImpl& impl, const char* className) {
    const auto found = className ? WindowClasses().find(className) : WindowClasses().end();
    if (found == WindowClasses().end() || !impl.client) return;
    const WindowClass& windowClass = found->second;
    if (windowClass.background.style() != Qt::NoBrush) {
        QPalette palette = impl.client->palette();
        palette.setBrush(QPalette::Window, windowClass.background);
        impl.client->setPalette(palette);
        impl.client->setAutoFillBackground(true);
    }
    impl.client->setAttribute(Qt::WA_StaticContents, !(windowClass.style & (CS_HREDRAW | CS_VREDRAW)));
}

QRect GlobalRect(const QWidget* widget) {
    if (widget->isWindow()) return widget->frameGeometry();
    return QRect(widget->mapToGlobal(QPoint(0, 0)), widget->size());
}

}  // namespace

CWnd::CWnd() = default;

CWnd::CWnd(HWND specialHandle) { m_hWnd = specialHandle; }

CWnd::~CWnd() {
    if (!m_hWnd || IsSpecialHandle(m_hWnd)) return;
    WndImpl* impl = ImplOf(this);
    if (!impl) return;
    std::erase(impl->attached, this);
    if (impl->owner != this) return;
    if (!impl->attached.empty()) {
        impl->owner = impl->attached.back();
        return;
    }
    impl->Destroy();
}

CWnd* CWnd::FromHandle(HWND hWnd) {
    WndImpl* impl = WndImpl::FromHandle(hWnd);
    return impl ? impl->owner : nullptr;
}

BOOL CWnd::IsWindowHandle(HWND hWnd) { return WndImpl::FromHandle(hWnd) != nullptr; }

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs) {
    (void)cs;
    return TRUE;
}

void CWnd::PostNcDestroy() {}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                  UINT nID, CCreateContext* pContext) {
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                    CWnd* pParentWnd, UINT nID, LPVOID lpParam) {
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top, rect.right - rect.left,
                    rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam) {
    EnsureApplication();
    if (m_hWnd) return FALSE;
    CREATESTRUCT cs{
        lpParam,        nullptr,       nIDorHMenu, hWndParent, nHeight, nWidth, y, x, static_cast<LONG>(dwStyle),
        lpszWindowName, lpszClassName, dwExStyle};
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    const DWORD style = static_cast<DWORD>(cs.style);
    WndImpl* impl = cs.lpszClass ? CreateImplForClass(this, cs.lpszClass) : nullptr;
    if (!impl) impl = CreateImplForClass(this, GetDefaultWindowClass() ? GetDefaultWindowClass() : "");
    WndImpl* parent = WndImpl::FromHandle(cs.hwndParent);
    impl->className = cs.lpszClass ? cs.lpszClass : (GetDefaultWindowClass() ? GetDefaultWindowClass() : "");
    impl->style = style;
    impl->exStyle = cs.dwExStyle;
    impl->id = (style & WS_CHILD) ? static_cast<UINT>(reinterpret_cast<UINT_PTR>(cs.hMenu)) : 0;
    impl->parent = parent;
    if (parent) parent->children.push_back(impl);
    m_hWnd = impl->Handle();

    impl->Build(cs, ParentArea(parent, style));
    ApplyWindowClass(*impl, cs.lpszClass);
    impl->Watch(impl->outer);
    if (impl->client != impl->outer) impl->Watch(impl->client);
    const bool defaultPlace = cs.x == CW_USEDEFAULT;
    const bool defaultSize = cs.cx == CW_USEDEFAULT || (!(style & WS_CHILD) && cs.cx <= 0 && cs.cy <= 0);
    if (!defaultPlace || !defaultSize) {
        QRect geometry = impl->Geometry();
        if (!defaultSize) geometry.setSize(QSize(std::max(cs.cx, 0), std::max(cs.cy, 0)));
        if (!defaultPlace) geometry.moveTopLeft(QPoint(cs.x, cs.y));
        impl->SetGeometry(geometry);
    }
    if (cs.lpszName) impl->SetText(cs.lpszName);
    if (style & WS_DISABLED) impl->outer->setEnabled(false);

    if (SendMessage(WM_CREATE, 0, reinterpret_cast<LPARAM>(&cs)) == -1) {
        if (WndImpl* failed = ImplOf(this)) failed->Destroy();
        return FALSE;
    }
    impl = ImplOf(this);
    if (!impl) return FALSE;
    impl->created = true;
    PlaceNewChild(*impl);
    impl->ReportSize();
    if (impl->style & WS_VISIBLE)
        impl->Show(true);
    else if (style & WS_CHILD)
        impl->Show(false);
    return TRUE;
}

BOOL CWnd::DestroyWindow() {
    WndImpl* impl = ImplOf(this);
    if (!impl) return FALSE;
    impl->Destroy();
    return TRUE;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
    WndImpl* impl = WndImpl::FromHandle(hWnd);
    if (!impl || m_hWnd) return FALSE;
    m_hWnd = hWnd;
    std::erase(impl->attached, this);
    impl->attached.push_back(this);
    impl->owner = this;
    PreSubclassWindow();
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
    CWnd* item = pParent ? pParent->GetDlgItem(static_cast<int>(nID)) : nullptr;
    return item ? SubclassWindow(item->m_hWnd) : FALSE;
}

HWND CWnd::Detach() {
    const HWND hWnd = m_hWnd;
    if (WndImpl* impl = ImplOf(this)) {
        std::erase(impl->attached, this);
        if (impl->owner == this) impl->owner = impl->attached.empty() ? nullptr : impl->attached.back();
    }
    m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->owner) return 0;
    return impl->owner->WindowProc(message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return FALSE;
    PostOffice::Instance().Post(impl, message, wParam, lParam);
    return TRUE;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return;
    const auto children = impl->children;
    for (WndImpl* child : children) {
        if (!child->IsLive() || !child->owner) continue;
        CWnd* wnd = child->owner;
        wnd->SendMessage(message, wParam, lParam);
        if (bDeep && wnd->m_hWnd) wnd->SendMessageToDescendants(message, wParam, lParam, TRUE);
    }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    if (!OnWndMsg(message, wParam, lParam, &result)) result = DefWindowProc(message, wParam, lParam);
    return result;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam)) return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        return header && OnNotify(wParam, lParam, pResult);
    }
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AfxEntry_Message, message, 0);
    if (!entry) return FALSE;
    AFX_MSGCALL call{message, wParam, lParam, 0, 0, nullptr, pResult};
    *pResult = entry->pfn(this, call);
    return TRUE;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    WndImpl* impl = ImplOf(this);
    return impl ? impl->DefaultHandling(message, wParam, lParam) : 0;
}

LRESULT CWnd::Default() {
    MessageContext* context = CurrentMessage();
    if (context && context->impl == ImplOf(this)) context->defaultRequested = true;
    return 0;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
    const UINT nID = LOWORD(wParam);
    const HWND control = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (!control) {
        // A menu command runs only while its update handler leaves it enabled.
        CCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled) return TRUE;
        nCode = CN_COMMAND;
    } else if (WndImpl* impl = WndImpl::FromHandle(control); impl && impl->owner && impl->owner != this) {
        if (impl->owner->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    (void)wParam;
    auto* header = reinterpret_cast<NMHDR*>(lParam);
    if (WndImpl* impl = WndImpl::FromHandle(header->hwndFrom); impl && impl->owner && impl->owner != this) {
        if (impl->owner->OnChildNotify(WM_NOTIFY, wParam, lParam, pResult)) return TRUE;
    }
    const UINT nID = static_cast<UINT>(header->idFrom);
    const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AfxEntry_Notify, header->code, nID);
    if (!entry) return FALSE;
    LRESULT ignored = 0;
    AFX_MSGCALL call{WM_NOTIFY, wParam, lParam, nID, header->code, header, pResult ? pResult : &ignored};
    const LRESULT handled = entry->pfn(this, call);
    return entry->kind == AfxEntry_NotifyEx ? static_cast<BOOL>(handled) : TRUE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
    LRESULT ignored = 0;
    if (!pResult) pResult = &ignored;
    if (message == WM_COMMAND) {
        const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AfxEntry_ReflectCommand, HIWORD(wParam), 0);
        if (!entry) return FALSE;
        AFX_MSGCALL call{message, wParam, lParam, LOWORD(wParam), HIWORD(wParam), nullptr, pResult};
        entry->pfn(this, call);
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        auto* header = reinterpret_cast<NMHDR*>(lParam);
        const AFX_MSGMAP_ENTRY* entry = FindMessageEntry(AfxEntry_ReflectNotify, header->code, 0);
        if (!entry) return FALSE;
        AFX_MSGCALL call{message, wParam, lParam, static_cast<UINT>(header->idFrom), header->code, header, pResult};
        const LRESULT handled = entry->pfn(this, call);
        return entry->kind == AfxEntry_ReflectNotifyEx ? static_cast<BOOL>(handled) : TRUE;
    }
    return FALSE;
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Default handlers: each leaves the message to the platform's own handling.
int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { DefWindowProc(WM_CLOSE, 0, 0); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnPaint() {
    // Painting nothing still ends the paint request, as BeginPaint/EndPaint would.
    Default();
}
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnContextMenu(CWnd* pWnd, CPoint point) {
    // Handed on to the parent, as DefWindowProc does.
    DefWindowProc(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(pWnd ? pWnd->m_hWnd : nullptr),
                  MAKELPARAM(point.x, point.y));
}
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnMDIActivate(BOOL, CWnd*, CWnd*) { Default(); }

// Text
void CWnd::SetWindowText(LPCTSTR lpszString) {
    if (WndImpl* impl = ImplOf(this)) impl->SetText(lpszString ? lpszString : "");
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
    if (!lpszStringBuf || nMaxCount <= 0) return 0;
    CString text;
    GetWindowText(text);
    const size_t length = Utf8PrefixLength(text.str(), static_cast<size_t>(nMaxCount - 1));
    std::memcpy(lpszStringBuf, text.GetString(), length);
    lpszStringBuf[length] = '\0';
    return static_cast<int>(length);
}

void CWnd::GetWindowText(CString& rString) const {
    WndImpl* impl = ImplOf(this);
    rString = impl ? impl->GetText() : CString();
}

int CWnd::GetWindowTextLength() const {
    CString text;
    GetWindowText(text);
    return text.GetLength();
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !pFont) return;
    impl->font = pFont;
    impl->ApplyFont(FontOf(*pFont));
    if (bRedraw && impl->outer) impl->outer->update();
}

CFont* CWnd::GetFont() const {
    WndImpl* impl = ImplOf(this);
    return impl ? impl->font : nullptr;
}

// Geometry
void CWnd::GetClientRect(LPRECT lpRect) const {
    WndImpl* impl = ImplOf(this);
    const QSize size = impl ? impl->ClientSize() : QSize();
    *lpRect = CRect(0, 0, size.width(), size.height());
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    QWidget* outer = OuterOf(this);
    *lpRect = outer ? FromQRect(GlobalRect(outer)) : CRect();
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return;
    impl->SetGeometry(QRect(x, y, std::max(nWidth, 0), std::max(nHeight, 0)));
    impl->ReportSize();
    if (bRepaint && impl->outer) impl->outer->update();
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint) {
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->outer) return FALSE;
    QRect geometry = impl->Geometry();
    if (!(nFlags & SWP_NOMOVE)) geometry.moveTopLeft(QPoint(x, y));
    if (!(nFlags & SWP_NOSIZE)) geometry.setSize(QSize(std::max(cx, 0), std::max(cy, 0)));
    if (!(nFlags & (SWP_NOMOVE | SWP_NOSIZE)) || (nFlags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
        impl->SetGeometry(geometry);
    if (!(nFlags & SWP_NOZORDER)) {
        const HWND after = pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND_TOP;
        QWidget* outer = impl->outer;
        if (!outer->isWindow()) {
            RestackChild(*impl, after);
        } else if (after == HWND_BOTTOM) {
            outer->lower();
        } else if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
            if (outer->isWindow() && after != HWND_TOP) {
                const bool visible = outer->isVisible();
                outer->setWindowFlag(Qt::WindowStaysOnTopHint, after == HWND_TOPMOST);
                if (visible) outer->show();
            }
            outer->raise();
        } else if (WndImpl* other = WndImpl::FromHandle(after); other && other->outer) {
            outer->stackUnder(other->outer);
        }
    }
    if (nFlags & SWP_SHOWWINDOW) impl->Show(true);
    if (nFlags & SWP_HIDEWINDOW) impl->Show(false);
    impl->ReportSize();
    return TRUE;
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const {
    if (QWidget* client = ClientOf(this)) *lpPoint = FromQPoint(client->mapToGlobal(ToQPoint(*lpPoint)));
}

void CWnd::ClientToScreen(LPRECT lpRect) const {
    CPoint topLeft(lpRect->left, lpRect->top), bottomRight(lpRect->right, lpRect->bottom);
    ClientToScreen(&topLeft);
    ClientToScreen(&bottomRight);
    *lpRect = CRect(topLeft, bottomRight);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const {
    if (QWidget* client = ClientOf(this)) *lpPoint = FromQPoint(client->mapFromGlobal(ToQPoint(*lpPoint)));
}

void CWnd::ScreenToClient(LPRECT lpRect) const {
    CPoint topLeft(lpRect->left, lpRect->top), bottomRight(lpRect->right, lpRect->bottom);
    ScreenToClient(&topLeft);
    ScreenToClient(&bottomRight);
    *lpRect = CRect(topLeft, bottomRight);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const {
    for (UINT i = 0; i < nCount; ++i) {
        ClientToScreen(&lpPoint[i]);
        if (pwndTo) pwndTo->ScreenToClient(&lpPoint[i]);
    }
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const {
    ClientToScreen(lpRect);
    if (pwndTo) pwndTo->ScreenToClient(lpRect);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
    QWidget* outer = OuterOf(this);
    if (!outer) return;
    QRect area;
    if (QWidget* owner = OuterOf(pAlternateOwner ? pAlternateOwner : GetParent()))
        area = GlobalRect(owner);
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        area = screen->availableGeometry();
    QRect geometry = outer->geometry();
    geometry.moveCenter(area.center());
    if (!outer->isWindow()) geometry.moveTopLeft(outer->parentWidget()->mapFromGlobal(geometry.topLeft()));
    outer->setGeometry(geometry);
}

void CWnd::MapDialogRect(LPRECT lpRect) const {
    WndImpl* impl = ImplOf(this);
    QFont font = impl && impl->outer ? impl->outer->font() : QApplication::font();
    const QSize units = DialogBaseUnits(font);
    lpRect->left = lpRect->left * units.width() / 4;
    lpRect->right = lpRect->right * units.width() / 4;
    lpRect->top = lpRect->top * units.height() / 8;
    lpRect->bottom = lpRect->bottom * units.height() / 8;
}

int CWnd::SetWindowRgn(HRGN hRgn, BOOL bRedraw) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->outer) return 0;
    const QRegion before = VisibleShape(impl->outer);
    if (!hRgn) {
        impl->region.reset();
        impl->outer->clearMask();
    } else {
        impl->region = std::make_unique<QRegion>(RegionOf(hRgn));
        // An empty region leaves nothing of the window (Qt would take an empty mask for none at all).
        impl->outer->setMask(impl->region->isEmpty() ? QRegion(-1, -1, 1, 1) : *impl->region);
    }
    // The windows below paint what the new region uncovers of them.
    if (!impl->outer->isWindow()) RepaintUncovered(impl->outer, before - VisibleShape(impl->outer));
    if (bRedraw) impl->outer->update();
    return 1;
}

int CWnd::GetWindowRgn(HRGN hRgn) const {
    WndImpl* impl = ImplOf(this);
    GdiObject* target = GdiOf(hRgn);
    if (!impl || !impl->region || !target || target->kind != GdiObject::Region) return ERROR;
    target->region = *impl->region;
    return target->region.rectCount() > 1 ? COMPLEXREGION : SIMPLEREGION;
}

// State
BOOL CWnd::ShowWindow(int nCmdShow) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->outer) return FALSE;
    const BOOL wasVisible = impl->outer->isVisible();
    switch (nCmdShow) {
    case SW_HIDE:
        impl->Show(false);
        break;
    case SW_SHOWMAXIMIZED:
        impl->Show(true);
        if (impl->outer->isWindow()) impl->outer->showMaximized();
        break;
    case SW_MINIMIZE:
    case SW_SHOWMINIMIZED:
        impl->Show(true);
        if (impl->outer->isWindow()) impl->outer->showMinimized();
        break;
    default:
        impl->Show(true);
        if (impl->outer->isWindow() && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE) {
            impl->outer->raise();
            impl->outer->activateWindow();
        }
        break;
    }
    impl->ReportSize();
    return wasVisible;
}

BOOL CWnd::IsWindowVisible() const {
    QWidget* outer = OuterOf(this);
    return outer && outer->isVisible();
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->outer) return FALSE;
    const BOOL wasDisabled = !impl->outer->isEnabled();
    impl->outer->setEnabled(bEnable);
    impl->style = bEnable ? (impl->style & ~WS_DISABLED) : (impl->style | WS_DISABLED);
    return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const {
    QWidget* outer = OuterOf(this);
    return outer && outer->isEnabled();
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->client) return previous;
    QWidget* target = impl->client->focusProxy() ? impl->client->focusProxy() : impl->client.data();
    QWidget* window = target->window();
    if (!window->isActiveWindow()) {
        window->activateWindow();
        QApplication::setActiveWindow(window);
    }
    target->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus() {
    WndImpl* impl = WndImpl::Enclosing(QApplication::focusWidget());
    return impl ? impl->owner : nullptr;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
    WndImpl* self = ImplOf(this);
    for (WndImpl* impl = ImplOf(pWnd); impl && self; impl = impl->parent) {
        if (impl->parent == self && (impl->style & WS_CHILD)) return TRUE;
        if (!(impl->style & WS_CHILD)) return FALSE;
    }
    return FALSE;
}

BOOL CWnd::IsIconic() const {
    QWidget* outer = OuterOf(this);
    return outer && outer->isMinimized();
}

BOOL CWnd::IsZoomed() const {
    QWidget* outer = OuterOf(this);
    return outer && outer->isMaximized();
}

DWORD CWnd::GetStyle() const {
    WndImpl* impl = ImplOf(this);
    if (!impl) return 0;
    DWORD style = impl->style & ~(WS_VISIBLE | WS_DISABLED);
    if (impl->outer && !impl->outer->isHidden()) style |= WS_VISIBLE;
    if (impl->outer && !impl->outer->isEnabled()) style |= WS_DISABLED;
    return style;
}

DWORD CWnd::GetExStyle() const {
    WndImpl* impl = ImplOf(this);
    return impl ? impl->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return FALSE;
    const DWORD old = impl->style;
    impl->style = (old & ~dwRemove) | dwAdd;
    if (impl->style == old) return FALSE;
    impl->StyleChanged(old);
    return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return FALSE;
    const DWORD old = impl->exStyle;
    impl->exStyle = (old & ~dwRemove) | dwAdd;
    return impl->exStyle != old;
}

int CWnd::GetDlgCtrlID() const {
    WndImpl* impl = ImplOf(this);
    return impl ? static_cast<int>(impl->id) : 0;
}

int CWnd::SetDlgCtrlID(int nID) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return 0;
    const int old = static_cast<int>(impl->id);
    impl->id = static_cast<UINT>(nID);
    return old;
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return nullptr;
    HICON& slot = impl->icons[bBigIcon ? ICON_BIG : ICON_SMALL];
    const HICON old = slot;
    slot = hIcon;
    if (impl->outer) impl->outer->window()->setWindowIcon(IconOf(hIcon));
    return old;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
    WndImpl* impl = ImplOf(this);
    return impl ? impl->icons[bBigIcon ? ICON_BIG : ICON_SMALL] : nullptr;
}

BOOL CWnd::SetMenu(CMenu*) { return FALSE; }
CMenu* CWnd::GetMenu() const { return nullptr; }

// Painting
void CWnd::Invalidate(BOOL) {
    if (QWidget* client = ClientOf(this)) client->update();
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL) {
    QWidget* client = ClientOf(this);
    if (!client) return;
    if (lpRect)
        client->update(ToQRect(*lpRect));
    else
        client->update();
}

void CWnd::UpdateWindow() {
    if (QWidget* client = ClientOf(this); client && client->isVisible()) client->repaint();
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn*, UINT flags) {
    QWidget* client = ClientOf(this);
    if (!client) return FALSE;
    if (flags & RDW_INVALIDATE) {
        if (lpRectUpdate)
            client->update(ToQRect(*lpRectUpdate));
        else
            client->update();
    }
    if ((flags & RDW_UPDATENOW) && client->isVisible()) client->repaint();
    return TRUE;
}

void CWnd::SetRedraw(BOOL bRedraw) {
    if (QWidget* outer = OuterOf(this)) outer->setUpdatesEnabled(bRedraw);
}

CDC* CWnd::GetDC() { return new CClientDC(this); }

int CWnd::ReleaseDC(CDC* pDC) {
    delete pDC;
    return 1;
}

// Relations
CWnd* CWnd::GetParent() const {
    WndImpl* impl = ImplOf(this);
    return impl && impl->parent && impl->parent->IsLive() ? impl->parent->owner : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
    WndImpl* impl = ImplOf(this);
    if (!impl) return nullptr;
    CWnd* old = GetParent();
    WndImpl* newParent = ImplOf(pWndNewParent);
    if (impl->parent) std::erase(impl->parent->children, impl);
    impl->parent = newParent;
    if (newParent) newParent->children.push_back(impl);
    if (impl->outer) {
        const bool visible = !impl->outer->isHidden();
        impl->outer->setParent(newParent ? ParentArea(newParent, impl->style) : nullptr, impl->outer->windowFlags());
        impl->outer->setVisible(visible);
    }
    return old;
}

CWnd* CWnd::GetOwner() const { return m_pOwner ? m_pOwner : GetParent(); }
void CWnd::SetOwner(CWnd* pOwnerWnd) { m_pOwner = pOwnerWnd; }

CWnd* CWnd::GetTopLevelParent() const {
    WndImpl* impl = ImplOf(this);
    if (!impl) return nullptr;
    while (impl->parent && impl->parent->IsLive()) impl = impl->parent;
    return impl->owner;
}

CFrameWnd* CWnd::GetParentFrame() const {
    for (CWnd* parent = GetParent(); parent; parent = parent->GetParent())
        if (auto* frame = dynamic_cast<CFrameWnd*>(parent)) return frame;
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const {
    CFrameWnd* top = dynamic_cast<CFrameWnd*>(const_cast<CWnd*>(this));
    for (CFrameWnd* frame = GetParentFrame(); frame; frame = frame->GetParentFrame()) top = frame;
    return top;
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
    WndImpl* impl = ImplOf(this);
    if (!impl) return nullptr;
    if (nCmd == GW_CHILD) return impl->children.empty() ? nullptr : impl->children.front()->owner;
    if (nCmd == GW_OWNER) return GetOwner();
    if (!impl->parent) return nullptr;
    const auto& siblings = impl->parent->children;
    const auto at = std::find(siblings.begin(), siblings.end(), impl);
    switch (nCmd) {
    case GW_HWNDFIRST:
        return siblings.front()->owner;
    case GW_HWNDLAST:
        return siblings.back()->owner;
    case GW_HWNDNEXT:
        return at != siblings.end() && at + 1 != siblings.end() ? (*(at + 1))->owner : nullptr;
    case GW_HWNDPREV:
        return at != siblings.begin() && at != siblings.end() ? (*(at - 1))->owner : nullptr;
    default:
        return nullptr;
    }
}

CWnd* CWnd::GetDlgItem(int nID) const {
    WndImpl* impl = ImplOf(this);
    if (!impl) return nullptr;
    for (WndImpl* child : impl->children)
        if (child->IsLive() && static_cast<int>(child->id) == nID && (child->style & WS_CHILD)) return child->owner;
    return nullptr;
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL) const {
    if (CWnd* direct = GetDlgItem(nID)) return direct;
    WndImpl* impl = ImplOf(this);
    if (!impl) return nullptr;
    for (WndImpl* child : impl->children)
        if (child->owner)
            if (CWnd* found = child->owner->GetDescendantWindow(nID)) return found;
    return nullptr;
}

// Dialog items
void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
    if (CWnd* item = GetDlgItem(nID)) item->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
    CWnd* item = GetDlgItem(nID);
    if (!item) {
        if (lpStr && nMaxCount > 0) lpStr[0] = '\0';
        return 0;
    }
    return item->GetWindowText(lpStr, nMaxCount);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
    CWnd* item = GetDlgItem(nID);
    rString.Empty();
    if (item) item->GetWindowText(rString);
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
    CString text;
    if (bSigned)
        text.Format("%d", static_cast<int>(nValue));
    else
        text.Format("%u", nValue);
    SetDlgItemText(nID, text);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
    CString text;
    GetDlgItemText(nID, text);
    text.TrimLeft(" \t");
    const char* at = text.GetString();
    bool negative = false;
    if (bSigned && *at == '-') negative = true, ++at;
    long long value = 0;
    bool digits = false;
    for (; *at >= '0' && *at <= '9'; ++at, digits = true) value = value * 10 + (*at - '0');
    const bool ok = digits && *at == '\0' && value <= (bSigned ? 0x7FFFFFFFLL + negative : 0xFFFFFFFFLL);
    if (lpTrans) *lpTrans = ok;
    if (!ok) return 0;
    return static_cast<UINT>(negative ? -value : value);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
    if (CWnd* item = GetDlgItem(nIDButton)) item->SendMessage(BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
    CWnd* item = GetDlgItem(nIDButton);
    return item ? static_cast<UINT>(item->SendMessage(BM_GETCHECK)) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        CheckDlgButton(id, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
    for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
        if (IsDlgButtonChecked(id)) return id;
    return 0;
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange exchange(this, bSaveAndValidate);
    try {
        DoDataExchange(&exchange);
    } catch (const CUserException&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::ExecuteDlgInit(LPCTSTR) { return FALSE; }

BOOL CWnd::ExecuteDlgInit(UINT nIDTemplate) {
    const DialogTemplate* dialog = ResourceTable::Instance().FindDialog(nIDTemplate);
    if (!dialog) return FALSE;
    for (const DialogInitEntry& entry : dialog->initEntries) {
        CWnd* item = GetDlgItem(entry.controlId);
        if (!item) continue;
        const LPARAM text = reinterpret_cast<LPARAM>(entry.text.GetString());
        if (dynamic_cast<CComboBox*>(item))
            item->SendMessage(CB_ADDSTRING, 0, text);
        else if (dynamic_cast<CListBox*>(item))
            item->SendMessage(LB_ADDSTRING, 0, text);
    }
    return TRUE;
}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
    return RunMessageBox(m_hWnd, lpszText ? lpszText : "", lpszCaption ? lpszCaption : AfxGetAppName(), nType);
}

// Free functions
CWnd* AfxGetMainWnd() {
    CWinThread* thread = AfxGetThread();
    return thread ? thread->GetMainWnd() : nullptr;
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->SendMessage(message, wParam, lParam) : 0;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->PostMessage(message, wParam, lParam) : FALSE;
}

BOOL IsWindow(HWND hWnd) { return CWnd::IsWindowHandle(hWnd); }

BOOL DestroyWindow(HWND hWnd) {
    CWnd* wnd = CWnd::FromHandle(hWnd);
    return wnd ? wnd->DestroyWindow() : FALSE;
}

HWND GetDlgItem(HWND hDlg, int nIDDlgItem) {
    CWnd* dialog = CWnd::FromHandle(hDlg);
    CWnd* item = dialog ? dialog->GetDlgItem(nIDDlgItem) : nullptr;
    return item ? item->m_hWnd : nullptr;
}

BOOL SetWindowPos(HWND hWnd, HWND hWndInsertAfter, int x, int y, int cx, int cy, UINT uFlags) {
    CWnd* wnd = CWnd::FromHandle(hWnd);
    if (!wnd) return FALSE;
    const CWnd* after = hWndInsertAfter == HWND_TOPMOST     ? &CWnd::wndTopMost
                        : hWndInsertAfter == HWND_NOTOPMOST ? &CWnd::wndNoTopMost
                        : hWndInsertAfter == HWND_BOTTOM    ? &CWnd::wndBottom
                        : hWndInsertAfter == HWND_TOP       ? &CWnd::wndTop
                                                            : CWnd::FromHandle(hWndInsertAfter);
    return wnd->SetWindowPos(after, x, y, cx, cy, uFlags);
}

UINT RegisterWindowMessage(LPCTSTR lpString) {
    static std::map<std::string, UINT> messages;
    const std::string name = lpString ? lpString : "";
    const auto [at, added] = messages.emplace(name, static_cast<UINT>(0xC000 + messages.size()));
    return at->second;
}

BOOL GetCursorPos(LPPOINT lpPoint) {
    EnsureApplication();
    *lpPoint = FromQPoint(QCursor::pos());
    return TRUE;
}

BOOL SetCursorPos(int x, int y) {
    EnsureApplication();
    QCursor::setPos(x, y);
    return TRUE;
}

COLORREF GetSysColor(int nIndex) {
    switch (nIndex) {
    case COLOR_WINDOW:
        return RGB(255, 255, 255);
    case COLOR_WINDOWTEXT:
        return RGB(0, 0, 0);
    case COLOR_WINDOWFRAME:
        return RGB(100, 100, 100);
    case COLOR_BTNFACE:
        return RGB(240, 240, 240);
    case COLOR_BTNSHADOW:
        return RGB(160, 160, 160);
    case COLOR_BTNHIGHLIGHT:
        return RGB(255, 255, 255);
    case COLOR_BTNTEXT:
        return RGB(0, 0, 0);
    case COLOR_3DDKSHADOW:
        return RGB(105, 105, 105);
    case COLOR_3DLIGHT:
        return RGB(227, 227, 227);
    case COLOR_GRAYTEXT:
        return RGB(109, 109, 109);
    case COLOR_HIGHLIGHT:
        return RGB(0, 120, 215);
    case COLOR_HIGHLIGHTTEXT:
        return RGB(255, 255, 255);
    case COLOR_APPWORKSPACE:
        return RGB(171, 171, 171);
    case COLOR_INFOBK:
        return RGB(255, 255, 225);
    case COLOR_INFOTEXT:
        return RGB(0, 0, 0);
    case COLOR_MENU:
        return RGB(240, 240, 240);
    case COLOR_MENUTEXT:
        return RGB(0, 0, 0);
    case COLOR_ACTIVECAPTION:
        return RGB(153, 180, 209);
    case COLOR_CAPTIONTEXT:
        return RGB(0, 0, 0);
    default:
        return RGB(240, 240, 240);
    }
}

int GetSystemMetrics(int nIndex) {
    EnsureApplication();
    const QRect screen =
        QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->geometry() : QRect(0, 0, 1920, 1080);
    switch (nIndex) {
    case SM_CXSCREEN:
        return screen.width();
    case SM_CYSCREEN:
        return screen.height();
    case SM_CXVSCROLL:
    case SM_CYHSCROLL:
        return 17;
    case SM_CYCAPTION:
        return 23;
    case SM_CXICON:
    case SM_CYICON:
        return 32;
    case SM_CXSMICON:
    case SM_CYSMICON:
        return 16;
    default:
        return 0;
    }
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR, HBRUSH hbrBackground, HICON) {
    // One class per style and background, as the frame library names them.
    GdiObject* brush = GdiOf(hbrBackground);
    WindowClass windowClass{nClassStyle, brush && brush->kind == GdiObject::Brush ? brush->brush : QBrush()};
    char name[64];
    std::snprintf(name, sizeof name, "AfxWnd:%x:%p", nClassStyle, static_cast<const void*>(hbrBackground));
    return WindowClasses().try_emplace(name, windowClass).first->first.c_str();
}
