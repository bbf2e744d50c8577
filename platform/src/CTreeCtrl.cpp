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

// The order Qt's own sort of a shown level follows while SortChildren runs.
std::function<bool(const QTreeWidgetItem&, const QTreeWidgetItem&)> g_sortLess;

// The view's item of a tree item: it knows its item, for the view's answers (hit tests, the current item).
class TreeItem : public QTreeWidgetItem {
public:
    explicit TreeItem(TreeNode* node) : node(node) { setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled); }
    bool operator<(const QTreeWidgetItem& other) const override {
        if (g_sortLess) return g_sortLess(*this, other);
        return QTreeWidgetItem::operator<(other);
    }
    TreeNode* const node;
};

bool IsWithin(const TreeNode* node, const TreeNode* ancestor) {
    for (; node; node = node->parent)
        if (node == ancestor) return true;
    return false;
}

// The position of a child among its parent's children.
int IndexOf(const TreeNode* node) {
    int index = 0;
    for (const TreeNode* sibling = node->parent->firstChild; sibling != node; sibling = sibling->next) ++index;
    return index;
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

int CompareTextsNoCase(const CString& a, const CString& b) {
    return QString::compare(ToQ(a), ToQ(b), Qt::CaseInsensitive);
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
    TreeNode* node = nullptr;
    const UINT flags = m_impl->HitTestFlags(event->position().toPoint(), &node);
    m_pendingCheck = nullptr;
    m_pendingSelect = nullptr;
    setFocus(Qt::MouseFocusReason);
    // A press on a button only opens or closes; any other press ends in NM_CLICK when it is released, and what
    // the click does to a check box or to the selection follows it.
    m_clickPending = !(node && (flags & TVHT_ONITEMBUTTON));
    if (!node) return;
    if (flags & TVHT_ONITEMBUTTON) {
        m_impl->Expand(node, TVE_TOGGLE, true);
    } else if ((flags & TVHT_ONITEMSTATEICON) && (m_impl->style & TVS_CHECKBOXES)) {
        m_pendingCheck = TreeImpl::Handle(node);
    } else if (flags & (TVHT_ONITEM | TVHT_ONITEMRIGHT)) {
        m_pendingSelect = TreeImpl::Handle(node);
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
    const HTREEITEM check = m_pendingCheck;
    const HTREEITEM select = m_pendingSelect;
    m_pendingCheck = m_pendingSelect = nullptr;
    // NM_CLICK first; the check box changes, or the item is selected, after its handler, unless the handler
    // answered non-zero.
    const LRESULT result = m_impl->NotifyTree(NM_CLICK, 0, nullptr, nullptr, point);
    if (result || m_impl->dead) return;
    TreeNode* hit = nullptr;
    if (TreeNode* checked = m_impl->Node(check);
        checked && (m_impl->HitTestFlags(point, &hit) & TVHT_ONITEMSTATEICON) && hit == checked)
        m_impl->ToggleCheck(checked);
    if (TreeNode* selected = m_impl->Node(select)) m_impl->Select(selected, TVC_BYMOUSE);
}

void TreeWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    TreeNode* node = nullptr;
    const UINT flags = m_impl->HitTestFlags(event->position().toPoint(), &node);
    if (node && (flags & TVHT_ONITEMBUTTON)) {
        m_impl->Expand(node, TVE_TOGGLE, true);
        return;
    }
    const HTREEITEM handle = node ? TreeImpl::Handle(node) : nullptr;
    if (m_impl->NotifyTree(NM_DBLCLK, 0, nullptr, nullptr, event->position().toPoint())) return;
    node = m_impl->Node(handle);
    if (node && (flags & TVHT_ONITEM)) m_impl->Expand(node, TVE_TOGGLE, true);
}

bool TreeWidget::viewportEvent(QEvent* event) {
    if (event->type() == QEvent::ToolTip) {
        TreeNode* node = nullptr;
        const UINT flags = m_impl->HitTestFlags(static_cast<QHelpEvent*>(event)->pos(), &node);
        if (node && (flags & TVHT_ONITEM))
            m_impl->ShowItemTip(node);
        else
            m_impl->HideItemTip();
        return true;
    }
    if (event->type() == QEvent::Leave || event->type() == QEvent::MouseButtonPress) m_impl->HideItemTip();
    return QTreeWidget::viewportEvent(event);
}

void TreeWidget::keyPressEvent(QKeyEvent* event) {
    TreeNode* current = m_impl->CurrentNode();
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Plus:
        if (current && current->childCount > 0) {
            if (!m_impl->IsExpanded(current))
                m_impl->Expand(current, TVE_EXPAND, true);
            else if (event->key() == Qt::Key_Right)
                m_impl->Select(current->firstChild, TVC_BYKEYBOARD);
        }
        return;
    case Qt::Key_Left:
    case Qt::Key_Minus:
        if (current && m_impl->IsExpanded(current))
            m_impl->Expand(current, TVE_COLLAPSE, true);
        else if (current && current->parent != &m_impl->top && event->key() == Qt::Key_Left)
            m_impl->Select(current->parent, TVC_BYKEYBOARD);
        return;
    case Qt::Key_Space:
        if (current && (m_impl->style & TVS_CHECKBOXES)) m_impl->ToggleCheck(current);
        return;
    default:
        QTreeWidget::keyPressEvent(event);
    }
}

