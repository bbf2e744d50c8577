#include <algorithm>

#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTreeWidget>

#include "CListCtrl.h"
#include "Controls.h"
#include "GdiImpl.h"
#include "QtText.h"
#include "Utf8.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace tamo::platform {

namespace {

Qt::Alignment ColumnAlignment(int format) {
    switch (format & 3) {
    case LVCFMT_RIGHT:
        return Qt::AlignRight | Qt::AlignVCenter;
    case LVCFMT_CENTER:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

// The Qt view of a report list: a user's action reports its state changes once, when it is done, as one
// LVN_ITEMCHANGED per row.
class ReportView : public QTreeWidget {
public:
    ReportView(ListCtrlImpl* impl, QWidget* parent) : QTreeWidget(parent), m_impl(impl) {}

protected:
    template <typename Base>
    void Batched(Base base) {
        ++m_impl->batch;
        base();
        --m_impl->batch;
        m_impl->ReportStateChanges();
    }
    void mousePressEvent(QMouseEvent* event) override {
        Batched([&] { QTreeWidget::mousePressEvent(event); });
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        Batched([&] { QTreeWidget::mouseReleaseEvent(event); });
    }
    void mouseMoveEvent(QMouseEvent* event) override {
        Batched([&] { QTreeWidget::mouseMoveEvent(event); });
    }
    void keyPressEvent(QKeyEvent* event) override {
        Batched([&] { QTreeWidget::keyPressEvent(event); });
    }

private:
    ListCtrlImpl* m_impl;
};

}  // namespace

void ListCtrlImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    style = static_cast<DWORD>(cs.style);
    view = new ReportView(this, parentArea);
    view->setRootIsDecorated(false);
    view->setItemsExpandable(false);
    view->setUniformRowHeights(true);
    view->setAllColumnsShowFocus(true);
    view->setColumnCount(0);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionsMovable(false);
    view->header()->setVisible(!(style & LVS_NOCOLUMNHEADER));
    view->setSelectionMode((style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                   : QAbstractItemView::ExtendedSelection);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    if (!(style & WS_BORDER) && !(cs.dwExStyle & WS_EX_CLIENTEDGE)) view->setFrameShape(QFrame::NoFrame);
    // Selection and focus changes, the user's and the program's alike, become LVN_ITEMCHANGED.
    QObject::connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
                     [this] { ReportStateChanges(); });
    QObject::connect(view->selectionModel(), &QItemSelectionModel::currentChanged, this,
                     [this] { ReportStateChanges(); });
    outer = view;
    client = view->viewport();
}

void ListCtrlImpl::StyleChanged(DWORD) {
    view->setSelectionMode((style & LVS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                   : QAbstractItemView::ExtendedSelection);
    view->header()->setVisible(!(style & LVS_NOCOLUMNHEADER));
}

QTreeWidgetItem* ListCtrlImpl::Row(int row) const {
    return row >= 0 && row < view->topLevelItemCount() ? view->topLevelItem(row) : nullptr;
}

UINT ListCtrlImpl::StateOf(int row) const {
    QTreeWidgetItem* item = Row(row);
    if (!item) return 0;
    UINT state = 0;
    if (item->isSelected()) state |= LVIS_SELECTED;
    if (view->currentItem() == item) state |= LVIS_FOCUSED;
    return state;
}

void ListCtrlImpl::ForgetStates() {
    knownStates.clear();
    for (int row = 0; row < view->topLevelItemCount(); ++row) knownStates[Row(row)] = StateOf(row);
}

void ListCtrlImpl::ReportStateChanges() {
    if (silent || batch > 0) return;
    if (reporting || dead) return;
    reporting = true;
    struct Change {
        int row;
        UINT oldState;
        UINT newState;
    };
    std::vector<Change> losing, gaining;
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = Row(row);
        const UINT now = StateOf(row);
        UINT& known = knownStates[item];
        if (now == known) continue;
        ((known & ~now) ? losing : gaining).push_back({row, known, now});
        known = now;
    }
    // As Windows reports a click: the rows that lose their state first, then the ones that gain it.
    for (const auto* changes : {&losing, &gaining}) {
        for (const Change& change : *changes) {
            NMLISTVIEW notice{};
            notice.hdr.code = LVN_ITEMCHANGED;
            notice.iItem = change.row;
            notice.iSubItem = 0;
            notice.uNewState = change.newState;
            notice.uOldState = change.oldState;
            notice.uChanged = LVIF_STATE;
            notice.ptAction = {-1, -1};
            if (QTreeWidgetItem* item = Row(change.row))
                notice.lParam = static_cast<LPARAM>(item->data(0, Qt::UserRole).toULongLong());
            Notify(notice.hdr);
            if (dead) break;
        }
    }
    reporting = false;
}

void ListCtrlImpl::ReportItemChange(int row, UINT changed) {
    QTreeWidgetItem* item = Row(row);
    if (!item || silent || dead) return;
    NMLISTVIEW notice{};
    notice.hdr.code = LVN_ITEMCHANGED;
    notice.iItem = row;
    notice.uNewState = notice.uOldState = StateOf(row);
    notice.uChanged = changed;
    notice.ptAction = {-1, -1};
    notice.lParam = static_cast<LPARAM>(item->data(0, Qt::UserRole).toULongLong());
    Notify(notice.hdr);
}

bool ListCtrlImpl::eventFilter(QObject* watched, QEvent* event) {
    const bool eaten = WndImpl::eventFilter(watched, event);
    if (eaten || dead || watched != client) return eaten;
    UINT code = 0;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        code = mouse->button() == Qt::LeftButton ? NM_CLICK : mouse->button() == Qt::RightButton ? NM_RCLICK : 0;
    } else if (event->type() == QEvent::MouseButtonDblClick) {
        code = NM_DBLCLK;
    }
    if (!code) return false;
    const QPoint point = static_cast<QMouseEvent*>(event)->position().toPoint();
    const QModelIndex index = view->indexAt(point);
    NMITEMACTIVATE notice{};
    notice.hdr.code = code;
    notice.iItem = index.isValid() ? view->indexOfTopLevelItem(view->itemFromIndex(index)) : -1;
    notice.iSubItem = index.isValid() ? index.column() : 0;
    notice.ptAction = {point.x(), point.y()};
    Notify(notice.hdr);
    return false;
}

}  // namespace tamo::platform

