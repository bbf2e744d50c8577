#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTreeWidget>
#include <functional>

#include "CToolTipCtrl.h"
#include "CTreeCtrl.h"
#include "Controls.h"
#include "TreeWidget.h"
#include "GdiImpl.h"
#include "QtText.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CTreeCtrl, CWnd)

namespace tamo::platform {

namespace {

// The order SortChildren and SortChildrenCB use while they run.
std::function<bool(const QTreeWidgetItem&, const QTreeWidgetItem&)> g_sortLess;

class TreeItem : public QTreeWidgetItem {
public:
    TreeItem() { setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled); }
    bool operator<(const QTreeWidgetItem& other) const override {
        if (g_sortLess) return g_sortLess(*this, other);
        return QString::compare(text(0), other.text(0), Qt::CaseInsensitive) < 0;
    }

    // What the tree keeps of an item besides its text and icon, which the views never read: kept beside the
    // item's data, so that setting it does not tell the views that the item changed.
    DWORD_PTR param = 0;  // the application value (lParam)
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;       // the state bits the tree keeps itself (expanded once, bold, ...)
};

// Every item of a tree control is a TreeItem (TreeImpl::Insert makes them).
TreeItem* Kept(QTreeWidgetItem* item) { return static_cast<TreeItem*>(item); }
const TreeItem* Kept(const QTreeWidgetItem* item) { return static_cast<const TreeItem*>(item); }

DWORD_PTR ItemParam(const QTreeWidgetItem* item) { return Kept(item)->param; }

UINT StateBits(const QTreeWidgetItem* item) { return item ? Kept(item)->state : 0; }

void SetStateBits(QTreeWidgetItem* item, UINT bits) { Kept(item)->state = bits; }

void CollectSubtree(QTreeWidgetItem* item, std::vector<QTreeWidgetItem*>& into) {
    into.push_back(item);
    for (int i = 0; i < item->childCount(); ++i) CollectSubtree(item->child(i), into);
}

bool IsWithin(const QTreeWidgetItem* item, const QTreeWidgetItem* ancestor) {
    for (; item; item = item->parent())
        if (item == ancestor) return true;
    return false;
}

// A tree item shows its text on one line, as the Windows tree control draws it: line breaks in the text neither
// break the line nor make the item (and with it every row of the tree) higher. The text itself keeps them.
QString SingleLine(QString text) {
    text.remove(u'\r');
    text.remove(u'\n');
    text.remove(QChar::LineSeparator);  // what the delegate makes of a line feed
    return text;
}

class SingleLineDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    QString displayText(const QVariant& value, const QLocale& locale) const override {
        return SingleLine(QStyledItemDelegate::displayText(value, locale));
    }
};

QTreeWidgetItem* Sibling(QTreeWidgetItem* item, int offset) {
    QTreeWidgetItem* parent = item->parent();
    if (parent) {
        const int index = parent->indexOfChild(item) + offset;
        return index >= 0 && index < parent->childCount() ? parent->child(index) : nullptr;
    }
    QTreeWidget* tree = item->treeWidget();
    const int index = tree->indexOfTopLevelItem(item) + offset;
    return index >= 0 && index < tree->topLevelItemCount() ? tree->topLevelItem(index) : nullptr;
}

}  // namespace

QStyleOptionViewItem TreeWidget::OptionFor(const QModelIndex& index) const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    option.index = index;
    option.text = SingleLine(index.data(Qt::DisplayRole).toString());
    option.features |= QStyleOptionViewItem::HasDisplay;
    const QVariant check = index.data(Qt::CheckStateRole);
    if (check.isValid()) {
        option.features |= QStyleOptionViewItem::HasCheckIndicator;
        option.checkState = static_cast<Qt::CheckState>(check.toInt());
    }
    const QIcon icon = index.data(Qt::DecorationRole).value<QIcon>();
    if (!icon.isNull()) {
        option.features |= QStyleOptionViewItem::HasDecoration;
        option.icon = icon;
        option.decorationSize = iconSize().isValid() ? iconSize() : QSize(16, 16);
    }
    return option;
}

