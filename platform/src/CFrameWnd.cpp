#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>

#include "CDC.h"
#include "CDocTemplate.h"
#include "CDocument.h"
#include "CFrameWnd.h"
#include "CMDIChildWnd.h"
#include "CMDIFrameWnd.h"
#include "CMFCToolBar.h"
#include "CMenu.h"
#include "CScrollView.h"
#include "CView.h"
#include "CWinApp.h"
#include "FrameImpls.h"
#include "GdiImpl.h"
#include "ListPosition.h"
#include "PaneImpls.h"
#include "QtText.h"
#include "ResourceTable.h"
#include "WndWidget.h"

using namespace tamo::platform;

IMPLEMENT_DYNCREATE(CFrameWnd, CWnd)
IMPLEMENT_DYNCREATE(CFrameWndEx, CFrameWnd)
IMPLEMENT_DYNAMIC(CMDIFrameWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWnd, CFrameWnd)
IMPLEMENT_DYNCREATE(CMDIChildWndEx, CMDIChildWnd)
IMPLEMENT_DYNAMIC(CView, CWnd)
IMPLEMENT_DYNAMIC(CScrollView, CView)
IMPLEMENT_DYNAMIC(CDocument, CCmdTarget)
IMPLEMENT_DYNAMIC(CDocTemplate, CCmdTarget)
IMPLEMENT_DYNAMIC(CMultiDocTemplate, CDocTemplate)

const CRect CFrameWnd::rectDefault(CW_USEDEFAULT, CW_USEDEFAULT, 0, 0);
const SIZE CScrollView::sizeDefault = {0, 0};

BEGIN_MESSAGE_MAP(CFrameWnd, CWnd)
    ON_WM_CREATE()
    ON_WM_CLOSE()
    ON_WM_SIZE()
    ON_WM_DESTROY()
    ON_UPDATE_COMMAND_UI(ID_VIEW_STATUS_BAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_UPDATE_COMMAND_UI(ID_VIEW_TOOLBAR, &CFrameWnd::OnUpdateControlBarMenu)
    ON_COMMAND_EX(ID_VIEW_STATUS_BAR, &CFrameWnd::OnBarCheck)
    ON_COMMAND_EX(ID_VIEW_TOOLBAR, &CFrameWnd::OnBarCheck)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMDIFrameWnd, CFrameWnd)
    ON_COMMAND(ID_WINDOW_NEW, &CMDIFrameWnd::OnWindowNew)
    ON_COMMAND_EX(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_COMMAND_EX(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_CASCADE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_HORZ, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_TILE_VERT, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
    ON_UPDATE_COMMAND_UI(ID_WINDOW_ARRANGE, &CMDIFrameWnd::OnUpdateMDIWindowCmd)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMDIChildWnd, CFrameWnd)
    ON_WM_MDIACTIVATE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CView, CWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_PAINT()
    ON_MESSAGE(WM_INITIALUPDATE, &CView::OnInitialUpdateMessage)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CDocument, CCmdTarget)
END_MESSAGE_MAP()

namespace tamo::platform {

namespace {

// A rectangle as x, y, width, height; rectDefault leaves place and size to the platform.
struct Placement {
    int x, y, cx, cy;
};
Placement PlacementOf(const RECT& rect) {
    if (rect.left == CW_USEDEFAULT) return {CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT};
    return {rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top};
}

// The MDI client window object that a frame keeps for its lifetime.
class CMDIClientWnd : public CWnd {
protected:
    LPCTSTR GetDefaultWindowClass() const override { return "TamoMDIClient"; }
};

CString TitleOfResource(UINT id) {
    CString title;
    if (!title.LoadString(id)) return CString();
    const int lineFeed = title.Find('\n');
    return lineFeed >= 0 ? title.Left(lineFeed) : title;
}

// Runs an arrangement of the MDI client's area; nothing before the client exists.
void ArrangeMdiArea(HWND clientWindow, void (QMdiArea::*arrangement)()) {
    if (auto* client = dynamic_cast<MDIClientImpl*>(WndImpl::FromHandle(clientWindow))) (client->area->*arrangement)();
}

}  // namespace

void FrameImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    auto* window = new QMainWindow(parentArea, parentArea ? Qt::Window : Qt::WindowFlags());
    window->setDockNestingEnabled(true);
    auto* central = new WndWidget(this, window);
    central->setAutoFillBackground(false);
    window->setCentralWidget(central);
    window->resize(800, 600);
    (void)cs;
    outer = window;
    client = central;
}

