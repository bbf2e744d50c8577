#include <QDockWidget>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenuBar>
#include <QStatusBar>
#include <QTabBar>
#include <QToolBar>
#include <QToolButton>

#include "CDockablePane.h"
#include "CMDIFrameWnd.h"
#include "CMFCToolBar.h"
#include "CMFCToolBarsCustomizeDialog.h"
#include "CMFCVisualManager.h"
#include "CMenu.h"
#include "CToolTipCtrl.h"
#include "CWinApp.h"
#include "FrameImpls.h"
#include "GdiImpl.h"
#include "MenuImpl.h"
#include "PaneImpls.h"
#include "QtText.h"
#include "ResourceTable.h"
#include "WndWidget.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CBasePane, CWnd)
IMPLEMENT_DYNAMIC(CPane, CBasePane)
IMPLEMENT_DYNAMIC(CDockablePane, CPane)
IMPLEMENT_DYNAMIC(CMFCToolBar, CPane)
IMPLEMENT_DYNAMIC(CMFCMenuBar, CMFCToolBar)
IMPLEMENT_DYNAMIC(CMFCStatusBar, CBasePane)
IMPLEMENT_DYNAMIC(CMDIFrameWndEx, CMDIFrameWnd)
IMPLEMENT_DYNAMIC(CToolTipCtrl, CWnd)
IMPLEMENT_DYNCREATE(CMFCToolTipCtrl, CToolTipCtrl)
IMPLEMENT_DYNCREATE(CMFCVisualManager, CObject)
IMPLEMENT_DYNCREATE(CMFCVisualManagerOffice2003, CMFCVisualManager)
IMPLEMENT_DYNCREATE(CMFCVisualManagerVS2005, CMFCVisualManagerOffice2003)
IMPLEMENT_DYNCREATE(CMFCVisualManagerVS2008, CMFCVisualManagerVS2005)
IMPLEMENT_DYNCREATE(CMFCVisualManagerWindows, CMFCVisualManager)

const UINT AFX_WM_CREATETOOLBAR = RegisterWindowMessage("AFX_WM_CREATETOOLBAR");
const UINT AFX_WM_CHANGE_ACTIVE_TAB = RegisterWindowMessage("AFX_WM_CHANGE_ACTIVE_TAB");
const UINT AFX_WM_RESETTOOLBAR = RegisterWindowMessage("AFX_WM_RESETTOOLBAR");

BEGIN_MESSAGE_MAP(CDockablePane, CPane)
    ON_WM_SIZE()
    ON_WM_SETFOCUS()
    ON_WM_CONTEXTMENU()
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CMDIFrameWndEx, CMDIFrameWnd)
    ON_REGISTERED_MESSAGE(AFX_WM_CREATETOOLBAR, &CMDIFrameWndEx::OnToolbarCreateNew)
END_MESSAGE_MAP()