void TreeWidget::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QTreeWidgetItem* item = nullptr;
    const UINT flags = m_impl->HitTestFlags(event->position().toPoint(), &item);
    m_pendingCheck = nullptr;
    m_pendingSelect = nullptr;
    setFocus(Qt::MouseFocusReason);
    // A press on a button only opens or closes; any other press ends in NM_CLICK when it is released, and what
    // the click does to a check box or to the selection follows it.
    m_clickPending = !(item && (flags & TVHT_ONITEMBUTTON));
    if (!item) return;
    if (flags & TVHT_ONITEMBUTTON) {
        m_impl->Expand(item, TVE_TOGGLE, true);
    } else if ((flags & TVHT_ONITEMSTATEICON) && (m_impl->style & TVS_CHECKBOXES)) {
        m_pendingCheck = item;
    } else if (flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT)) {
        m_pendingSelect = item;
    }
}

void TreeWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    if (event->button() == Qt::RightButton) {
        m_impl->NotifyTree(NM_RCLICK, 0, nullptr, nullptr, point);
        return;
    }
    if (event->button() != Qt::LeftButton || !m_clickPending) return;
    m_clickPending = false;
    QTreeWidgetItem* check = m_pendingCheck;
    QTreeWidgetItem* select = m_pendingSelect;
    m_pendingCheck = m_pendingSelect = nullptr;
    // NM_CLICK first; the check box changes, or the item is selected, after its handler, unless the handler
    // answered non-zero.
    const LRESULT result = m_impl->NotifyTree(NM_CLICK, 0, nullptr, nullptr, point);
    if (result || m_impl->dead) return;
    QTreeWidgetItem* hit = nullptr;
    if (check && m_impl->items.contains(check) && (m_impl->HitTestFlags(point, &hit) & TVHT_ONITEMSTATEICON) &&
        hit == check)
        m_impl->ToggleCheck(check);
    if (select && m_impl->items.contains(select)) m_impl->Select(select, TVC_BYMOUSE);
}

void TreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    QTreeWidgetItem* item = nullptr;
    const UINT flags = m_impl->HitTestFlags(event->position().toPoint(), &item);
    if (item && (flags & TVHT_ONITEMBUTTON)) {
        m_impl->Expand(item, TVE_TOGGLE, true);
        return;
    }
    if (m_impl->NotifyTree(NM_DBLCLK, 0, nullptr, nullptr, event->position().toPoint())) return;
    if (item && m_impl->items.contains(item) && (flags & TVHT_ONITEM)) m_impl->Expand(item, TVE_TOGGLE, true);
}

bool TreeWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        QTreeWidgetItem* item = nullptr;
        const UINT flags = m_impl->HitTestFlags(static_cast<QHelpEvent*>(event)->pos(), &item);
        if (item && (flags & TVHT_ONITEM))
            m_impl->ShowItemTip(item);
        else
            m_impl->HideItemTip();
        return true;
    }
    if (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress) m_impl->HideItemTip();
    return QTreeWidget::viewportEvent(event);
}

void TreeWidget::keyPressEvent(QKeyEvent* event) {
    QTreeWidgetItem* current = currentItem();
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Plus:
        if (current && current->childCount() > 0) {
            if (!current->isExpanded())
                m_impl->Expand(current, TVE_EXPAND, true);
            else if (event->key() == Qt::Key_Right)
                m_impl->Select(current->child(0), TVC_BYKEYBOARD);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        if (current && current->isExpanded())
            m_impl->Expand(current, TVE_COLLAPSE, true);
        else if (current && current->parent() && event->key() == Qt::Key_Left)
            m_impl->Select(current->parent(), TVC_BYKEYBOARD);
        return;
    case Qt::Key_Space:
        if (current && (m_impl->style & TVS_CHECKBOXES)) m_impl->ToggleCheck(current);
        return;
    default:
        QTreeWidget::keyPressEvent(event);
    }
}