QMainWindow* FrameImpl::Window() const { return qobject_cast<QMainWindow*>(outer.data()); }

void MDIClientImpl::Build(const CREATESTRUCT&, QWidget* parentArea) {
    area = new QMdiArea(parentArea);
    area->setBackground(QBrush(ToQColor(GetSysColor(COLOR_APPWORKSPACE))));
    QObject::connect(area, &QMdiArea::subWindowActivated, this,
                     [this](QMdiSubWindow* window) { OnSubWindowActivated(window); });
    outer = client = area;
}

LRESULT MDIClientImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_MDIACTIVATE:
        Activate(WndImpl::FromHandle(reinterpret_cast<HWND>(wParam)));
        return 0;
    case WM_MDIGETACTIVE: {
        WndImpl* active = Active();
        return active ? reinterpret_cast<LRESULT>(active->Handle()) : 0;
    }
    case WM_MDIDESTROY:
        if (WndImpl* child = WndImpl::FromHandle(reinterpret_cast<HWND>(wParam)); child && child->owner)
            child->owner->DestroyWindow();
        return 0;
    default:
        return WndImpl::DefaultHandling(message, wParam, lParam);
    }
}

void MDIClientImpl::Renumber(const WndImpl* leaving) {
    UINT id = AFX_IDM_FIRST_MDICHILD;
    for (WndImpl* child : children)
        if (child != leaving && dynamic_cast<MDIChildImpl*>(child)) child->id = id++;
}

WndImpl* MDIClientImpl::Active() const {
    auto* active = dynamic_cast<WndImpl*>(activeChild.data());
    return active && active->IsLive() ? active : nullptr;
}

void MDIClientImpl::Activate(WndImpl* child) {
    auto* mdiChild = dynamic_cast<MDIChildImpl*>(child);
    if (!mdiChild || mdiChild->parent != this || !mdiChild->window) return;
    mdiChild->window->show();
    area->setActiveSubWindow(mdiChild->window);
    // Without a shown main window Qt activates nothing: the activation still counts.
    if (Active() != mdiChild) OnSubWindowActivated(mdiChild->window);
}

void MDIClientImpl::OnSubWindowActivated(QMdiSubWindow* window) {
    if (!window || dead) return;
    auto* activated = dynamic_cast<MDIChildImpl*>(WndImpl::FromWidget(window));
    if (!activated || !activated->IsLive()) return;
    WndImpl* previous = Active();
    if (previous == activated) return;
    activeChild = activated;
    const WPARAM deactivating = previous ? reinterpret_cast<WPARAM>(previous->Handle()) : 0;
    const LPARAM activating = reinterpret_cast<LPARAM>(activated->Handle());
    if (previous && previous->owner) previous->owner->SendMessage(WM_MDIACTIVATE, deactivating, activating);
    if (activated->owner) activated->owner->SendMessage(WM_MDIACTIVATE, deactivating, activating);
}

void MDIChildImpl::Build(const CREATESTRUCT&, QWidget* parentArea) {
    window = new QMdiSubWindow;
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    auto* inner = new WndWidget(this, nullptr);
    window->setWidget(inner);
    if (auto* area = qobject_cast<QMdiArea*>(parentArea))
        area->addSubWindow(window);
    else
        window->setParent(parentArea);
    outer = window;
    client = inner;
    if (MDIClientImpl* mdiClient = Client()) mdiClient->Renumber();
}