namespace tamo::platform {

namespace {

Qt::DockWidgetArea AreaOf(DWORD alignment) {
    if (alignment & CBRS_ALIGN_BOTTOM) return Qt::BottomDockWidgetArea;
    if (alignment & CBRS_ALIGN_RIGHT) return Qt::RightDockWidgetArea;
    if (alignment & CBRS_ALIGN_TOP) return Qt::TopDockWidgetArea;
    return Qt::LeftDockWidgetArea;
}

Qt::DockWidgetAreas AreasOf(DWORD alignment) {
    Qt::DockWidgetAreas areas;
    if (alignment & CBRS_ALIGN_LEFT) areas |= Qt::LeftDockWidgetArea;
    if (alignment & CBRS_ALIGN_RIGHT) areas |= Qt::RightDockWidgetArea;
    if (alignment & CBRS_ALIGN_TOP) areas |= Qt::TopDockWidgetArea;
    if (alignment & CBRS_ALIGN_BOTTOM) areas |= Qt::BottomDockWidgetArea;
    return areas;
}

// The tooltip of a command: the part of its string after the line feed.
QString ToolTipOf(UINT id) {
    CString text;
    if (!text.LoadString(id)) return QString();
    const int lineFeed = text.Find('\n');
    return ToQ(lineFeed >= 0 ? text.Mid(lineFeed + 1) : text);
}

// The images of a toolbar resource: its bitmap cut into buttons (light grey and magenta are transparent).
std::vector<QPixmap> ToolbarImages(UINT id, const ToolbarTemplate& toolbar) {
    std::vector<QPixmap> images;
    QImage strip = LoadResourceImage(false, id).convertToFormat(QImage::Format_ARGB32);
    if (strip.isNull()) return images;
    for (int y = 0; y < strip.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(strip.scanLine(y));
        for (int x = 0; x < strip.width(); ++x) {
            const QRgb pixel = line[x] & 0x00FFFFFF;
            if (pixel == 0x00C0C0C0 || pixel == 0x00FF00FF) line[x] = 0;
        }
    }
    const int width = std::max(1, toolbar.buttonWidth);
    for (int x = 0; x + width <= strip.width(); x += width)
        images.push_back(QPixmap::fromImage(strip.copy(x, 0, width, std::min(toolbar.buttonHeight, strip.height()))));
    return images;
}

}  // namespace

namespace {

// The index of the dock's tab in its group's tab bar, -1 when it is in none: the bar holds the docks as its
// tabs' data.
int TabIndexOf(QMainWindow* window, const QDockWidget* dock, QTabBar** bar = nullptr) {
    for (QTabBar* tabs : window->findChildren<QTabBar*>(Qt::FindDirectChildrenOnly))
        for (int i = 0; i < tabs->count(); ++i)
            if (tabs->tabData(i).value<quintptr>() == reinterpret_cast<quintptr>(dock)) {
                if (bar) *bar = tabs;
                return i;
            }
    return -1;
}

}  // namespace

QMainWindow* MainWindowOf(WndImpl* impl) {
    for (WndImpl* at = impl; at; at = at->parent)
        if (auto* frame = dynamic_cast<FrameImpl*>(at)) return frame->Window();
    return nullptr;
}

void DockPaneImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    QMainWindow* window = MainWindowOf(parent);
    dock = new QDockWidget(window ? static_cast<QWidget*>(window) : parentArea);
    dock->setObjectName(ToQ(cs.lpszName));
    dock->setFeatures(QDockWidget::DockWidgetMovable | QDockWidget::DockWidgetFloatable |
                      QDockWidget::DockWidgetClosable);
    auto* area = new WndWidget(this, nullptr);
    area->setAutoFillBackground(true);
    dock->setWidget(area);
    dock->hide();
    QObject::connect(dock, &QDockWidget::visibilityChanged, this, [this](bool visible) { VisibilityChanged(visible); });
    initialSize = QSize(cs.cx, cs.cy);
    outer = dock;
    client = area;
}

void DockPaneImpl::SetText(const CString& text) {
    if (dock) dock->setWindowTitle(ToQ(text));
}

CString DockPaneImpl::GetText() const { return dock ? FromQ(dock->windowTitle()) : CString(); }

void DockPaneImpl::SetGeometry(const QRect& rect) {
    // A docked pane gets its place from the dock; only the size it asks for is kept.
    if (rect.width() > 0 && rect.height() > 0) initialSize = rect.size();
    if (dock && dock->isFloating()) dock->setGeometry(rect);
}

void DockPaneImpl::Show(bool show) {
    if (!dock) return;
    // The pane shows once it is docked (DockPane or AttachToTabWnd).
    if (show && !MainWindowOf(parent))
        dock->show();
    else if (!show)
        dock->hide();
    else if (MainWindowOf(parent)->dockWidgetArea(dock) != Qt::NoDockWidgetArea)
        dock->show();
}

LRESULT DockPaneImpl::DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) {
        if (dock) dock->hide();
        return 0;
    }
    return WndImpl::DefaultHandling(message, wParam, lParam);
}

void DockPaneImpl::VisibilityChanged(bool visible) {
    QMainWindow* window = MainWindowOf(parent);
    // Hidden behind another tab, the pane stays the group's last tab until another one shows: a window that
    // is minimised and shown again changes no tab.
    if (!visible || dead || !window) return;
    const QList<QDockWidget*> group = window->tabifiedDockWidgets(dock);
    bool tookOver = false;
    for (QDockWidget* other : group)
        if (auto* pane = dynamic_cast<DockPaneImpl*>(FromWidget(other)); pane && pane->activeTab) {
            pane->activeTab = false;
            tookOver = true;
        }
    const bool wasActive = activeTab;
    activeTab = !group.isEmpty();
    if (!tookOver || wasActive || !parent || !parent->IsLive() || !parent->owner) return;
    parent->owner->SendMessage(AFX_WM_CHANGE_ACTIVE_TAB, static_cast<WPARAM>(std::max(0, TabIndexOf(window, dock))),
                               reinterpret_cast<LPARAM>(owner));
}