TreeImpl::TreeImpl(CWnd* owner) : WndImpl(owner) { top.childrenShown = true; }

TreeImpl::~TreeImpl() {
    // The view and its items may be gone already; the items of the control go here.
    for (TreeNode* node : places) delete node;
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
    top.shown = tree->invisibleRootItem();
    outer = tree;
    client = tree->viewport();
}

void TreeImpl::StyleChanged(DWORD oldStyle) {
    tree->setRootIsDecorated(style & TVS_LINESATROOT);
    const bool checks = style & TVS_CHECKBOXES;
    if (checks == bool(oldStyle & TVS_CHECKBOXES)) return;
    ForEachNode([checks](TreeNode* node) {
        node->checked = false;
        if (!node->shown) return;
        if (checks)
            node->shown->setCheckState(0, Qt::Unchecked);
        else
            node->shown->setData(0, Qt::CheckStateRole, QVariant());
    });
}

HTREEITEM TreeImpl::Handle(const TreeNode* node) {
    const auto value = (static_cast<std::uint64_t>(node->generation) << 32) | (static_cast<std::uint64_t>(node->slot) + 1);
    return reinterpret_cast<HTREEITEM>(static_cast<ULONG_PTR>(value));
}

TreeNode* TreeImpl::Node(HTREEITEM handle) const {
    const auto value = static_cast<std::uint64_t>(reinterpret_cast<ULONG_PTR>(handle));
    const std::uint64_t place = (value & 0xFFFFFFFFu);
    if (place == 0 || place > places.size()) return nullptr;
    TreeNode* node = places[place - 1];
    return node && node->generation == (value >> 32) ? node : nullptr;
}

void TreeImpl::Register(TreeNode* node) {
    if (freeSlots.empty()) {
        node->slot = static_cast<std::uint32_t>(places.size());
        places.push_back(node);
        generations.push_back(1);
    } else {
        node->slot = freeSlots.back();
        freeSlots.pop_back();
        places[node->slot] = node;
    }
    node->generation = generations[node->slot];
    ++liveCount;
}

void TreeImpl::DeleteSubtree(TreeNode* node) {
    for (TreeNode* child = node->firstChild; child;) {
        TreeNode* next = child->next;
        DeleteSubtree(child);
        child = next;
    }
    places[node->slot] = nullptr;
    ++generations[node->slot];
    freeSlots.push_back(node->slot);
    --liveCount;
    delete node;
}

TreeNode* TreeImpl::NodeOf(const QTreeWidgetItem* item) {
    return item ? static_cast<const TreeItem*>(item)->node : nullptr;
}

TreeNode* TreeImpl::CurrentNode() const { return tree ? NodeOf(tree->currentItem()) : nullptr; }

bool TreeImpl::IsExpanded(const TreeNode* node) const { return node->shown && node->shown->isExpanded(); }

QTreeWidgetItem* TreeImpl::MakeViewItem(TreeNode* node) {
    auto* item = new TreeItem(node);
    item->setText(0, ToQ(node->text));
    if (style & TVS_CHECKBOXES) item->setCheckState(0, node->checked ? Qt::Checked : Qt::Unchecked);
    if (node->state & TVIS_BOLD) {
        QFont font = item->font(0);
        font.setBold(true);
        item->setFont(0, font);
    }
    node->shown = item;
    RefreshIcon(node);  // before the views see the item, which then need not hear of the change
    UpdateButton(node);
    return item;
}