void MDIChildImpl::SetText(const CString& text) {
    if (window) window->setWindowTitle(ToQ(text));
}

CString MDIChildImpl::GetText() const { return window ? FromQ(window->windowTitle()) : CString(); }

void MDIChildImpl::SetGeometry(const QRect& rect) {
    if (window && rect.width() > 0 && rect.height() > 0) window->setGeometry(rect);
}

QRect MDIChildImpl::Geometry() const { return window ? window->geometry() : QRect(); }

void MDIChildImpl::Show(bool show) {
    if (!window) return;
    if (show)
        window->showMaximized();
    else
        window->hide();
}

void MDIChildImpl::Detaching() {
    MDIClientImpl* mdiClient = Client();
    if (!mdiClient) return;
    mdiClient->Renumber(this);
    if (mdiClient->area && window) mdiClient->area->removeSubWindow(window);
    if (mdiClient->Active() == this) {
        mdiClient->activeChild = nullptr;
        // The next child in the area becomes the active one.
        for (auto it = mdiClient->children.rbegin(); it != mdiClient->children.rend(); ++it)
            if (*it != this && (*it)->IsLive()) {
                QMetaObject::invokeMethod(
                    mdiClient,
                    [mdiClient, next = QPointer<QObject>(*it)] {
                        if (auto* child = dynamic_cast<WndImpl*>(next.data()); child && child->IsLive())
                            mdiClient->Activate(child);
                    },
                    Qt::QueuedConnection);
                break;
            }
    }
}

void ScrollViewImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    scroll = new QScrollArea(parentArea);
    scroll->setWidgetResizable(false);
    scroll->setFrameShape((cs.style & WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
    auto* canvas = new WndWidget(this, nullptr);
    canvas->setAutoFillBackground(true);
    QPalette palette = canvas->palette();
    palette.setColor(QPalette::Window, Qt::white);
    canvas->setPalette(palette);
    scroll->setWidget(canvas);
    viewport = scroll->viewport();
    viewport->installEventFilter(this);
    outer = scroll;
    client = canvas;
}

QSize ScrollViewImpl::ClientSize() const { return viewport ? viewport->size() : QSize(); }

bool ScrollViewImpl::eventFilter(QObject* watched, QEvent* event) {
    if (dead) return false;
    if (watched == viewport && event->type() == QEvent::Resize) {
        SetExtent(extent);
        ReportSize();
        return false;
    }
    if (watched == client && event->type() == QEvent::Resize) return false;
    return WndImpl::eventFilter(watched, event);
}

void ScrollViewImpl::SetExtent(const QSize& total) {
    extent = total;
    if (dead || !viewport || !client) return;
    const QSize view = viewport->size();
    client->resize(std::max(total.width(), view.width()), std::max(total.height(), view.height()));
}

}  // namespace tamo::platform

// CFrameWnd
CFrameWnd::CFrameWnd() = default;

CFrameWnd::~CFrameWnd() { delete m_pMenu; }

BOOL CFrameWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd,
                       LPCTSTR, DWORD dwExStyle, CCreateContext* pContext) {
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    const Placement place = PlacementOf(rect);
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, place.x, place.y, place.cx, place.cy,
                    pParentWnd ? pParentWnd->m_hWnd : nullptr, nullptr, pContext);
}

BOOL CFrameWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    m_nIDResource = nIDResource;
    m_nIDHelp = nIDResource;
    const CString title = TitleOfResource(nIDResource);
    if (ResourceTable::Instance().FindMenu(nIDResource) && !m_pMenu) {
        m_pMenu = new CMenu;
        m_pMenu->LoadMenu(nIDResource);
    }
    if (!Create(nullptr, title, dwDefaultStyle, rectDefault, pParentWnd, nullptr, 0, pContext)) return FALSE;
    if (HICON icon = AfxGetApp() ? AfxGetApp()->LoadIcon(nIDResource) : nullptr) {
        SetIcon(icon, TRUE);
        SetIcon(icon, FALSE);
    }
    return TRUE;
}