void DockPaneImpl::Detaching() {
    if (QMainWindow* window = MainWindowOf(parent); window && dock) window->removeDockWidget(dock);
}

void ToolBarImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    QMainWindow* window = dynamic_cast<FrameImpl*>(parent) ? MainWindowOf(parent) : nullptr;
    bar = new QToolBar(window ? static_cast<QWidget*>(window) : parentArea);
    bar->setObjectName(QStringLiteral("toolbar%1").arg(reinterpret_cast<quintptr>(cs.hMenu)));
    bar->setIconSize(QSize(16, 15));
    bar->setMovable(window != nullptr);
    inFrame = window != nullptr;
    if (window) window->addToolBar(Qt::TopToolBarArea, bar);
    outer = client = bar;
}

void ToolBarImpl::Detaching() {
    if (QMainWindow* window = inFrame ? MainWindowOf(parent) : nullptr; window && bar) window->removeToolBar(bar);
}

void MenuBarImpl::Build(const CREATESTRUCT&, QWidget* parentArea) {
    QMainWindow* window = MainWindowOf(parent);
    bar = new QMenuBar(window ? static_cast<QWidget*>(window) : parentArea);
    if (window) window->setMenuBar(bar);
    outer = client = bar;
}

namespace {

const char* const kPaneListEntry = "tamoPaneListEntry";

// The toolbars of the frame, then its docking panes, in creation order: what its pane list shows.
std::vector<CBasePane*> ListedPanes(WndImpl* frame) {
    std::vector<CBasePane*> toolbars, panes;
    for (WndImpl* child : frame->children) {
        if (!child->IsLive()) continue;
        if (auto* bar = dynamic_cast<ToolBarImpl*>(child); bar && bar->inFrame)
            if (auto* pane = dynamic_cast<CBasePane*>(child->owner)) toolbars.push_back(pane);
        if (dynamic_cast<DockPaneImpl*>(child))
            if (auto* pane = dynamic_cast<CBasePane*>(child->owner)) panes.push_back(pane);
    }
    toolbars.insert(toolbars.end(), panes.begin(), panes.end());
    return toolbars;
}

// Before a menu of the frame shows: when it holds the frame's pane list item, that item gives way to one
// checked entry per toolbar and pane (choosing one shows or hides it) and the customize command.
void ShowPaneList(QMenu* menu, HWND frameHandle) {
    for (QAction* action : menu->actions()) {
        if (!action->property(kPaneListEntry).toBool()) continue;
        menu->removeAction(action);
        action->deleteLater();
    }
    auto* frame = dynamic_cast<FrameImpl*>(WndImpl::FromHandle(frameHandle));
    if (!frame || frame->paneMenu.entryId == 0) return;
    QAction* entry = nullptr;
    for (QAction* action : menu->actions())
        if (!action->menu() && !action->isSeparator() && action->data().toUInt() == frame->paneMenu.entryId)
            entry = action;
    if (!entry) return;
    entry->setVisible(false);
    // Every entry shows its prompt while hovered: a pane's entry has none, so the status bar goes empty.
    const auto insert = [menu, entry, frameHandle](QAction* action) {
        action->setProperty(kPaneListEntry, true);
        const UINT id = action->data().toUInt();
        QObject::connect(action, &QAction::hovered, menu, [frameHandle, id] { ShowMenuPrompt(frameHandle, id); });
        menu->insertAction(entry, action);
    };
    for (CBasePane* pane : ListedPanes(frame)) {
        auto* action = new QAction(ToQ(pane->GetPaneName()), menu);
        action->setCheckable(true);
        action->setChecked(pane->IsPaneVisible());
        const HWND paneHandle = pane->m_hWnd;
        QObject::connect(action, &QAction::triggered, menu, [paneHandle] {
            WndImpl* impl = WndImpl::FromHandle(paneHandle);
            if (auto* shown = impl ? dynamic_cast<CBasePane*>(impl->owner) : nullptr)
                shown->ShowPane(!shown->IsPaneVisible(), FALSE, TRUE);
        });
        insert(action);
    }
    if (frame->paneMenu.customizeCommand == 0) return;
    auto* separator = new QAction(menu);
    separator->setSeparator(true);
    insert(separator);
    auto* customize = new QAction(ToQ(frame->paneMenu.customizeLabel), menu);
    customize->setData(frame->paneMenu.customizeCommand);
    const UINT command = frame->paneMenu.customizeCommand;
    QObject::connect(customize, &QAction::triggered, menu,
                     [frameHandle, command] { ::SendMessage(frameHandle, WM_COMMAND, MAKEWPARAM(command, 0), 0); });
    insert(customize);
}

}  // namespace