void TreeImpl::UpdateButton(TreeNode* node) {
    if (!node->shown || node == &top || node->childrenShown) return;
    node->shown->setChildIndicatorPolicy(node->childCount > 0 ? QTreeWidgetItem::ShowIndicator
                                                               : QTreeWidgetItem::DontShowIndicatorWhenChildless);
}

void TreeImpl::ShowChildren(TreeNode* node) {
    if (node->childrenShown) return;
    Show(node);
    // The level is made, and each of its items draws its button, so children made on demand are made now.
    Filled(node);
    for (TreeNode* child = node->firstChild; child; child = child->next) Filled(child);
    QList<QTreeWidgetItem*> children;
    children.reserve(node->childCount);
    for (TreeNode* child = node->firstChild; child; child = child->next) children.push_back(MakeViewItem(child));
    node->childrenShown = true;
    node->shown->setChildIndicatorPolicy(QTreeWidgetItem::DontShowIndicatorWhenChildless);
    // The level reaches the view at once: one notification for all of it.
    node->shown->addChildren(children);
}

QTreeWidgetItem* TreeImpl::Show(TreeNode* node) {
    if (!node->shown) ShowChildren(node->parent);
    return node->shown;
}

void TreeImpl::Link(TreeNode* node, TreeNode* parent, TreeNode* before) {
    node->parent = parent;
    node->next = before;
    node->previous = before ? before->previous : parent->lastChild;
    if (node->previous)
        node->previous->next = node;
    else
        parent->firstChild = node;
    if (before)
        before->previous = node;
    else
        parent->lastChild = node;
    ++parent->childCount;
}

void TreeImpl::Unlink(TreeNode* node) {
    TreeNode* parent = node->parent;
    if (node->previous)
        node->previous->next = node->next;
    else
        parent->firstChild = node->next;
    if (node->next)
        node->next->previous = node->previous;
    else
        parent->lastChild = node->previous;
    node->previous = node->next = nullptr;
    --parent->childCount;
}

TreeNode* TreeImpl::Insert(const CString& text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after) {
    TreeNode* parentNode = &top;
    if (parent && parent != TVI_ROOT) {
        // A new child goes among the children made on demand, as it would among children made at once.
        parentNode = Filled(Node(parent));
        if (!parentNode) return nullptr;
    }
    TreeNode* before = nullptr;  // the sibling the new item goes in front of; null: at the end
    if (after == TVI_FIRST) {
        before = parentNode->firstChild;
    } else if (after == TVI_SORT) {
        before = parentNode->firstChild;
        while (before && CompareTextsNoCase(before->text, text) <= 0) before = before->next;
    } else if (TreeNode* previous = Node(after); previous && previous->parent == parentNode) {
        before = previous->next;
    }
    auto* node = new TreeNode;
    node->text = text;
    node->image = image;
    node->selectedImage = selectedImage;
    Link(node, parentNode, before);
    Register(node);
    if (parentNode->childrenShown) {
        QTreeWidgetItem* item = MakeViewItem(node);
        if (before)
            parentNode->shown->insertChild(IndexOf(node), item);
        else
            parentNode->shown->addChild(item);
    } else {
        UpdateButton(parentNode);
    }
    return node;
}

void TreeImpl::SetFill(TreeNode* node, std::function<void(HTREEITEM)> fill) {
    node->fill = std::move(fill);
    if (node->shown) {
        Filled(node);
    }
}

TreeNode* TreeImpl::Filled(TreeNode* node) {
    if (!node || !node->fill) return node;
    const HTREEITEM handle = Handle(node);
    const std::function<void(HTREEITEM)> fill = std::move(node->fill);
    node->fill = nullptr;
    fill(handle);
    return Node(handle);
}