int CFrameWnd::OnCreate(LPCREATESTRUCT lpcs) {
    auto* context = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    return OnCreateClient(lpcs, context) ? 0 : -1;
}

BOOL CFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext* pContext) {
    if (pContext && pContext->m_pNewViewClass && !CreateView(pContext, AFX_IDW_PANE_FIRST)) return FALSE;
    return TRUE;
}

CWnd* CFrameWnd::CreateView(CCreateContext* pContext, UINT nID) {
    CObject* object = pContext->m_pNewViewClass->CreateObject();
    auto* view = dynamic_cast<CWnd*>(object);
    if (!view) {
        delete object;
        return nullptr;
    }
    if (!view->Create(nullptr, nullptr, AFX_WS_DEFAULT_VIEW & ~WS_BORDER, CRect(0, 0, 0, 0), this, nID, pContext)) {
        // A view that failed deleted itself when its window went.
        return nullptr;
    }
    RecalcLayout();
    return view;
}

void CFrameWnd::RecalcLayout(BOOL) {
    CWnd* pane = GetDlgItem(AFX_IDW_PANE_FIRST);
    if (!pane) return;
    CRect client;
    GetClientRect(&client);
    pane->MoveWindow(&client);
}

void CFrameWnd::OnSize(UINT, int, int) { RecalcLayout(); }

void CFrameWnd::OnClose() {
    if (CWinApp* app = AfxGetApp(); app && app->m_pMainWnd == this) app->CloseAllDocuments(FALSE);
    DestroyWindow();
}

void CFrameWnd::OnDestroy() { m_pViewActive = nullptr; }

LRESULT CFrameWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
    return CWnd::DefWindowProc(message, wParam, lParam);
}

void CFrameWnd::PostNcDestroy() { delete this; }

CView* CFrameWnd::GetActiveView() const { return m_pViewActive; }

void CFrameWnd::SetActiveView(CView* pViewNew, BOOL bNotify) {
    CView* old = m_pViewActive;
    if (old == pViewNew) return;
    m_pViewActive = pViewNew;
    if (bNotify) {
        if (old) old->OnActivateView(FALSE, pViewNew, old);
        if (pViewNew) pViewNew->OnActivateView(TRUE, pViewNew, old);
    }
}

CDocument* CFrameWnd::GetActiveDocument() {
    CView* view = GetActiveView();
    return view ? view->GetDocument() : nullptr;
}

void CFrameWnd::ActivateFrame(int nCmdShow) { ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow); }

void CFrameWnd::InitialUpdateFrame(CDocument* pDoc, BOOL bMakeVisible) {
    (void)pDoc;
    if (!GetActiveView())
        if (auto* view = dynamic_cast<CView*>(GetDlgItem(AFX_IDW_PANE_FIRST))) SetActiveView(view, FALSE);
    SendMessageToDescendants(WM_INITIALUPDATE, 0, 0, TRUE);
    if (bMakeVisible && m_hWnd) ActivateFrame();
}

BOOL CFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CView* view = GetActiveView(); view && view->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    // Only a top-level frame hands commands on to the application.
    if (GetParentFrame()) return FALSE;
    CWinApp* app = AfxGetApp();
    return app && app->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CFrameWnd::SetMessageText(LPCTSTR lpszText) {
    if (auto* bar = dynamic_cast<CMFCStatusBar*>(GetDescendantWindow(AFX_IDW_STATUS_BAR)))
        bar->SetPaneText(0, lpszText ? lpszText : "");
}

void CFrameWnd::SetMessageText(UINT nID) {
    CString message;
    if (nID != 0) GetMessageString(nID, message);
    SetMessageText(message);
}