void TreeImpl::Build(const CREATESTRUCT& cs, QWidget* parentArea) {
    style = static_cast<DWORD>(cs.style);
    tree = new TreeWidget(this, parentArea);
    tree->setHeaderHidden(true);
    tree->setColumnCount(1);
    tree->setItemsExpandable(false);
    tree->setExpandsOnDoubleClick(false);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setUniformRowHeights(true);
    tree->setItemDelegate(new SingleLineDelegate(tree));
    tree->setRootIsDecorated(style & TVS_LINESATROOT);
    tree->setIndentation(19);
    tree->header()->setStretchLastSection(true);
    if (!(style & WS_BORDER) && !(cs.dwExStyle & WS_EX_CLIENTEDGE)) tree->setFrameShape(QFrame::NoFrame);
    QObject::connect(
        tree, &QTreeWidget::currentItemChanged, this,
        [this](QTreeWidgetItem* current, QTreeWidgetItem* previous) { OnCurrentChanged(current, previous); });
    outer = tree;
    client = tree->viewport();
}

void TreeImpl::StyleChanged(DWORD oldStyle) {
    tree->setRootIsDecorated(style & TVS_LINESATROOT);
    const bool checks = style & TVS_CHECKBOXES;
    if (checks == bool(oldStyle & TVS_CHECKBOXES)) return;
    for (const QTreeWidgetItem* constItem : items) {
        auto* item = const_cast<QTreeWidgetItem*>(constItem);
        if (checks)
            item->setCheckState(0, Qt::Unchecked);
        else
            item->setData(0, Qt::CheckStateRole, QVariant());
    }
}

QTreeWidgetItem* TreeImpl::Item(HTREEITEM handle) const {
    auto* item = reinterpret_cast<QTreeWidgetItem*>(handle);
    return item && items.contains(item) ? item : nullptr;
}

QTreeWidgetItem* TreeImpl::Insert(const CString& text, int image, int selectedImage, HTREEITEM parent,
                                  HTREEITEM after) {
    QTreeWidgetItem* parentItem = nullptr;
    if (parent && parent != TVI_ROOT) {
        parentItem = Item(parent);
        if (!parentItem) return nullptr;
    }
    QTreeWidgetItem* container = parentItem ? parentItem : tree->invisibleRootItem();
    auto* item = new TreeItem;
    item->setText(0, ToQ(text));
    item->image = image;
    item->selectedImage = selectedImage;
    if (style & TVS_CHECKBOXES) item->setCheckState(0, Qt::Unchecked);
    int index = container->childCount();
    if (after == TVI_FIRST) {
        index = 0;
    } else if (after == TVI_SORT) {
        index = 0;
        while (index < container->childCount() &&
               QString::compare(container->child(index)->text(0), item->text(0), Qt::CaseInsensitive) <= 0)
            ++index;
    } else if (QTreeWidgetItem* previous = Item(after); previous && previous->parent() == parentItem) {
        index = container->indexOfChild(previous) + 1;
    }
    RefreshIcon(item);  // before the views see the item, which then need not hear of the change
    container->insertChild(index, item);
    items.insert(item);
    return item;
}

bool TreeImpl::Delete(QTreeWidgetItem* item) {
    if (!item) return false;
    QTreeWidgetItem* current = tree->currentItem();
    const bool selectionGoes = current && IsWithin(current, item);
    // Windows selects the next sibling, else the parent, else the previous sibling.
    QTreeWidgetItem* successor = nullptr;
    if (selectionGoes) {
        successor = Sibling(item, 1);
        if (!successor) successor = item->parent();
        if (!successor) successor = Sibling(item, -1);
    }
    std::vector<QTreeWidgetItem*> gone;
    CollectSubtree(item, gone);
    for (QTreeWidgetItem* doomed : gone) items.remove(doomed);
    selecting = true;
    if (selectionGoes) tree->setCurrentItem(nullptr);
    delete item;
    selecting = false;
    if (successor) Select(successor, TVC_UNKNOWN);
    return true;
}

void TreeImpl::DeleteAll() {
    selecting = true;
    tree->setCurrentItem(nullptr);
    tree->clear();
    items.clear();
    selecting = false;
}