void MenuBarImpl::Fill(HMENU handle) {
    menu = handle;
    bar->clear();
    MenuNode* node = MenuOf(handle);
    CWnd* frame = parent ? parent->owner : nullptr;
    if (!node || !frame) return;
    auto* frameWnd = dynamic_cast<CFrameWnd*>(frame);
    const bool autoDisable = frameWnd && frameWnd->m_bAutoMenuEnable;
    const HWND target = frame->m_hWnd;
    for (MenuNode::Item& item : node->items) {
        if (!item.popup) continue;
        QMenu* popup = bar->addMenu(ToQ(item.text));
        FillQMenu(
            popup, item.popup.get(), frame, autoDisable,
            [target](UINT id) { ::SendMessage(target, WM_COMMAND, MAKEWPARAM(id, 0), 0); }, target);
        // After the update handlers (connected first) the pane list takes the place of its item.
        QList<QMenu*> menus = popup->findChildren<QMenu*>();
        menus.prepend(popup);
        for (QMenu* menu : menus)
            QObject::connect(menu, &QMenu::aboutToShow, menu, [menu, target] { ShowPaneList(menu, target); });
    }
}

CString IdleMessage() {
    CString text;
    if (!text.LoadString(AFX_IDS_IDLEMESSAGE)) text = "준비";
    return text;
}

void StatusBarImpl::Build(const CREATESTRUCT&, QWidget* parentArea) {
    QMainWindow* window = MainWindowOf(parent);
    bar = new QStatusBar(window ? static_cast<QWidget*>(window) : parentArea);
    bar->setSizeGripEnabled(true);
    if (window) window->setStatusBar(bar);
    outer = client = bar;
}

}  // namespace tamo::platform

// Panes
void CBasePane::EnableDocking(DWORD dwAlignment) {
    m_dwEnabledAlignment = dwAlignment;
    if (auto* pane = ImplAs<DockPaneImpl>(this)) pane->dock->setAllowedAreas(AreasOf(dwAlignment));
}

DWORD CBasePane::GetCurrentAlignment() const {
    auto* pane = ImplAs<DockPaneImpl>(this);
    QMainWindow* window = pane ? MainWindowOf(pane->parent) : nullptr;
    if (!window) return m_dwInitialAlignment;
    switch (window->dockWidgetArea(pane->dock)) {
    case Qt::RightDockWidgetArea:
        return CBRS_ALIGN_RIGHT;
    case Qt::TopDockWidgetArea:
        return CBRS_ALIGN_TOP;
    case Qt::BottomDockWidgetArea:
        return CBRS_ALIGN_BOTTOM;
    default:
        return CBRS_ALIGN_LEFT;
    }
}

void CBasePane::ShowPane(BOOL bShow, BOOL, BOOL bActivate) {
    WndImpl* impl = ImplOf(this);
    if (!impl || !impl->outer) return;
    impl->outer->setVisible(bShow);
    if (bShow && bActivate) {
        impl->outer->raise();
        if (impl->client) impl->client->setFocus();
    }
}

BOOL CBasePane::IsPaneVisible() const {
    WndImpl* impl = ImplOf(this);
    return impl && impl->outer && !impl->outer->isHidden();
}

BOOL CBasePane::IsDocked() const {
    auto* pane = ImplAs<DockPaneImpl>(this);
    QMainWindow* window = pane ? MainWindowOf(pane->parent) : nullptr;
    return window && !pane->dock->isFloating() && window->dockWidgetArea(pane->dock) != Qt::NoDockWidgetArea;
}

BOOL CBasePane::IsFloating() const {
    auto* pane = ImplAs<DockPaneImpl>(this);
    return pane && pane->dock->isFloating();
}