void CFrameWnd::GetMessageString(UINT nID, CString& rMessage) const {
    if (nID == AFX_IDS_IDLEMESSAGE) {
        rMessage = IdleMessage();
        return;
    }
    rMessage.Empty();
    if (!rMessage.LoadString(nID)) return;
    const int lineFeed = rMessage.Find('\n');
    if (lineFeed >= 0) rMessage = rMessage.Left(lineFeed);
}

void CFrameWnd::EnableDocking(DWORD) {}

CMenu* CFrameWnd::GetMenu() const { return m_pMenu; }

void CFrameWnd::OnUpdateControlBarMenu(CCmdUI* pCmdUI) {
    CWnd* bar = GetDescendantWindow(
        static_cast<int>(pCmdUI->m_nID == ID_VIEW_STATUS_BAR ? AFX_IDW_STATUS_BAR : AFX_IDW_TOOLBAR));
    if (!bar) {
        pCmdUI->ContinueRouting();
        return;
    }
    pCmdUI->SetCheck((bar->GetStyle() & WS_VISIBLE) ? 1 : 0);
}

BOOL CFrameWnd::OnBarCheck(UINT nID) {
    CWnd* bar = GetDescendantWindow(static_cast<int>(nID == ID_VIEW_STATUS_BAR ? AFX_IDW_STATUS_BAR : AFX_IDW_TOOLBAR));
    if (!bar) return FALSE;
    bar->ShowWindow((bar->GetStyle() & WS_VISIBLE) ? SW_HIDE : SW_SHOW);
    return TRUE;
}

// CMDIFrameWnd
BOOL CMDIFrameWnd::OnCreateClient(LPCREATESTRUCT, CCreateContext*) {
    auto* impl = ImplOf(this);
    auto client = std::make_unique<CMDIClientWnd>();
    if (!client->CreateEx(WS_EX_CLIENTEDGE, "TamoMDIClient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN,
                          CRect(0, 0, 0, 0), this, AFX_IDW_PANE_FIRST))
        return FALSE;
    m_hWndMDIClient = client->m_hWnd;
    impl->ownedWrappers.push_back(std::move(client));
    return TRUE;
}

CMDIChildWnd* CMDIFrameWnd::MDIGetActive(BOOL* pbMaximized) const {
    auto* client = dynamic_cast<MDIClientImpl*>(WndImpl::FromHandle(m_hWndMDIClient));
    WndImpl* active = client ? client->Active() : nullptr;
    if (pbMaximized) *pbMaximized = active && active->outer && active->outer->isMaximized();
    return active ? dynamic_cast<CMDIChildWnd*>(active->owner) : nullptr;
}

void CMDIFrameWnd::MDIActivate(CWnd* pWndActivate) {
    if (pWndActivate) ::SendMessage(m_hWndMDIClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(pWndActivate->m_hWnd), 0);
}

void CMDIFrameWnd::MDINext() { ArrangeMdiArea(m_hWndMDIClient, &QMdiArea::activateNextSubWindow); }

void CMDIFrameWnd::MDIPrev() { ArrangeMdiArea(m_hWndMDIClient, &QMdiArea::activatePreviousSubWindow); }

void CMDIFrameWnd::MDICascade() { ArrangeMdiArea(m_hWndMDIClient, &QMdiArea::cascadeSubWindows); }

void CMDIFrameWnd::MDITile() { ArrangeMdiArea(m_hWndMDIClient, &QMdiArea::tileSubWindows); }

CFrameWnd* CMDIFrameWnd::GetActiveFrame() {
    CMDIChildWnd* child = MDIGetActive();
    return child ? static_cast<CFrameWnd*>(child) : this;
}

CDocument* CMDIFrameWnd::GetActiveDocument() {
    CMDIChildWnd* child = MDIGetActive();
    return child ? child->GetActiveDocument() : CFrameWnd::GetActiveDocument();
}

BOOL CMDIFrameWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CMDIChildWnd* child = MDIGetActive(); child && child->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return CFrameWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CMDIFrameWnd::OnWindowNew() {}

