#include <QTabBar>
#include <QTabWidget>

#include "CMFCTabCtrl.h"
#include "Controls.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CMFCBaseTabCtrl, CWnd)
IMPLEMENT_DYNAMIC(CMFCTabCtrl, CMFCBaseTabCtrl)

namespace tamo::platform {

void TabImpl::Build(const CREATESTRUCT&, QWidget* parentArea) {
    tabs = new QTabWidget(parentArea);
    tabs->setDocumentMode(true);
    tabs->setTabPosition(QTabWidget::South);
    QObject::connect(tabs, &QTabWidget::currentChanged, this, [this] {
        NMHDR notice{};
        notice.code = TCN_SELCHANGE;
        Notify(notice);
    });
    outer = client = tabs;
}

}  // namespace tamo::platform

BOOL CMFCTabCtrl::Create(Style style, const RECT& rect, CWnd* pParentWnd, UINT nID, Location location, BOOL bCloseBtn) {
    if (!CWnd::Create("TamoTabCtrl", nullptr, WS_CHILD | WS_VISIBLE, rect, pParentWnd, nID)) return FALSE;
    TabImpl* impl = ImplAs<TabImpl>(this);
    impl->tabs->setTabPosition(location == LOCATION_TOP ? QTabWidget::North : QTabWidget::South);
    impl->tabs->setTabsClosable(bCloseBtn);
    impl->tabs->setDocumentMode(style == STYLE_FLAT || style == STYLE_FLAT_SHARED_HORZ_SCROLL);
    return TRUE;
}

void CMFCBaseTabCtrl::AddTab(CWnd* pTabWnd, LPCTSTR lpszTabLabel, UINT, BOOL) {
    TabImpl* impl = ImplAs<TabImpl>(this);
    WndImpl* page = ImplOf(pTabWnd);
    if (!impl || !page || !page->outer) return;
    impl->pages.push_back(page);
    impl->tabs->addTab(page->outer, ToQ(lpszTabLabel));
    page->outer->show();
}

int CMFCBaseTabCtrl::GetTabsNum() const {
    TabImpl* impl = ImplAs<TabImpl>(this);
    return impl ? impl->tabs->count() : 0;
}

int CMFCBaseTabCtrl::GetActiveTab() const {
    TabImpl* impl = ImplAs<TabImpl>(this);
    return impl ? impl->tabs->currentIndex() : -1;
}

BOOL CMFCBaseTabCtrl::SetActiveTab(int iTab) {
    TabImpl* impl = ImplAs<TabImpl>(this);
    if (!impl || iTab < 0 || iTab >= impl->tabs->count()) return FALSE;
    impl->tabs->setCurrentIndex(iTab);
    return TRUE;
}

CWnd* CMFCBaseTabCtrl::GetTabWnd(int iTab) const {
    TabImpl* impl = ImplAs<TabImpl>(this);
    if (!impl || iTab < 0 || iTab >= impl->tabs->count()) return nullptr;
    WndImpl* page = WndImpl::FromWidget(impl->tabs->widget(iTab));
    return page ? page->owner : nullptr;
}

BOOL CMFCBaseTabCtrl::GetTabLabel(int iTab, CString& strLabel) const {
    TabImpl* impl = ImplAs<TabImpl>(this);
    if (!impl || iTab < 0 || iTab >= impl->tabs->count()) return FALSE;
    strLabel = FromQ(impl->tabs->tabText(iTab));
    return TRUE;
}

BOOL CMFCBaseTabCtrl::SetTabLabel(int iTab, const CString& strLabel) {
    TabImpl* impl = ImplAs<TabImpl>(this);
    if (!impl || iTab < 0 || iTab >= impl->tabs->count()) return FALSE;
    impl->tabs->setTabText(iTab, ToQ(strLabel));
    return TRUE;
}

BOOL CMFCBaseTabCtrl::RemoveTab(int iTab, BOOL) {
    TabImpl* impl = ImplAs<TabImpl>(this);
    if (!impl || iTab < 0 || iTab >= impl->tabs->count()) return FALSE;
    impl->tabs->removeTab(iTab);
    return TRUE;
}

void CMFCBaseTabCtrl::RemoveAllTabs() {
    if (TabImpl* impl = ImplAs<TabImpl>(this)) impl->tabs->clear();
}

void CMFCBaseTabCtrl::SetImageList(UINT, int, COLORREF) {}