CString CBasePane::GetPaneName() const {
    CString name;
    GetWindowText(name);
    return name;
}

BOOL CDockablePane::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, const RECT& rect, BOOL, UINT nID, DWORD dwStyle,
                           DWORD, DWORD, CCreateContext* pContext) {
    m_dwInitialAlignment = dwStyle & CBRS_ALIGN_ANY;
    m_dwPaneStyle = dwStyle;
    return CreateEx(0, "TamoDockPane", lpszCaption, (dwStyle | WS_CHILD) & ~CBRS_ALIGN_ANY, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd ? pParentWnd->m_hWnd : nullptr,
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CDockablePane::Create(LPCTSTR lpszCaption, CWnd* pParentWnd, CSize sizeDefault, BOOL bHasGripper, UINT nID,
                           DWORD dwStyle, DWORD dwTabbedStyle, DWORD dwControlBarStyle) {
    return Create(lpszCaption, pParentWnd, CRect(CPoint(0, 0), sizeDefault), bHasGripper, nID, dwStyle, dwTabbedStyle,
                  dwControlBarStyle);
}

CDockablePane* CDockablePane::AttachToTabWnd(CDockablePane* pTabControlBarAttachTo, int, BOOL bSetActive,
                                             CDockablePane** ppTabbedControlBar) {
    auto* pane = ImplAs<DockPaneImpl>(this);
    auto* target = ImplAs<DockPaneImpl>(pTabControlBarAttachTo);
    QMainWindow* window = pane ? MainWindowOf(pane->parent) : nullptr;
    if (!pane || !target || !window) return nullptr;
    window->tabifyDockWidget(target->dock, pane->dock);
    pane->dock->show();
    (bSetActive ? pane->dock : target->dock)->raise();
    if (ppTabbedControlBar) *ppTabbedControlBar = pTabControlBarAttachTo;
    return pTabControlBarAttachTo;
}

BOOL CDockablePane::IsTabbed() const { return GetTabbedPaneCount() > 1; }

int CDockablePane::GetTabbedPaneCount() const {
    auto* pane = ImplAs<DockPaneImpl>(this);
    QMainWindow* window = pane ? MainWindowOf(pane->parent) : nullptr;
    return window ? static_cast<int>(window->tabifiedDockWidgets(pane->dock).size()) + 1 : 0;
}

BOOL CDockablePane::IsActiveTab() const {
    auto* pane = ImplAs<DockPaneImpl>(this);
    QMainWindow* window = pane ? MainWindowOf(pane->parent) : nullptr;
    if (!window || pane->dock->isHidden()) return FALSE;
    if (window->tabifiedDockWidgets(pane->dock).isEmpty()) return TRUE;
    QTabBar* tabs = nullptr;
    const int index = TabIndexOf(window, pane->dock, &tabs);
    if (index >= 0) return tabs->currentIndex() == index;
    return !pane->dock->visibleRegion().isEmpty();
}

void CDockablePane::OnSize(UINT, int, int) { Default(); }
void CDockablePane::OnSetFocus(CWnd*) { Default(); }
void CDockablePane::OnContextMenu(CWnd*, CPoint) { Default(); }

// Toolbars
BOOL CMFCToolBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, TBSTYLE_FLAT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CMFCToolBar::CreateEx(CWnd* pParentWnd, DWORD, DWORD dwStyle, CRect, UINT nID) {
    m_dwPaneStyle = dwStyle;
    return CWnd::CreateEx(0, GetDefaultWindowClass(), nullptr, WS_CHILD | (dwStyle & WS_VISIBLE), 0, 0, 0, 0,
                          pParentWnd ? pParentWnd->m_hWnd : nullptr,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CMFCToolBar::LoadToolBar(UINT uiResID, UINT, UINT, BOOL, UINT, UINT, UINT) {
    auto* impl = ImplAs<ToolBarImpl>(this);
    const ToolbarTemplate* toolbar = ResourceTable::Instance().FindToolbar(uiResID);
    if (!impl || !toolbar) return FALSE;
    m_uiResID = uiResID;
    const std::vector<QPixmap> images = ToolbarImages(uiResID, *toolbar);
    impl->bar->setIconSize(QSize(toolbar->buttonWidth, toolbar->buttonHeight));
    size_t image = 0;
    CWnd* owner = GetOwner();
    const HWND target = owner ? owner->m_hWnd : nullptr;
    for (UINT id : toolbar->commands) {
        if (id == ID_SEPARATOR) {
            impl->bar->addSeparator();
            continue;
        }
        QAction* action = impl->bar->addAction(image < images.size() ? QIcon(images[image]) : QIcon(), QString());
        ++image;
        action->setData(id);
        action->setToolTip(ToolTipOf(id));
        QObject::connect(action, &QAction::triggered, impl->bar,
                         [target, id] { ::SendMessage(target, WM_COMMAND, MAKEWPARAM(id, 0), 0); });
    }
    return TRUE;
}

void CMFCToolBar::EnableCustomizeButton(BOOL bEnable, int iCustomizeCmd, const CString& strCustomizeText, BOOL) {
    auto* impl = ImplAs<ToolBarImpl>(this);
    if (!impl || !bEnable) return;
    m_iCustomizeCmd = iCustomizeCmd;
    impl->bar->addSeparator();
    QAction* action = impl->bar->addAction(ToQ(strCustomizeText));
    action->setData(static_cast<UINT>(iCustomizeCmd));
    CWnd* owner = GetOwner();
    const HWND target = owner ? owner->m_hWnd : nullptr;
    QObject::connect(action, &QAction::triggered, impl->bar,
                     [target, iCustomizeCmd] { ::SendMessage(target, WM_COMMAND, MAKEWPARAM(iCustomizeCmd, 0), 0); });
}

int CMFCToolBar::GetCount() const {
    auto* impl = ImplAs<ToolBarImpl>(this);
    return impl ? static_cast<int>(impl->bar->actions().size()) : 0;
}

UINT CMFCToolBar::GetItemID(int nIndex) const {
    auto* impl = ImplAs<ToolBarImpl>(this);
    if (!impl || nIndex < 0 || nIndex >= impl->bar->actions().size()) return 0;
    QAction* action = impl->bar->actions()[nIndex];
    return action->isSeparator() ? ID_SEPARATOR : action->data().toUInt();
}

BOOL CMFCToolBar::IsButtonEnabled(UINT nCommandID) const {
    auto* impl = ImplAs<ToolBarImpl>(this);
    if (!impl) return FALSE;
    for (QAction* action : impl->bar->actions())
        if (!action->isSeparator() && action->data().toUInt() == nCommandID) return action->isEnabled();
    return FALSE;
}

namespace {

class ToolButtonUI : public CCmdUI {
public:
    explicit ToolButtonUI(QAction* action) : m_action(action) {}
    void Enable(BOOL bOn) override {
        CCmdUI::Enable(bOn);
        m_action->setEnabled(bOn);
    }
    void SetCheck(int nCheck) override {
        CCmdUI::SetCheck(nCheck);
        m_action->setCheckable(nCheck != 0);
        m_action->setChecked(nCheck != 0);
    }

private:
    QAction* m_action;
};

}  // namespace

void CMFCToolBar::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) {
    auto* impl = ImplAs<ToolBarImpl>(this);
    if (!impl || !pTarget) return;
    for (QAction* action : impl->bar->actions()) {
        if (action->isSeparator() || action->data().toUInt() == 0) continue;
        ToolButtonUI ui(action);
        ui.m_nID = action->data().toUInt();
        ui.m_pOther = this;
        ui.DoUpdate(pTarget, bDisableIfNoHndler);
    }
}

BOOL CMFCToolBar::AddToolBarForImageCollection(UINT uiResID, UINT uiBmpResID, UINT, UINT, UINT, UINT) {
    const ToolbarTemplate* toolbar = ResourceTable::Instance().FindToolbar(uiResID);
    if (!toolbar) return FALSE;
    const std::vector<QPixmap> images = ToolbarImages(uiBmpResID ? uiBmpResID : uiResID, *toolbar);
    size_t image = 0;
    for (UINT id : toolbar->commands) {
        if (id == ID_SEPARATOR) continue;
        if (image < images.size()) SetCommandImage(id, images[image]);
        ++image;
    }
    return TRUE;
}

BOOL CMFCMenuBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CreateEx(pParentWnd, TBSTYLE_TRANSPARENT, dwStyle, CRect(1, 1, 1, 1), nID);
}

BOOL CMFCMenuBar::CreateEx(CWnd* pParentWnd, DWORD dwCtrlStyle, DWORD dwStyle, CRect rcBorders, UINT nID) {
    if (!CMFCToolBar::CreateEx(pParentWnd, dwCtrlStyle, dwStyle | WS_VISIBLE, rcBorders, nID)) return FALSE;
    if (CMenu* menu = pParentWnd ? pParentWnd->GetMenu() : nullptr) CreateFromMenu(menu->m_hMenu);
    return TRUE;
}

void CMFCMenuBar::CreateFromMenu(HMENU hMenu, BOOL, BOOL) {
    if (auto* impl = ImplAs<MenuBarImpl>(this)) impl->Fill(hMenu);
}

HMENU CMFCMenuBar::GetHMenu() const {
    auto* impl = ImplAs<MenuBarImpl>(this);
    return impl ? impl->menu : nullptr;
}

BOOL CMFCStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID) {
    return CWnd::CreateEx(0, "TamoStatusBar", nullptr, WS_CHILD | (dwStyle & WS_VISIBLE), 0, 0, 0, 0,
                          pParentWnd ? pParentWnd->m_hWnd : nullptr,
                          reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)));
}