void CMDIFrameWnd::OnUpdateMDIWindowCmd(CCmdUI* pCmdUI) { pCmdUI->Enable(MDIGetActive() != nullptr); }

BOOL CMDIFrameWnd::OnMDIWindowCmd(UINT nID) {
    if (nID == ID_WINDOW_CASCADE)
        MDICascade();
    else
        MDITile();
    return TRUE;
}

// CMDIChildWnd
BOOL CMDIChildWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                          CMDIFrameWnd* pParentWnd, CCreateContext* pContext) {
    if (!pParentWnd) pParentWnd = dynamic_cast<CMDIFrameWnd*>(AfxGetMainWnd());
    if (!pParentWnd || !pParentWnd->m_hWndMDIClient) return FALSE;
    m_strTitle = lpszWindowName ? lpszWindowName : "";
    const Placement place = PlacementOf(rect);
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, place.x, place.y, place.cx, place.cy,
                    pParentWnd->m_hWndMDIClient, nullptr, pContext);
}

BOOL CMDIChildWnd::LoadFrame(UINT nIDResource, DWORD dwDefaultStyle, CWnd* pParentWnd, CCreateContext* pContext) {
    m_nIDResource = nIDResource;
    m_nIDHelp = nIDResource;
    return Create(nullptr, TitleOfResource(nIDResource), dwDefaultStyle & ~WS_VISIBLE, rectDefault,
                  dynamic_cast<CMDIFrameWnd*>(pParentWnd), pContext);
}

CMDIFrameWnd* CMDIChildWnd::GetMDIFrame() const { return dynamic_cast<CMDIFrameWnd*>(GetParentFrame()); }

void CMDIChildWnd::MDIActivate() {
    if (CMDIFrameWnd* frame = GetMDIFrame()) frame->MDIActivate(this);
}

void CMDIChildWnd::MDIDestroy() { DestroyWindow(); }

void CMDIChildWnd::MDIMaximize() {
    if (QWidget* outer = OuterOf(this)) outer->showMaximized();
}

void CMDIChildWnd::MDIRestore() {
    if (QWidget* outer = OuterOf(this)) outer->showNormal();
}

void CMDIChildWnd::ActivateFrame(int nCmdShow) {
    ShowWindow(nCmdShow == -1 ? SW_SHOW : nCmdShow);
    MDIActivate();
}

BOOL CMDIChildWnd::DestroyWindow() { return CFrameWnd::DestroyWindow(); }

void CMDIChildWnd::OnMDIActivate(BOOL bActivate, CWnd* pActivateWnd, CWnd* pDeactivateWnd) {
    (void)pActivateWnd, (void)pDeactivateWnd;
    if (CView* view = GetActiveView()) view->OnActivateView(bActivate, view, view);
}

// CView
CView::~CView() {
    if (m_pDocument) m_pDocument->RemoveView(this);
}

int CView::OnCreate(LPCREATESTRUCT lpcs) {
    auto* context = static_cast<CCreateContext*>(lpcs->lpCreateParams);
    if (context && context->m_pCurrentDoc) context->m_pCurrentDoc->AddView(this);
    return 0;
}

void CView::OnDestroy() {
    if (CFrameWnd* frame = GetParentFrame(); frame && frame->GetActiveView() == this)
        frame->SetActiveView(nullptr, FALSE);
}

void CView::OnPaint() {
    CPaintDC dc(this);
    OnDraw(&dc);
}

LRESULT CView::OnInitialUpdateMessage(WPARAM, LPARAM) {
    OnInitialUpdate();
    return 0;
}

void CView::OnInitialUpdate() { OnUpdate(nullptr, 0, nullptr); }

void CView::OnUpdate(CView*, LPARAM, CObject*) { Invalidate(TRUE); }

void CView::OnActivateView(BOOL, CView*, CView*) {}

BOOL CView::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CWnd::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocument && m_pDocument->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

void CView::PostNcDestroy() { delete this; }