namespace {

ListCtrlImpl* ListOf(const CListCtrl* wnd) { return ImplAs<ListCtrlImpl>(wnd); }

void ApplyColumnAlignment(ListCtrlImpl* impl, QTreeWidgetItem* item, int column) {
    if (column < static_cast<int>(impl->columnFormats.size()))
        item->setTextAlignment(column, ColumnAlignment(impl->columnFormats[static_cast<size_t>(column)]));
}

}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("SysListView32", nullptr, dwStyle, rect, pParentWnd, nID);
}

DWORD CListCtrl::GetExtendedStyle() const {
    ListCtrlImpl* impl = ListOf(this);
    return impl ? impl->extendedStyle : 0;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return 0;
    const DWORD old = impl->extendedStyle;
    impl->extendedStyle = dwNewStyle;
    impl->view->setAllColumnsShowFocus(true);
    impl->view->setStyleSheet(
        (dwNewStyle & LVS_EX_GRIDLINES) ? QStringLiteral("QTreeView::item { border: 1px solid #d0d0d0; }") : QString());
    return old;
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || nCol < 0) return -1;
    QTreeWidget* view = impl->view;
    const int count = view->columnCount();
    nCol = std::min(nCol, count);
    QStringList headings;
    for (int column = 0; column < count; ++column) headings << view->headerItem()->text(column);
    headings.insert(nCol, ToQ(lpszColumnHeading));
    std::vector<int> widths;
    for (int column = 0; column < count; ++column)
        widths.push_back(view->isColumnHidden(column) ? 0 : view->columnWidth(column));
    widths.insert(widths.begin() + nCol, nWidth < 0 ? 100 : nWidth);
    impl->columnFormats.insert(impl->columnFormats.begin() + nCol, nFormat);
    view->setColumnCount(count + 1);
    // Later columns move one to the right, texts with them.
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = view->topLevelItem(row);
        for (int column = count; column > nCol; --column) item->setText(column, item->text(column - 1));
        item->setText(nCol, QString());
        for (int column = 0; column <= count; ++column) ApplyColumnAlignment(impl, item, column);
    }
    view->setHeaderLabels(headings);
    for (int column = 0; column <= count; ++column) {
        const int width = widths[static_cast<size_t>(column)];
        view->setColumnHidden(column, width == 0);
        if (width > 0) view->setColumnWidth(column, width);
        view->headerItem()->setTextAlignment(column, ColumnAlignment(impl->columnFormats[static_cast<size_t>(column)]));
    }
    return nCol;
}