LRESULT TreeImpl::NotifyTree(UINT code, UINT action, QTreeWidgetItem* oldItem, QTreeWidgetItem* newItem, QPoint point) {
    NMTREEVIEW notice{};
    notice.hdr.code = code;
    notice.action = action;
    const auto describe = [this](TVITEM& into, QTreeWidgetItem* item) {
        into.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
        into.hItem = item ? Handle(item) : nullptr;
        if (item && items.contains(item)) {
            into.lParam = static_cast<LPARAM>(ItemParam(item));
            into.state =
                StateBits(item) | (item->isExpanded() ? TVIS_EXPANDED : 0) | (item->isSelected() ? TVIS_SELECTED : 0);
        }
    };
    describe(notice.itemOld, oldItem);
    describe(notice.itemNew, newItem);
    notice.ptDrag = {point.x(), point.y()};
    return Notify(notice.hdr);
}

bool TreeImpl::Select(QTreeWidgetItem* item, UINT action) {
    QTreeWidgetItem* old = tree->currentItem();
    if (old == item) {
        if (item) item->setSelected(true);
        return true;
    }
    if (NotifyTree(TVN_SELCHANGING, action, old, item)) return false;
    if (dead || (item && !items.contains(item))) return false;
    if (old && !items.contains(old)) old = nullptr;
    selecting = true;
    tree->setCurrentItem(item);
    if (item)
        item->setSelected(true);
    else
        tree->clearSelection();
    selecting = false;
    if (item) EnsureVisible(item);
    NotifyTree(TVN_SELCHANGED, action, old, item);
    return true;
}

void TreeImpl::OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    // A tree whose window is going reports nothing: Qt makes an item current when the focus passes to a tree while
    // the windows around it are destroyed, and their owners may have freed what the items' data point to.
    if (selecting || dead || destroySent) return;
    // The user moved the selection with the keyboard: Qt changed it already, so it cannot be refused.
    if (current) current->setSelected(true);
    NotifyTree(TVN_SELCHANGING, TVC_BYKEYBOARD, previous, current);
    NotifyTree(TVN_SELCHANGED, TVC_BYKEYBOARD, previous, current);
}

void TreeImpl::EnsureVisible(QTreeWidgetItem* item) {
    std::vector<QTreeWidgetItem*> closed;
    for (QTreeWidgetItem* parentItem = item->parent(); parentItem; parentItem = parentItem->parent())
        if (!parentItem->isExpanded()) closed.push_back(parentItem);
    for (auto it = closed.rbegin(); it != closed.rend(); ++it)
        if (items.contains(*it)) Expand(*it, TVE_EXPAND, false);
    if (items.contains(item)) tree->scrollToItem(item);
}

bool TreeImpl::Expand(QTreeWidgetItem* item, UINT code, bool byUser) {
    if (!item || item->childCount() == 0) return false;
    const bool open = item->isExpanded();
    UINT action = code & TVE_TOGGLE;
    if (action == TVE_TOGGLE) action = open ? TVE_COLLAPSE : TVE_EXPAND;
    if ((action == TVE_EXPAND && open) || (action == TVE_COLLAPSE && !open)) return action == TVE_EXPAND;
    // The program's expansions notify only until the item has been opened once.
    const bool notify = byUser || !(StateBits(item) & TVIS_EXPANDEDONCE);
    if (notify && NotifyTree(TVN_ITEMEXPANDING, action, nullptr, item)) return false;
    if (dead || !items.contains(item)) return false;
    item->setExpanded(action == TVE_EXPAND);
    if (action == TVE_EXPAND) SetStateBits(item, StateBits(item) | TVIS_EXPANDEDONCE);
    if (notify) NotifyTree(TVN_ITEMEXPANDED, action, nullptr, item);
    if (action == TVE_COLLAPSE && !dead && items.contains(item) && tree->currentItem() && tree->currentItem() != item &&
        IsWithin(tree->currentItem(), item))
        Select(item, TVC_UNKNOWN);
    return true;
}

CToolTipCtrl* TreeImpl::ToolTip() {
    if (tooltip || dead || !created || (style & TVS_NOTOOLTIPS)) return tooltip;
    auto control = std::make_unique<CToolTipCtrl>();
    if (!control->Create(owner)) return nullptr;
    tooltip = control.get();
    ownedWrappers.push_back(std::move(control));
    return tooltip;
}