// CScrollView
void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage, const SIZE& sizeLine) {
    m_nMapMode = nMapMode;
    m_totalLog = sizeTotal;
    m_pageDev = sizePage;
    m_lineDev = sizeLine;
    if (auto* impl = ImplAs<ScrollViewImpl>(this)) {
        impl->SetExtent(QSize(sizeTotal.cx, sizeTotal.cy));
        if (sizeLine.cy > 0) impl->scroll->verticalScrollBar()->setSingleStep(sizeLine.cy);
        if (sizeLine.cx > 0) impl->scroll->horizontalScrollBar()->setSingleStep(sizeLine.cx);
    }
}

CPoint CScrollView::GetScrollPosition() const {
    auto* impl = ImplAs<ScrollViewImpl>(this);
    return impl ? CPoint(impl->scroll->horizontalScrollBar()->value(), impl->scroll->verticalScrollBar()->value())
                : CPoint();
}

void CScrollView::ScrollToPosition(POINT pt) {
    if (auto* impl = ImplAs<ScrollViewImpl>(this)) {
        impl->scroll->horizontalScrollBar()->setValue(pt.x);
        impl->scroll->verticalScrollBar()->setValue(pt.y);
    }
}

void CScrollView::OnSize(UINT, int, int) {
    if (auto* impl = ImplAs<ScrollViewImpl>(this)) impl->SetExtent(QSize(m_totalLog.cx, m_totalLog.cy));
}

// CDocument
CDocument::~CDocument() {
    for (CView* view : m_viewList) view->m_pDocument = nullptr;
    if (m_pDocTemplate) m_pDocTemplate->RemoveDocument(this);
}

BOOL CDocument::OnNewDocument() {
    DeleteContents();
    m_strPathName.Empty();
    m_bModified = FALSE;
    return TRUE;
}

BOOL CDocument::OnOpenDocument(LPCTSTR lpszPathName) {
    DeleteContents();
    SetPathName(lpszPathName);
    return TRUE;
}

void CDocument::OnCloseDocument() {
    // Closes the windows that show the document; their views leave it as they go.
    const auto views = m_viewList;
    const BOOL autoDelete = m_bAutoDelete;
    m_bAutoDelete = FALSE;
    for (CView* view : views)
        if (CFrameWnd* frame = view->GetParentFrame(); frame && frame->m_hWnd) frame->DestroyWindow();
    DeleteContents();
    m_bAutoDelete = autoDelete;
    if (m_bAutoDelete) delete this;
}

BOOL CDocument::CanCloseFrame(CFrameWnd*) { return SaveModified(); }

void CDocument::OnChangedViewList() {
    if (m_viewList.empty() && m_bAutoDelete) OnCloseDocument();
}

void CDocument::AddView(CView* pView) {
    if (std::find(m_viewList.begin(), m_viewList.end(), pView) != m_viewList.end()) return;
    m_viewList.push_back(pView);
    pView->m_pDocument = this;
    OnChangedViewList();
}

void CDocument::RemoveView(CView* pView) {
    const auto at = std::find(m_viewList.begin(), m_viewList.end(), pView);
    if (at == m_viewList.end()) return;
    m_viewList.erase(at);
    pView->m_pDocument = nullptr;
    OnChangedViewList();
}

POSITION CDocument::GetFirstViewPosition() const { return FirstPositionOf(m_viewList); }

CView* CDocument::GetNextView(POSITION& rPosition) const { return NextAt(m_viewList, rPosition); }

void CDocument::UpdateAllViews(CView* pSender, LPARAM lHint, CObject* pHint) {
    for (CView* view : m_viewList)
        if (view != pSender) view->OnUpdate(pSender, lHint, pHint);
}

void CDocument::SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle ? lpszTitle : ""; }

void CDocument::SetPathName(LPCTSTR lpszPathName, BOOL) { m_strPathName = lpszPathName ? lpszPathName : ""; }

BOOL CDocument::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) {
    if (CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo)) return TRUE;
    return m_pDocTemplate && m_pDocTemplate->OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// Document templates