bool TreeImpl::Delete(TreeNode* node) {
    if (!node) return false;
    TreeNode* current = CurrentNode();
    const bool selectionGoes = current && IsWithin(current, node);
    // Windows selects the next sibling, else the parent, else the previous sibling.
    TreeNode* successor = nullptr;
    if (selectionGoes) {
        successor = node->next;
        if (!successor && node->parent != &top) successor = node->parent;
        if (!successor) successor = node->previous;
    }
    TreeNode* parent = node->parent;
    Unlink(node);
    selecting = true;
    if (selectionGoes) tree->setCurrentItem(nullptr);
    delete node->shown;  // with the view items of the subtree
    selecting = false;
    DeleteSubtree(node);
    UpdateButton(parent);
    if (successor) Select(successor, TVC_UNKNOWN);
    return true;
}

void TreeImpl::DeleteAll() {
    selecting = true;
    tree->setCurrentItem(nullptr);
    tree->clear();
    selecting = false;
    for (TreeNode* child = top.firstChild; child;) {
        TreeNode* next = child->next;
        DeleteSubtree(child);
        child = next;
    }
    top.firstChild = top.lastChild = nullptr;
    top.childCount = 0;
}

LRESULT TreeImpl::NotifyTree(UINT code, UINT action, TreeNode* oldNode, TreeNode* newNode, QPoint point) {
    NMTREEVIEW notice{};
    notice.hdr.code = code;
    notice.action = action;
    const auto describe = [this](TVITEM& into, TreeNode* node) {
        into.mask = TVIF_HANDLE | TVIF_PARAM | TVIF_STATE;
        into.hItem = node ? Handle(node) : nullptr;
        if (node) {
            into.lParam = static_cast<LPARAM>(node->param);
            into.state = node->state | (IsExpanded(node) ? TVIS_EXPANDED : 0) |
                         (node->shown && node->shown->isSelected() ? TVIS_SELECTED : 0);
        }
    };
    describe(notice.itemOld, oldNode);
    describe(notice.itemNew, newNode);
    notice.ptDrag = {point.x(), point.y()};
    return Notify(notice.hdr);
}

bool TreeImpl::Select(TreeNode* node, UINT action) {
    TreeNode* old = CurrentNode();
    if (old == node) {
        if (node) node->shown->setSelected(true);
        return true;
    }
    // The handlers may delete either item.
    const HTREEITEM handle = node ? Handle(node) : nullptr;
    const HTREEITEM oldHandle = old ? Handle(old) : nullptr;
    if (NotifyTree(TVN_SELCHANGING, action, old, node)) return false;
    node = Node(handle);
    if (dead || (handle && !node)) return false;
    old = Node(oldHandle);
    selecting = true;
    QTreeWidgetItem* item = node ? Show(node) : nullptr;
    tree->setCurrentItem(item);
    if (item)
        item->setSelected(true);
    else
        tree->clearSelection();
    selecting = false;
    if (node) EnsureVisible(node);
    NotifyTree(TVN_SELCHANGED, action, old, node);
    return true;
}

void TreeImpl::OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    // A tree whose window is going reports nothing: Qt makes an item current when the focus passes to a tree while
    // the windows around it are destroyed, and their owners may have freed what the items' data point to.
    if (selecting || dead || destroySent) return;
    // The user moved the selection with the keyboard: Qt changed it already, so it cannot be refused.
    if (current) current->setSelected(true);
    NotifyTree(TVN_SELCHANGING, TVC_BYKEYBOARD, NodeOf(previous), NodeOf(current));
    NotifyTree(TVN_SELCHANGED, TVC_BYKEYBOARD, NodeOf(previous), NodeOf(current));
}

void TreeImpl::EnsureVisible(TreeNode* node) {
    // Opening a parent runs its handlers, which may delete any of these items.
    const HTREEITEM handle = Handle(node);
    std::vector<HTREEITEM> closed;
    for (TreeNode* parentNode = node->parent; parentNode != &top; parentNode = parentNode->parent)
        if (!IsExpanded(parentNode)) closed.push_back(Handle(parentNode));
    for (auto it = closed.rbegin(); it != closed.rend(); ++it)
        if (TreeNode* parentNode = Node(*it)) Expand(parentNode, TVE_EXPAND, false);
    if (TreeNode* shown = Node(handle)) tree->scrollToItem(Show(shown));
}

void TreeImpl::SetExpanded(TreeNode* node, bool expanded) {
    if (expanded) {
        ShowChildren(node);
        node->shown->setExpanded(true);
    } else if (node->shown) {
        node->shown->setExpanded(false);
    }
}