BOOL CListCtrl::DeleteColumn(int nCol) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || nCol < 0 || nCol >= impl->view->columnCount()) return FALSE;
    QTreeWidget* view = impl->view;
    const int count = view->columnCount();
    QStringList headings;
    for (int column = 0; column < count; ++column)
        if (column != nCol) headings << view->headerItem()->text(column);
    for (int row = 0; row < view->topLevelItemCount(); ++row) {
        QTreeWidgetItem* item = view->topLevelItem(row);
        for (int column = nCol; column + 1 < count; ++column) item->setText(column, item->text(column + 1));
    }
    impl->columnFormats.erase(impl->columnFormats.begin() + nCol);
    view->setColumnCount(count - 1);
    view->setHeaderLabels(headings);
    return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || nCol < 0 || nCol >= impl->view->columnCount()) return 0;
    return impl->view->isColumnHidden(nCol) ? 0 : impl->view->columnWidth(nCol);
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || nCol < 0 || nCol >= impl->view->columnCount()) return FALSE;
    impl->view->setColumnHidden(nCol, cx == 0);
    const QAbstractItemView* cells = impl->view;  // the cells' size hint is public there
    if (cx == LVSCW_AUTOSIZE)
        impl->view->setColumnWidth(nCol, cells->sizeHintForColumn(nCol));
    else if (cx == LVSCW_AUTOSIZE_USEHEADER)
        impl->view->setColumnWidth(nCol,
                                   std::max(cells->sizeHintForColumn(nCol), impl->view->header()->sectionSizeHint(nCol)));
    else if (cx > 0)
        impl->view->setColumnWidth(nCol, cx);
    return TRUE;
}

int CListCtrl::GetColumnCount() const {
    ListCtrlImpl* impl = ListOf(this);
    return impl ? impl->view->columnCount() : 0;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(nItem, lpszItem, -1); }

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || nItem < 0) return -1;
    QTreeWidget* view = impl->view;
    const int row = std::min(nItem, view->topLevelItemCount());
    auto* item = new QTreeWidgetItem;
    item->setText(0, ToQ(lpszItem));
    item->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(0));
    for (int column = 0; column < view->columnCount(); ++column) ApplyColumnAlignment(impl, item, column);
    (void)nImage;
    impl->knownStates[item] = 0;
    impl->silent = true;
    view->insertTopLevelItem(row, item);
    impl->silent = false;
    impl->ForgetStates();
    return row;
}

BOOL CListCtrl::DeleteItem(int nItem) {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->Row(nItem) : nullptr;
    if (!item) return FALSE;
    impl->silent = true;
    impl->knownStates.erase(item);
    delete item;
    impl->silent = false;
    impl->ForgetStates();
    return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return FALSE;
    impl->silent = true;
    impl->view->clear();
    impl->silent = false;
    impl->knownStates.clear();
    return TRUE;
}