BOOL CMFCStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount) {
    auto* impl = ImplAs<StatusBarImpl>(this);
    if (!impl) return FALSE;
    for (QLabel* label : impl->panes) delete label;
    impl->panes.clear();
    impl->ids.assign(lpIDArray, lpIDArray + nIDCount);
    for (int i = 0; i < nIDCount; ++i) {
        const UINT id = lpIDArray[i];
        CString text;
        if (id == ID_SEPARATOR) {
            text = IdleMessage();
        } else if (!text.LoadString(id)) {
            text = id == ID_INDICATOR_CAPS   ? "CAP"
                   : id == ID_INDICATOR_NUM  ? "NUM"
                   : id == ID_INDICATOR_SCRL ? "SCRL"
                                             : "";
        }
        auto* label = new QLabel(ToQ(text));
        label->setContentsMargins(4, 0, 4, 0);
        if (id == ID_SEPARATOR) {
            impl->bar->addWidget(label, 1);
        } else {
            label->setEnabled(false);
            impl->bar->addPermanentWidget(label);
        }
        impl->panes.push_back(label);
    }
    return TRUE;
}

BOOL CMFCStatusBar::SetPaneText(int nIndex, LPCTSTR lpszNewText, BOOL) {
    auto* impl = ImplAs<StatusBarImpl>(this);
    if (!impl || nIndex < 0 || nIndex >= static_cast<int>(impl->panes.size())) return FALSE;
    impl->panes[static_cast<size_t>(nIndex)]->setText(ToQ(lpszNewText));
    return TRUE;
}