bool TreeImpl::Expand(TreeNode* node, UINT code, bool byUser) {
    node = Filled(node);
    if (!node || node->childCount == 0) return false;
    const bool open = IsExpanded(node);
    UINT action = code & TVE_TOGGLE;
    if (action == TVE_TOGGLE) action = open ? TVE_COLLAPSE : TVE_EXPAND;
    if ((action == TVE_EXPAND && open) || (action == TVE_COLLAPSE && !open)) return action == TVE_EXPAND;
    // The program's expansions notify only until the item has been opened once.
    const bool notify = byUser || !(node->state & TVIS_EXPANDEDONCE);
    // The handlers may delete the item (and fill it anew: a pane loads the level it opens here).
    const HTREEITEM handle = Handle(node);
    if (notify && NotifyTree(TVN_ITEMEXPANDING, action, nullptr, node)) return false;
    node = Node(handle);
    if (dead || !node) return false;
    SetExpanded(node, action == TVE_EXPAND);
    if (action == TVE_EXPAND) node->state |= TVIS_EXPANDEDONCE;
    if (notify) NotifyTree(TVN_ITEMEXPANDED, action, nullptr, node);
    node = Node(handle);
    TreeNode* current = CurrentNode();
    if (action == TVE_COLLAPSE && !dead && node && current && current != node && IsWithin(current, node))
        Select(node, TVC_UNKNOWN);
    return true;
}

void TreeImpl::SortChildren(TreeNode* parent, const std::function<bool(const TreeNode&, const TreeNode&)>& less) {
    parent = Filled(parent);
    if (!parent) return;
    std::vector<TreeNode*> children;
    children.reserve(parent->childCount);
    for (TreeNode* child = parent->firstChild; child; child = child->next) children.push_back(child);
    std::stable_sort(children.begin(), children.end(),
                     [&less](const TreeNode* a, const TreeNode* b) { return less(*a, *b); });
    std::unordered_map<const TreeNode*, size_t> rank;
    for (TreeNode* child : children) {
        Unlink(child);
        rank.emplace(child, rank.size());
    }
    for (TreeNode* child : children) Link(child, parent, nullptr);
    if (!parent->childrenShown) return;
    // The view sorts its level into the same order, keeping what it shows of each item (open, selected).
    g_sortLess = [&rank](const QTreeWidgetItem& a, const QTreeWidgetItem& b) {
        return rank.at(NodeOf(&a)) < rank.at(NodeOf(&b));
    };
    parent->shown->sortChildren(0, Qt::AscendingOrder);
    g_sortLess = nullptr;
}

CToolTipCtrl* TreeImpl::ToolTip() {
    if (tooltip || dead || !created || (style & TVS_NOTOOLTIPS)) return tooltip;
    auto control = std::make_unique<CToolTipCtrl>();
    if (!control->Create(owner)) return nullptr;
    tooltip = control.get();
    ownedWrappers.push_back(std::move(control));
    return tooltip;
}

void TreeImpl::ShowItemTip(TreeNode* node) {
    CToolTipCtrl* tip = ToolTip();
    if (!tip || !node->shown) return;
    const QStyleOptionViewItem option = tree->OptionFor(tree->indexFromItem(node->shown));
    QRect label = tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, tree);
    label.setWidth(tree->fontMetrics().horizontalAdvance(node->shown->text(0)) + 6);
    // A label that the tree shows whole needs no tooltip.
    if (label.right() < tree->viewport()->width()) {
        HideItemTip();
        return;
    }
    const QPoint topLeft = tree->viewport()->mapToGlobal(label.topLeft());
    tip->SetWindowText(node->text);
    tip->MoveWindow(topLeft.x(), topLeft.y(), label.width(), label.height(), FALSE);
    NMHDR header{};
    header.code = TTN_SHOW;
    if (WndImpl* impl = ImplOf(tip)) impl->Notify(header);
    if (ImplOf(tip)) tip->ShowWindow(SW_SHOWNOACTIVATE);
}

void TreeImpl::HideItemTip() {
    if (tooltip && ImplOf(tooltip)) tooltip->ShowWindow(SW_HIDE);
}