void TreeImpl::ShowItemTip(QTreeWidgetItem* item) {
    CToolTipCtrl* tip = ToolTip();
    if (!tip) return;
    const QStyleOptionViewItem option = tree->OptionFor(tree->indexFromItem(item));
    QRect label = tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, tree);
    label.setWidth(tree->fontMetrics().horizontalAdvance(item->text(0)) + 6);
    // A label that the tree shows whole needs no tooltip.
    if (label.right() < tree->viewport()->width()) {
        HideItemTip();
        return;
    }
    const QPoint topLeft = tree->viewport()->mapToGlobal(label.topLeft());
    tip->SetWindowText(FromQ(item->text(0)));
    tip->MoveWindow(topLeft.x(), topLeft.y(), label.width(), label.height(), FALSE);
    NMHDR header{};
    header.code = TTN_SHOW;
    if (WndImpl* impl = ImplOf(tip)) impl->Notify(header);
    if (ImplOf(tip)) tip->ShowWindow(SW_SHOWNOACTIVATE);
}

void TreeImpl::HideItemTip() {
    if (tooltip && ImplOf(tooltip)) tooltip->ShowWindow(SW_HIDE);
}

void TreeImpl::ToggleCheck(QTreeWidgetItem* item) {
    if (!item || !(style & TVS_CHECKBOXES)) return;
    item->setCheckState(0, item->checkState(0) == Qt::Checked ? Qt::Unchecked : Qt::Checked);
}

void TreeImpl::RefreshIcon(QTreeWidgetItem* item) {
    CImageList* list = images[TVSIL_NORMAL];
    if (!list) {
        item->setIcon(0, QIcon());
        return;
    }
    const QPixmap normal = ImageListPixmap(list, Kept(item)->image);
    const QPixmap selected = ImageListPixmap(list, Kept(item)->selectedImage);
    const QPair<qint64, qint64> key(normal.cacheKey(), selected.cacheKey());
    auto known = icons.constFind(key);
    if (known == icons.constEnd()) {
        QIcon icon;
        if (!normal.isNull()) icon.addPixmap(normal, QIcon::Normal);
        if (!selected.isNull()) icon.addPixmap(selected, QIcon::Selected);
        known = icons.insert(key, icon);
    }
    item->setIcon(0, *known);
}

void TreeImpl::RefreshIcons() {
    icons.clear();
    for (const QTreeWidgetItem* item : items) RefreshIcon(const_cast<QTreeWidgetItem*>(item));
    const QSize size = ImageListSize(images[TVSIL_NORMAL]);
    if (size.isValid() && !size.isEmpty()) tree->setIconSize(size);
}

UINT TreeImpl::HitTestFlags(const QPoint& point, QTreeWidgetItem** hit) const {
    *hit = nullptr;
    const QRect area = tree->viewport()->rect();
    if (!area.contains(point)) {
        UINT flags = 0;
        if (point.y() < area.top()) flags |= TVHT_ABOVE;
        if (point.y() > area.bottom()) flags |= TVHT_BELOW;
        if (point.x() < area.left()) flags |= TVHT_TOLEFT;
        if (point.x() > area.right()) flags |= TVHT_TORIGHT;
        return flags;
    }
    QTreeWidgetItem* item = tree->itemAt(point);
    if (!item) return TVHT_NOWHERE;
    *hit = item;
    const QModelIndex index = tree->indexFromItem(item);
    const QRect rect = tree->visualRect(index);
    if (point.x() < rect.x()) {
        const bool onButton = item->childCount() > 0 && point.x() >= rect.x() - tree->indentation();
        return onButton ? TVHT_ONITEMBUTTON : TVHT_ONITEMINDENT;
    }
    const QStyleOptionViewItem option = tree->OptionFor(index);
    QStyle* style = tree->style();
    if ((option.features & QStyleOptionViewItem::HasCheckIndicator) &&
        style->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree).contains(point))
        return TVHT_ONITEMSTATEICON;
    if ((option.features & QStyleOptionViewItem::HasDecoration) &&
        style->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, tree).contains(point))
        return TVHT_ONITEMICON;
    QRect text = style->subElementRect(QStyle::SE_ItemViewItemText, &option, tree);
    text.setWidth(std::min(text.width(), tree->fontMetrics().horizontalAdvance(option.text) + 6));
    return text.contains(point) ? TVHT_ONITEMLABEL : TVHT_ONITEMRIGHT;
}

}  // namespace tamo::platform