CString CMFCStatusBar::GetPaneText(int nIndex) const {
    auto* impl = ImplAs<StatusBarImpl>(this);
    if (!impl || nIndex < 0 || nIndex >= static_cast<int>(impl->panes.size())) return CString();
    return FromQ(impl->panes[static_cast<size_t>(nIndex)]->text());
}

int CMFCStatusBar::GetCount() const {
    auto* impl = ImplAs<StatusBarImpl>(this);
    return impl ? static_cast<int>(impl->panes.size()) : 0;
}

UINT CMFCStatusBar::GetItemID(int nIndex) const {
    auto* impl = ImplAs<StatusBarImpl>(this);
    return impl && nIndex >= 0 && nIndex < static_cast<int>(impl->ids.size()) ? impl->ids[static_cast<size_t>(nIndex)]
                                                                              : 0;
}

// The MDI frame of the frame library
void CMDIFrameWndEx::EnableMDITabbedGroups(BOOL bEnable, const CMDITabInfo& params) {
    EnableMDITabs(bEnable, params.m_bTabIcons, params.m_tabLocation,
                  params.m_bTabCloseButton || params.m_bActiveTabCloseButton, params.m_style,
                  params.m_bTabCustomTooltips, params.m_bActiveTabCloseButton);
}

void CMDIFrameWndEx::EnableMDITabs(BOOL bEnable, BOOL, CMFCTabCtrl::Location tabLocation, BOOL bTabCloseButton,
                                   CMFCTabCtrl::Style, BOOL, BOOL) {
    m_bMDITabs = bEnable;
    auto* client = dynamic_cast<MDIClientImpl*>(WndImpl::FromHandle(m_hWndMDIClient));
    if (!client) return;
    QMdiArea* area = client->area;
    area->setViewMode(bEnable ? QMdiArea::TabbedView : QMdiArea::SubWindowView);
    if (!bEnable) return;
    area->setDocumentMode(true);
    area->setTabsClosable(bTabCloseButton);
    area->setTabsMovable(true);
    area->setTabPosition(tabLocation == CMFCTabCtrl::LOCATION_BOTTOM ? QTabWidget::South : QTabWidget::North);
}