void TreeImpl::SetChecked(TreeNode* node, bool checked) {
    node->checked = checked;
    if (node->shown) node->shown->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

void TreeImpl::ToggleCheck(TreeNode* node) {
    if (!node || !(style & TVS_CHECKBOXES)) return;
    SetChecked(node, !node->checked);
}

void TreeImpl::SetBold(TreeNode* node, bool bold) {
    node->state = bold ? node->state | TVIS_BOLD : node->state & ~UINT(TVIS_BOLD);
    if (!node->shown) return;
    QFont font = node->shown->font(0);
    font.setBold(bold);
    node->shown->setFont(0, font);
}

void TreeImpl::RefreshIcon(TreeNode* node) {
    QTreeWidgetItem* item = node->shown;
    if (!item) return;
    CImageList* list = images[TVSIL_NORMAL];
    if (!list) {
        item->setIcon(0, QIcon());
        return;
    }
    const QPixmap normal = ImageListPixmap(list, node->image);
    const QPixmap selected = ImageListPixmap(list, node->selectedImage);
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
    ForEachNode([this](TreeNode* node) { RefreshIcon(node); });
    const QSize size = ImageListSize(images[TVSIL_NORMAL]);
    if (size.isValid() && !size.isEmpty()) tree->setIconSize(size);
}

UINT TreeImpl::HitTestFlags(const QPoint& point, TreeNode** hit) const {
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
    *hit = NodeOf(item);
    const QModelIndex index = tree->indexFromItem(item);
    const QRect rect = tree->visualRect(index);
    if (point.x() < rect.x()) {
        const bool onButton = (*hit)->childCount > 0 && point.x() >= rect.x() - tree->indentation();
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

TreeNode* NodeOf(const CTreeCtrl* wnd, HTREEITEM handle) {
    TreeImpl* impl = TreeOf(wnd);
    return impl ? impl->Node(handle) : nullptr;
}

HTREEITEM HandleOf(const TreeNode* node) { return node ? TreeImpl::Handle(node) : nullptr; }

// A root item has no parent item: its node hangs below the tree's top.
HTREEITEM ParentHandle(const TreeImpl* impl, const TreeNode* node) {
    return node->parent == &impl->top ? nullptr : HandleOf(node->parent);
}

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

TreeNode* SortedLevel(TreeImpl* impl, HTREEITEM hItem) { return (!hItem || hItem == TVI_ROOT) ? &impl->top : impl->Node(hItem); }

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
    return impl->Delete(impl->Node(hItem));
}

BOOL CTreeCtrl::DeleteAllItems() {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return FALSE;
    impl->DeleteAll();
    return TRUE;
}

UINT CTreeCtrl::GetCount() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? static_cast<UINT>(impl->Count()) : 0;
}

CString CTreeCtrl::GetItemText(HTREEITEM hItem) const {
    TreeNode* node = NodeOf(this, hItem);
    return node ? node->text : CString();
}

BOOL CTreeCtrl::SetItemText(HTREEITEM hItem, LPCTSTR lpszItem) {
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    node->text = lpszItem ? lpszItem : "";
    if (node->shown) node->shown->setText(0, ToQ(node->text));
    return TRUE;
}

DWORD_PTR CTreeCtrl::GetItemData(HTREEITEM hItem) const {
    TreeNode* node = NodeOf(this, hItem);
    return node ? node->param : 0;
}

BOOL CTreeCtrl::SetItemData(HTREEITEM hItem, DWORD_PTR dwData) {
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    node->param = dwData;
    return TRUE;
}

BOOL CTreeCtrl::GetItemImage(HTREEITEM hItem, int& nImage, int& nSelectedImage) const {
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    nImage = node->image;
    nSelectedImage = node->selectedImage;
    return TRUE;
}

BOOL CTreeCtrl::SetItemImage(HTREEITEM hItem, int nImage, int nSelectedImage) {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    node->image = nImage;
    node->selectedImage = nSelectedImage;
    impl->RefreshIcon(node);
    return TRUE;
}

UINT CTreeCtrl::GetItemState(HTREEITEM hItem, UINT nStateMask) const {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return 0;
    UINT state = node->state;
    if (impl->IsExpanded(node)) state |= TVIS_EXPANDED;
    if (node->shown && node->shown->isSelected()) state |= TVIS_SELECTED;
    if (impl->style & TVS_CHECKBOXES) state |= (node->checked ? 2u : 1u) << 12;
    return state & nStateMask;
}

BOOL CTreeCtrl::SetItemState(HTREEITEM hItem, UINT nState, UINT nStateMask) {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    if (nStateMask & TVIS_EXPANDEDONCE)
        node->state = nState & TVIS_EXPANDEDONCE ? node->state | TVIS_EXPANDEDONCE : node->state & ~UINT(TVIS_EXPANDEDONCE);
    if (nStateMask & TVIS_BOLD) impl->SetBold(node, nState & TVIS_BOLD);
    if (nStateMask & TVIS_EXPANDED) impl->SetExpanded(node, nState & TVIS_EXPANDED);
    if (nStateMask & TVIS_SELECTED) {
        if (nState & TVIS_SELECTED)
            impl->Show(node)->setSelected(true);
        else if (node->shown)
            node->shown->setSelected(false);
    }
    if ((nStateMask & TVIS_STATEIMAGEMASK) && (impl->style & TVS_CHECKBOXES))
        impl->SetChecked(node, ((nState & TVIS_STATEIMAGEMASK) >> 12) == 2);
    return TRUE;
}

BOOL CTreeCtrl::GetItem(TVITEM* pItem) const {
    TreeNode* node = pItem ? NodeOf(this, pItem->hItem) : nullptr;
    if (!node) return FALSE;
    if (pItem->mask & TVIF_TEXT && pItem->pszText && pItem->cchTextMax > 0)
        std::snprintf(pItem->pszText, static_cast<size_t>(pItem->cchTextMax), "%s", node->text.GetString());
    if (pItem->mask & TVIF_IMAGE) pItem->iImage = node->image;
    if (pItem->mask & TVIF_SELECTEDIMAGE) pItem->iSelectedImage = node->selectedImage;
    if (pItem->mask & TVIF_PARAM) pItem->lParam = static_cast<LPARAM>(node->param);
    if (pItem->mask & TVIF_STATE) pItem->state = GetItemState(pItem->hItem, pItem->stateMask);
    if (pItem->mask & TVIF_CHILDREN) {
        node = TreeOf(this)->Filled(node);
        pItem->cChildren = node && node->childCount > 0 ? 1 : 0;
    }
    return TRUE;
}

BOOL CTreeCtrl::ItemHasChildren(HTREEITEM hItem) const {
    TreeNode* node = NodeOf(this, hItem);
    if (node) node = TreeOf(this)->Filled(node);
    return node && node->childCount > 0;
}

BOOL CTreeCtrl::GetItemRect(HTREEITEM hItem, LPRECT lpRect, BOOL bTextOnly) const {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node || !lpRect) return FALSE;
    // An item whose level the view does not show has no place on the screen.
    QRect rect;
    if (QTreeWidgetItem* item = node->shown) {
        rect = impl->tree->visualItemRect(item);
        if (bTextOnly) {
            const QStyleOptionViewItem option = impl->tree->OptionFor(impl->tree->indexFromItem(item));
            rect = impl->tree->style()->subElementRect(QStyle::SE_ItemViewItemText, &option, impl->tree);
            rect.setWidth(impl->tree->fontMetrics().horizontalAdvance(item->text(0)) + 6);
        }
    }
    *lpRect = FromQRect(rect);
    return !rect.isEmpty();
}