namespace {

TreeImpl* TreeOf(const CTreeCtrl* wnd) { return ImplAs<TreeImpl>(wnd); }

QTreeWidgetItem* ItemOf(const CTreeCtrl* wnd, HTREEITEM handle) {
    TreeImpl* impl = TreeOf(wnd);
    return impl ? impl->Item(handle) : nullptr;
}

HTREEITEM HandleOf(const QTreeWidgetItem* item) { return item ? TreeImpl::Handle(item) : nullptr; }

// Sets one colour of the tree's palette; answers the one before (0 without a window).
COLORREF SetPaletteColor(const CTreeCtrl* wnd, QPalette::ColorRole role, COLORREF clr) {
    TreeImpl* impl = TreeOf(wnd);
    if (!impl) return 0;
    QPalette palette = impl->tree->palette();
    const COLORREF old = FromQColor(palette.color(role));
    palette.setColor(role, ToQColor(clr));
    impl->tree->setPalette(palette);
    return old;
}

}  // namespace

BOOL CTreeCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
    return CWnd::Create("SysTreeView32", nullptr, dwStyle, rect, pParentWnd, nID);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, HTREEITEM hParent, HTREEITEM hInsertAfter) {
    return InsertItem(lpszItem, 0, 0, hParent, hInsertAfter);
}

HTREEITEM CTreeCtrl::InsertItem(LPCTSTR lpszItem, int nImage, int nSelectedImage, HTREEITEM hParent,
                                HTREEITEM hInsertAfter) {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(impl->Insert(lpszItem ? lpszItem : "", nImage, nSelectedImage, hParent, hInsertAfter))
                : nullptr;
}

BOOL CTreeCtrl::DeleteItem(HTREEITEM hItem) {
    TreeImpl* impl = TreeOf(this);
    if (!impl || !hItem) return FALSE;
    if (hItem == TVI_ROOT) {
        impl->DeleteAll();
        return TRUE;
    }
    return impl->Delete(impl->Item(hItem));
}

BOOL CTreeCtrl::DeleteAllItems() {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return FALSE;
    impl->DeleteAll();
    return TRUE;
}