int CListCtrl::GetItemCount() const {
    ListCtrlImpl* impl = ListOf(this);
    return impl ? impl->view->topLevelItemCount() : 0;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->Row(nItem) : nullptr;
    if (!item || nSubItem < 0 || nSubItem >= impl->view->columnCount()) return FALSE;
    const QString text = ToQ(lpszText);
    const bool changed = item->text(nSubItem) != text;
    item->setText(nSubItem, text);
    ApplyColumnAlignment(impl, item, nSubItem);
    // A new text of the main item is a change of the item; sub-items are not.
    if (changed && nSubItem == 0) impl->ReportItemChange(nItem, LVIF_TEXT);
    return TRUE;
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->Row(nItem) : nullptr;
    return item && nSubItem >= 0 ? FromQ(item->text(nSubItem)) : CString();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
    if (!lpszText || nLen <= 0) return 0;
    const CString text = GetItemText(nItem, nSubItem);
    const size_t length = Utf8PrefixLength(text.str(), static_cast<size_t>(nLen - 1));
    std::memcpy(lpszText, text.GetString(), length);
    lpszText[length] = '\0';
    return static_cast<int>(length);
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->Row(nItem) : nullptr;
    if (!item) return FALSE;
    const bool changed = item->data(0, Qt::UserRole).toULongLong() != static_cast<qulonglong>(dwData);
    item->setData(0, Qt::UserRole, QVariant::fromValue<qulonglong>(static_cast<qulonglong>(dwData)));
    if (changed) impl->ReportItemChange(nItem, LVIF_PARAM);
    return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->Row(nItem) : nullptr;
    return item ? static_cast<DWORD_PTR>(item->data(0, Qt::UserRole).toULongLong()) : 0;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return FALSE;
    QTreeWidget* view = impl->view;
    ++impl->batch;
    const auto apply = [&](int row) {
        QTreeWidgetItem* item = impl->Row(row);
        const QModelIndex index = view->indexFromItem(item);
        if (nMask & LVIS_SELECTED)
            view->selectionModel()->select(
                index, ((nState & LVIS_SELECTED) ? QItemSelectionModel::Select : QItemSelectionModel::Deselect) |
                           QItemSelectionModel::Rows);
        if ((nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED))
            view->selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
        if ((nMask & LVIS_FOCUSED) && !(nState & LVIS_FOCUSED) && view->currentItem() == item)
            view->selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    };
    const bool exists = nItem == -1 || impl->Row(nItem);
    if (nItem == -1) {
        for (int row = 0; row < view->topLevelItemCount(); ++row) apply(row);
    } else if (exists) {
        apply(nItem);
    }
    --impl->batch;
    impl->ReportStateChanges();
    return exists;
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
    ListCtrlImpl* impl = ListOf(this);
    return impl ? impl->StateOf(nItem) & nMask : 0;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return nullptr;
    for (int row = 0; row < impl->view->topLevelItemCount(); ++row)
        if (impl->Row(row)->isSelected()) return reinterpret_cast<POSITION>(static_cast<UINT_PTR>(row + 1));
    return nullptr;
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
    const int row = static_cast<int>(reinterpret_cast<UINT_PTR>(pos)) - 1;
    pos = nullptr;
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || row < 0) return -1;
    for (int next = row + 1; next < impl->view->topLevelItemCount(); ++next)
        if (impl->Row(next)->isSelected()) {
            pos = reinterpret_cast<POSITION>(static_cast<UINT_PTR>(next + 1));
            break;
        }
    return row;
}

UINT CListCtrl::GetSelectedCount() const {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return 0;
    UINT count = 0;
    for (int row = 0; row < impl->view->topLevelItemCount(); ++row) count += impl->Row(row)->isSelected() ? 1 : 0;
    return count;
}

int CListCtrl::GetSelectionMark() const {
    ListCtrlImpl* impl = ListOf(this);
    return impl && impl->view->currentItem() ? impl->view->indexOfTopLevelItem(impl->view->currentItem()) : -1;
}

int CListCtrl::SetSelectionMark(int iIndex) {
    const int old = GetSelectionMark();
    SetItemState(iIndex, LVIS_FOCUSED, LVIS_FOCUSED);
    return old;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return -1;
    for (int row = nItem + 1; row < impl->view->topLevelItemCount(); ++row) {
        const UINT state = impl->StateOf(row);
        if ((nFlags & LVNI_SELECTED) && !(state & LVIS_SELECTED)) continue;
        if ((nFlags & LVNI_FOCUSED) && !(state & LVIS_FOCUSED)) continue;
        return row;
    }
    return -1;
}

BOOL CListCtrl::EnsureVisible(int nItem, BOOL) {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->Row(nItem) : nullptr;
    if (!item) return FALSE;
    impl->view->scrollToItem(item);
    return TRUE;
}

int CListCtrl::GetTopIndex() const {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl) return 0;
    QTreeWidgetItem* top = impl->view->itemAt(0, 0);
    return top ? impl->view->indexOfTopLevelItem(top) : 0;
}

int CListCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    ListCtrlImpl* impl = ListOf(this);
    QTreeWidgetItem* item = impl ? impl->view->itemAt(ToQPoint(pt)) : nullptr;
    if (pFlags) *pFlags = item ? 0x0004 /* LVHT_ONITEMLABEL */ : 0x0001 /* LVHT_NOWHERE */;
    return item ? impl->view->indexOfTopLevelItem(item) : -1;
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    ListCtrlImpl* impl = ListOf(this);
    if (!impl || nImageListType < 0 || nImageListType > 1) return nullptr;
    CImageList* old = impl->images[nImageListType];
    impl->images[nImageListType] = pImageList;
    return old;
}