HTREEITEM CTreeCtrl::GetRootItem() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(impl->top.firstChild) : nullptr;
}

HTREEITEM CTreeCtrl::GetChildItem(HTREEITEM hItem) const {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return nullptr;
    if (!hItem || hItem == TVI_ROOT) return HandleOf(impl->top.firstChild);
    TreeNode* node = impl->Filled(impl->Node(hItem));
    return node ? HandleOf(node->firstChild) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextSiblingItem(HTREEITEM hItem) const {
    TreeNode* node = NodeOf(this, hItem);
    return node ? HandleOf(node->next) : nullptr;
}

HTREEITEM CTreeCtrl::GetPrevSiblingItem(HTREEITEM hItem) const {
    TreeNode* node = NodeOf(this, hItem);
    return node ? HandleOf(node->previous) : nullptr;
}

HTREEITEM CTreeCtrl::GetParentItem(HTREEITEM hItem) const {
    TreeNode* node = NodeOf(this, hItem);
    return node ? ParentHandle(TreeOf(this), node) : nullptr;
}

HTREEITEM CTreeCtrl::GetSelectedItem() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(impl->CurrentNode()) : nullptr;
}

HTREEITEM CTreeCtrl::GetFirstVisibleItem() const {
    TreeImpl* impl = TreeOf(this);
    return impl ? HandleOf(TreeImpl::NodeOf(impl->tree->itemAt(QPoint(1, 1)))) : nullptr;
}