UINT CTreeCtrl::GetCount() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? static_cast<UINT>(impl->items.size()) : 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item ? FromQ(item->text(0)) : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return FALSE;
    item->setText(0, ToQ(lpszItem));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item ? ItemParam(item) : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return FALSE;
    Kept(item)->param = dwData;
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return FALSE;
    nImage = Kept(item)->image;
    nSelectedImage = Kept(item)->selectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return FALSE;
    Kept(item)->image = nImage;
    Kept(item)->selectedImage = nSelectedImage;
    impl->RefreshIcon(item);
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return 0;
    UINT state = StateBits(item);
    if (item->isExpanded()) state |= TVIS_EXPANDED;
    if (item->isSelected()) state |= TVIS_SELECTED;
    if (item->data(0, Qt::CheckStateRole).isValid()) state |= (item->checkState(0) == Qt::Checked ? 2u : 1u) << 12;
    return state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return FALSE;
    const UINT kept = TVIS_BOLD | TVIS_EXPANDEDONCE;
    SetStateBits(item, (StateBits(item) & ~(nStateMask & kept)) | (nState & nStateMask & kept));
    if (nStateMask & TVIS_BOLD) {
        QFont font = item->font(0);
        font.setBold(nState & TVIS_BOLD);
        item->setFont(0, font);
    }
    if (nStateMask & TVIS_EXPANDED) item->setExpanded(nState & TVIS_EXPANDED);
    if (nStateMask & TVIS_SELECTED) item->setSelected(nState & TVIS_SELECTED);
    if ((nStateMask & TVIS_STATEIMAGEMASK) && (impl->style & TVS_CHECKBOXES))
        item->setCheckState(0, ((nState & TVIS_STATEIMAGEMASK) >> 12) == 2 ? Qt::Checked : Qt::Unchecked);
    return TRUE;
}

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
    QTreeWidgetItem* item = pItem ? ItemOf(this, pItem->hItem) : nullptr;
    if (!item) return FALSE;
    if (pItem->mask & TVIF_TEXT && pItem->pszText && pItem->cchTextMax > 0) {
        const CString text = FromQ(item->text(0));
        std::snprintf(pItem->pszText, static_cast<size_t>(pItem->cchTextMax), "%s", text.GetString());
    }
    if (pItem->mask & TVIF_IMAGE) pItem->iImage = Kept(item)->image;
    if (pItem->mask & TVIF_SELECTEDIMAGE) pItem->iSelectedImage = Kept(item)->selectedImage;
    if (pItem->mask & TVIF_PARAM) pItem->lParam = static_cast<LPARAM>(ItemParam(item));
    if (pItem->mask & TVIF_STATE) pItem->state = GetItemState(pItem->hItem, pItem->stateMask);
    if (pItem->mask & TVIF_CHILDREN) pItem->cChildren = item->childCount() > 0 ? 1 : 0;
    return TRUE;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item && item->childCount() > 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item || !lpRect) return FALSE;
    QRect rect = impl->tree->visualItemRect(item);
    if (bTextOnly) {
        const QStyleOptionViewItem option = impl->tree->OptionFor(impl->tree->indexFromItem(item));
        rect = impl->tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, impl->tree);
        rect.setWidth(impl->tree->fontMetrics().horizontalAdvance(item->text(0)) + 6);
    }
    *lpRect = FromQRect(rect);
    return !rect.isEmpty();
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(impl->tree->topLevelItem(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return nullptr;
    if (!hItem || hItem == TVI_ROOT) return HandleOf(impl->tree->topLevelItem(0));
    QTreeWidgetItem* item = impl->Item(hItem);
    return item && item->childCount() > 0 ? HandleOf(item->child(0)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item ? HandleOf(Sibling(item, 1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item ? HandleOf(Sibling(item, -1)) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item ? HandleOf(item->parent()) : nullptr;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(impl->tree->currentItem()) : nullptr;
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(impl->tree->itemAt(QPoint(1, 1))) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item ? HandleOf(impl->tree->itemBelow(item)) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextItem(HTREEITEM hItem, UINT nCode) const {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return nullptr;
    switch (nCode) {
    case TVGN_ROOT:
        return GetRootItem();
    case TVGN_NEXT:
        return GetNextSiblingItem(hItem);
    case TVGN_PREVIOUS:
        return GetPrevSiblingItem(hItem);
    case TVGN_PARENT:
        return GetParentItem(hItem);
    case TVGN_CHILD:
        return GetChildItem(hItem);
    case TVGN_CARET:
        return GetSelectedItem();
    case TVGN_FIRSTVISIBLE:
        return GetFirstVisibleItem();
    case TVGN_NEXTVISIBLE:
        return GetNextVisibleItem(hItem);
    case TVGN_PREVIOUSVISIBLE: {
        QTreeWidgetItem* item = impl->Item(hItem);
        return item ? HandleOf(impl->tree->itemAbove(item)) : nullptr;
    }
    default:
        return nullptr;
    }
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return FALSE;
    QTreeWidgetItem* item = impl->Item(hItem);
    if (hItem && !item) return FALSE;
    if (nCode == TVGN_FIRSTVISIBLE) {
        if (item) impl->tree->scrollToItem(item, QAbstractItemView::PositionAtTop);
        return item != nullptr;
    }
    if (nCode == TVGN_DROPHILITE) return TRUE;
    return impl->Select(item, TVC_UNKNOWN);
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return impl && item && impl->Expand(item, nCode, false);
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item) return FALSE;
    impl->EnsureVisible(item);
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return nullptr;
    QTreeWidgetItem* item = nullptr;
    const UINT flags = impl->HitTestFlags(ToQPoint(pt), &item);
    if (pFlags) *pFlags = flags;
    return (flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)) ? HandleOf(item)
                                                                                              : nullptr;
}

BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const {
    QTreeWidgetItem* item = ItemOf(this, hItem);
    return item && item->data(0, Qt::CheckStateRole).isValid() && item->checkState(0) == Qt::Checked;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck) {
    TreeImpl* impl = TreeOf(this);
    QTreeWidgetItem* item = ItemOf(this, hItem);
    if (!item || !(impl->style & TVS_CHECKBOXES)) return FALSE;
    item->setCheckState(0, fCheck ? Qt::Checked : Qt::Unchecked);
    return TRUE;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return FALSE;
    QTreeWidgetItem* item = (!hItem || hItem == TVI_ROOT) ? impl->tree->invisibleRootItem() : impl->Item(hItem);
    if (!item) return FALSE;
    g_sortLess = nullptr;
    item->sortChildren(0, Qt::AscendingOrder);
    return TRUE;
}

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort) {
    TreeImpl* impl = TreeOf(this);
    if (!impl || !pSort || !pSort->lpfnCompare) return FALSE;
    QTreeWidgetItem* item =
        (!pSort->hParent || pSort->hParent == TVI_ROOT) ? impl->tree->invisibleRootItem() : impl->Item(pSort->hParent);
    if (!item) return FALSE;
    const PFNTVCOMPARE compare = pSort->lpfnCompare;
    const LPARAM sortParameter = pSort->lParam;
    g_sortLess = [compare, sortParameter](const QTreeWidgetItem& a, const QTreeWidgetItem& b) {
        return compare(static_cast<LPARAM>(ItemParam(&a)), static_cast<LPARAM>(ItemParam(&b)), sortParameter) < 0;
    };
    item->sortChildren(0, Qt::AscendingOrder);
    g_sortLess = nullptr;
    return TRUE;
}

CImageList* CTreeCtrl::SetImageList(CImageList* pImageList, int nImageListType) {
    TreeImpl* impl = TreeOf(this);
    if (!impl || nImageListType < 0 || nImageListType > 2) return nullptr;
    CImageList* old = impl->images[nImageListType];
    impl->images[nImageListType] = pImageList;
    if (nImageListType == TVSIL_NORMAL) impl->RefreshIcons();
    return old;
}

CImageList* CTreeCtrl::GetImageList(int nImageListType) const {
    TreeImpl* impl = TreeOf(this);
    return impl && nImageListType >= 0 && nImageListType <= 2 ? impl->images[nImageListType] : nullptr;
}

SHORT CTreeCtrl::GetItemHeight() const {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return 0;
    if (impl->tree->topLevelItemCount() > 0) {
        const int height = impl->tree->visualItemRect(impl->tree->topLevelItem(0)).height();
        if (height > 0) return static_cast<SHORT>(height);
    }
    return static_cast<SHORT>(std::max(16, impl->tree->fontMetrics().height() + 4));
}

SHORT CTreeCtrl::SetItemHeight(SHORT cyHeight) {
    const SHORT old = GetItemHeight();
    (void)cyHeight;
    return old;
}

COLORREF CTreeCtrl::SetLineColor(COLORREF clrNew) {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return 0;
    const COLORREF old = impl->lineColor;
    impl->lineColor = clrNew;
    return old;
}

COLORREF CTreeCtrl::GetLineColor() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? impl->lineColor : 0;
}

COLORREF CTreeCtrl::SetBkColor(COLORREF clr) { return SetPaletteColor(this, QPalette::Base, clr); }

COLORREF CTreeCtrl::SetTextColor(COLORREF clr) { return SetPaletteColor(this, QPalette::Text, clr); }

CToolTipCtrl* CTreeCtrl::GetToolTips() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? impl->ToolTip() : nullptr;
}

UINT CTreeCtrl::GetIndent() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? static_cast<UINT>(impl->tree->indentation()) : 0;
}