BOOL CMDIFrameWndEx::EnableDocking(DWORD dwDockStyle) {
    CFrameWnd::EnableDocking(dwDockStyle);
    return TRUE;
}

BOOL CMDIFrameWndEx::EnableAutoHidePanes(DWORD) { return TRUE; }

void CMDIFrameWndEx::DockPane(CBasePane* pBar, UINT, LPCRECT) {
    auto* pane = ImplAs<DockPaneImpl>(pBar);
    auto* frame = ImplAs<FrameImpl>(this);
    if (!pane || !frame) return;
    QMainWindow* window = frame->Window();
    const Qt::DockWidgetArea area = AreaOf(pBar->m_dwInitialAlignment);
    window->addDockWidget(area, pane->dock);
    if (pBar->GetStyle() & WS_VISIBLE || pane->style & WS_VISIBLE) pane->dock->show();
    if (pane->initialSize.isValid() && !pane->initialSize.isEmpty()) {
        const bool across = area == Qt::LeftDockWidgetArea || area == Qt::RightDockWidgetArea;
        window->resizeDocks({pane->dock}, {across ? pane->initialSize.width() : pane->initialSize.height()},
                            across ? Qt::Horizontal : Qt::Vertical);
    }
}

void CMDIFrameWndEx::EnablePaneMenu(BOOL bEnable, UINT uiCustomizeCmd, const CString& strCustomizeLabel,
                                    UINT uiViewToolbarsMenuEntryID, BOOL, BOOL) {
    auto* frame = ImplAs<FrameImpl>(this);
    if (!frame) return;
    frame->paneMenu.entryId = bEnable ? uiViewToolbarsMenuEntryID : 0;
    frame->paneMenu.customizeCommand = uiCustomizeCmd;
    frame->paneMenu.customizeLabel = strCustomizeLabel;
}

void CMDIFrameWndEx::EnableWindowsDialog(UINT, LPCTSTR, BOOL, BOOL) {}

void CMDIFrameWndEx::EnableWindowsDialog(UINT, UINT, BOOL, BOOL) {}

void CMDIFrameWndEx::ShowWindowsDialog() {
    auto* dialog = new CMFCWindowsManagerDialog(this);
    if (!dialog->Create()) delete dialog;
}

BOOL CMDIFrameWndEx::ShowPane(CBasePane* pBar, BOOL bShow, BOOL bDelay, BOOL bActivate) {
    if (!pBar) return FALSE;
    pBar->ShowPane(bShow, bDelay, bActivate);
    return TRUE;
}

LRESULT CMDIFrameWndEx::OnToolbarCreateNew(WPARAM, LPARAM) { return 0; }

// The look
namespace {
CRuntimeClass* g_visualManager = nullptr;
}

void CMFCVisualManager::SetDefaultManager(CRuntimeClass* pRTI) { g_visualManager = pRTI; }

CMFCVisualManager* CMFCVisualManager::GetInstance() {
    static CMFCVisualManager* instance = nullptr;
    if (!instance)
        instance = g_visualManager ? dynamic_cast<CMFCVisualManager*>(g_visualManager->CreateObject()) : nullptr;
    if (!instance) instance = new CMFCVisualManager;
    return instance;
}

void CFrameWnd::UpdateCommandUI() {
    WndImpl* frame = ImplOf(this);
    if (!frame) return;
    std::vector<WndImpl*> pending(frame->children.begin(), frame->children.end());
    while (!pending.empty()) {
        WndImpl* impl = pending.back();
        pending.pop_back();
        if (!impl->IsLive()) continue;
        if (auto* bar = dynamic_cast<CMFCToolBar*>(impl->owner); bar && !dynamic_cast<CMFCMenuBar*>(bar))
            bar->OnUpdateCmdUI(this, m_bAutoMenuEnable);
        pending.insert(pending.end(), impl->children.begin(), impl->children.end());
    }
}