CDocTemplate::CDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                           CRuntimeClass* pViewClass)
    : m_nIDResource(nIDResource), m_pDocClass(pDocClass), m_pFrameClass(pFrameClass), m_pViewClass(pViewClass) {}

CDocument* CDocTemplate::CreateNewDocument() {
    CObject* object = m_pDocClass ? m_pDocClass->CreateObject() : nullptr;
    auto* document = dynamic_cast<CDocument*>(object);
    if (!document) {
        delete object;
        return nullptr;
    }
    AddDocument(document);
    return document;
}

CFrameWnd* CDocTemplate::CreateNewFrame(CDocument* pDoc, CFrameWnd* pOther) {
    CCreateContext context;
    context.m_pCurrentFrame = pOther;
    context.m_pCurrentDoc = pDoc;
    context.m_pNewViewClass = m_pViewClass;
    context.m_pNewDocTemplate = this;
    CObject* object = m_pFrameClass ? m_pFrameClass->CreateObject() : nullptr;
    auto* frame = dynamic_cast<CFrameWnd*>(object);
    if (!frame) {
        delete object;
        return nullptr;
    }
    // A frame that fails to load deletes itself when its window goes.
    if (!frame->LoadFrame(m_nIDResource, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE, nullptr, &context)) return nullptr;
    return frame;
}

void CDocTemplate::InitialUpdateFrame(CFrameWnd* pFrame, CDocument* pDoc, BOOL bMakeVisible) {
    if (pFrame) pFrame->InitialUpdateFrame(pDoc, bMakeVisible);
}

CDocument* CDocTemplate::OpenDocumentFile(LPCTSTR lpszPathName, BOOL bMakeVisible) {
    CDocument* document = CreateNewDocument();
    if (!document) return nullptr;
    const BOOL autoDelete = document->m_bAutoDelete;
    document->m_bAutoDelete = FALSE;
    CFrameWnd* frame = CreateNewFrame(document, nullptr);
    document->m_bAutoDelete = autoDelete;
    if (!frame) {
        delete document;
        return nullptr;
    }
    const BOOL opened = lpszPathName ? document->OnOpenDocument(lpszPathName) : document->OnNewDocument();
    if (!opened) {
        frame->DestroyWindow();
        return nullptr;
    }
    InitialUpdateFrame(frame, document, bMakeVisible);
    return document;
}

void CDocTemplate::AddDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = this; }

void CDocTemplate::RemoveDocument(CDocument* pDoc) { pDoc->m_pDocTemplate = nullptr; }

void CDocTemplate::CloseAllDocuments(BOOL) {
    std::vector<CDocument*> documents;
    for (POSITION pos = GetFirstDocPosition(); pos;) documents.push_back(GetNextDoc(pos));
    for (CDocument* document : documents) document->OnCloseDocument();
}

CMultiDocTemplate::CMultiDocTemplate(UINT nIDResource, CRuntimeClass* pDocClass, CRuntimeClass* pFrameClass,
                                     CRuntimeClass* pViewClass)
    : CDocTemplate(nIDResource, pDocClass, pFrameClass, pViewClass) {}

CMultiDocTemplate::~CMultiDocTemplate() {
    for (CDocument* document : m_docList) document->m_pDocTemplate = nullptr;
}

void CMultiDocTemplate::AddDocument(CDocument* pDoc) {
    CDocTemplate::AddDocument(pDoc);
    m_docList.push_back(pDoc);
}

void CMultiDocTemplate::RemoveDocument(CDocument* pDoc) {
    CDocTemplate::RemoveDocument(pDoc);
    std::erase(m_docList, pDoc);
}

POSITION CMultiDocTemplate::GetFirstDocPosition() const { return FirstPositionOf(m_docList); }

CDocument* CMultiDocTemplate::GetNextDoc(POSITION& rPos) const { return NextAt(m_docList, rPos); }