HTREEITEM CTreeCtrl::GetNextVisibleItem(HTREEITEM hItem) const {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    return node && node->shown ? HandleOf(TreeImpl::NodeOf(impl->tree->itemBelow(node->shown))) : nullptr;
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
        TreeNode* node = impl->Node(hItem);
        return node && node->shown ? HandleOf(TreeImpl::NodeOf(impl->tree->itemAbove(node->shown))) : nullptr;
    }
    default:
        return nullptr;
    }
}

BOOL CTreeCtrl::SelectItem(HTREEITEM hItem) { return Select(hItem, TVGN_CARET); }

BOOL CTreeCtrl::Select(HTREEITEM hItem, UINT nCode) {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return FALSE;
    TreeNode* node = impl->Node(hItem);
    if (hItem && !node) return FALSE;
    if (nCode == TVGN_FIRSTVISIBLE) {
        if (node) impl->tree->scrollToItem(impl->Show(node), QAbstractItemView::PositionAtTop);
        return node != nullptr;
    }
    if (nCode == TVGN_DROPHILITE) return TRUE;
    return impl->Select(node, TVC_UNKNOWN);
}

BOOL CTreeCtrl::Expand(HTREEITEM hItem, UINT nCode) {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    return impl && node && impl->Expand(node, nCode, false);
}

BOOL CTreeCtrl::EnsureVisible(HTREEITEM hItem) {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    impl->EnsureVisible(node);
    return TRUE;
}

HTREEITEM CTreeCtrl::HitTest(CPoint pt, UINT* pFlags) const {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return nullptr;
    TreeNode* node = nullptr;
    const UINT flags = impl->HitTestFlags(ToQPoint(pt), &node);
    if (pFlags) *pFlags = flags;
    return (flags & (TVHT_ONITEM | TVHT_ONITEMBUTTON | TVHT_ONITEMINDENT | TVHT_ONITEMRIGHT)) ? HandleOf(node)
                                                                                              : nullptr;
}

BOOL CTreeCtrl::GetCheck(HTREEITEM hItem) const {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    return node && (impl->style & TVS_CHECKBOXES) && node->checked;
}

BOOL CTreeCtrl::SetCheck(HTREEITEM hItem, BOOL fCheck) {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node || !(impl->style & TVS_CHECKBOXES)) return FALSE;
    impl->SetChecked(node, fCheck);
    return TRUE;
}

BOOL CTreeCtrl::SetChildrenOnDemand(HTREEITEM hItem, std::function<void(HTREEITEM)> fill) {
    TreeImpl* impl = TreeOf(this);
    TreeNode* node = NodeOf(this, hItem);
    if (!node) return FALSE;
    impl->SetFill(node, std::move(fill));
    return TRUE;
}

BOOL CTreeCtrl::SortChildren(HTREEITEM hItem) {
    TreeImpl* impl = TreeOf(this);
    if (!impl) return FALSE;
    TreeNode* level = SortedLevel(impl, hItem);
    if (!level) return FALSE;
    impl->SortChildren(level, [](const TreeNode& a, const TreeNode& b) { return CompareTextsNoCase(a.text, b.text) < 0; });
    return TRUE;
}

BOOL CTreeCtrl::SortChildrenCB(LPTVSORTCB pSort) {
    TreeImpl* impl = TreeOf(this);
    if (!impl || !pSort || !pSort->lpfnCompare) return FALSE;
    TreeNode* level = SortedLevel(impl, pSort->hParent);
    if (!level) return FALSE;
    const PFNTVCOMPARE compare = pSort->lpfnCompare;
    const LPARAM sortParameter = pSort->lParam;
    impl->SortChildren(level, [compare, sortParameter](const TreeNode& a, const TreeNode& b) {
        return compare(static_cast<LPARAM>(a.param), static_cast<LPARAM>(b.param), sortParameter) < 0;
    });
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
