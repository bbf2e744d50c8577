#pragma once

// The windows of the common controls, each on its Qt widget.

#include <QHash>
#include <QIcon>
#include <QPair>
#include <QSet>
#include <functional>
#include <unordered_map>
#include <cstdint>
#include <vector>

#include "CImageList.h"
#include "WndImpl.h"

class QKeyEvent;
class QLineEdit;
class QPlainTextEdit;
class QAbstractButton;
class QGroupBox;
class QLabel;
class QComboBox;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;
class QTabWidget;
class CToolTipCtrl;

namespace tamo::platform {

class TreeWidget;

class EditImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    CString GetText() const override;
    void SetText(const CString& text) override;
    void StyleChanged(DWORD oldStyle) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    QLineEdit* line = nullptr;
    QPlainTextEdit* multi = nullptr;
};

class ButtonImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    CString GetText() const override;
    void SetText(const CString& text) override;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) override;
    DWORD Type() const { return style & BS_TYPEMASK; }
    bool IsAuto() const;
    bool IsRadio() const;
    int Check() const;
    void SetCheck(int check);
    // A click as the user makes it: the state changes (auto buttons), then BN_CLICKED.
    void Click();
    void OnClicked();
    QAbstractButton* button = nullptr;
    QGroupBox* group = nullptr;
};

class StaticImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    CString GetText() const override { return text; }
    void SetText(const CString& text) override;
    void SetIcon(HICON icon);
    bool eventFilter(QObject* watched, QEvent* event) override;
    QLabel* label = nullptr;
    CString text;
    HICON icon = nullptr;
};

class ComboImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    CString GetText() const override;
    void SetText(const CString& text) override;
    void SetGeometry(const QRect& rect) override;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool Editable() const { return (style & 3) != CBS_DROPDOWNLIST; }
    int Add(const CString& text);
    int Insert(int index, const CString& text);
    int FindExact(int startAfter, const CString& text, bool prefix) const;
    void InsertKeepingSelection(int index, const QString& value);
    QComboBox* combo = nullptr;
};

class ListBoxImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    LRESULT DefaultHandling(UINT message, WPARAM wParam, LPARAM lParam) override;
    int Add(const CString& text);
    int Insert(int index, const CString& text);
    QListWidget* list = nullptr;
};

class ListCtrlImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void StyleChanged(DWORD oldStyle) override;
    // Sends LVN_ITEMCHANGED for every row whose selected or focused state changed since the last call.
    void ReportStateChanges();
    // LVN_ITEMCHANGED for a change of a row's main item other than its state (its text or its data), as Windows
    // sends it: `changed` is LVIF_TEXT or LVIF_PARAM, and the states are the row's unchanged state.
    void ReportItemChange(int row, UINT changed);
    UINT StateOf(int row) const;
    void ForgetStates();
    QTreeWidgetItem* Row(int row) const;
    QTreeWidget* view = nullptr;
    DWORD extendedStyle = 0;
    std::vector<int> columnFormats;
    std::unordered_map<const QTreeWidgetItem*, UINT> knownStates;
    CImageList* images[2] = {nullptr, nullptr};
    bool reporting = false;
    bool silent = false;  // rows come and go: their states are taken without notifications
    int batch = 0;        // inside one action: its changes are reported when it ends
};

// One item of a tree control: everything the control keeps of it, whether or not the view shows it. The view
// gets a Qt item for an item only once its level is shown (its parent opened, or the item selected or made
// visible), so that a level of thousands of items below a closed parent costs no more than these records.
struct TreeNode {
    CString text;
    DWORD_PTR param = 0;  // the application value (lParam)
    int image = 0;
    int selectedImage = 0;
    UINT state = 0;  // the state bits the tree keeps itself (expanded once, bold)
    bool checked = false;
    TreeNode* parent = nullptr;  // the tree's top node for a root item
    TreeNode* firstChild = nullptr;
    TreeNode* lastChild = nullptr;
    TreeNode* previous = nullptr;
    TreeNode* next = nullptr;
    int childCount = 0;
    QTreeWidgetItem* shown = nullptr;  // the view's item, once the level is shown
    bool childrenShown = false;        // the children have their view items
    std::uint32_t slot = 0;            // where the tree keeps it, and which use of that place it is:
    std::uint32_t generation = 0;      // together they make its handle
    // Inserts the children that are made on demand (CTreeCtrl::SetChildrenOnDemand); empty once they are made.
    std::function<void(HTREEITEM)> fill;
};

class TreeImpl : public WndImpl {
public:
    explicit TreeImpl(CWnd* owner);
    ~TreeImpl() override;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void StyleChanged(DWORD oldStyle) override;

    // An item's handle names its place in the tree and that place's use, so that the handle of a deleted item
    // is refused (never followed), also once its place holds another item.
    TreeNode* Node(HTREEITEM handle) const;  // null unless an item of this tree
    static HTREEITEM Handle(const TreeNode* node);
    std::size_t Count() const { return liveCount; }
    template <typename Visit>
    void ForEachNode(const Visit& visit) const {
        for (TreeNode* node : places)
            if (node) visit(node);
    }
    // The item of a view item of this tree (null for none).
    static TreeNode* NodeOf(const QTreeWidgetItem* item);
    // The view's item of the node, made (with the items of its level) when the view has none yet.
    QTreeWidgetItem* Show(TreeNode* node);
    TreeNode* CurrentNode() const;
    bool IsExpanded(const TreeNode* node) const;
    TreeNode* Insert(const CString& text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after);
    // Sets what makes the node's children on demand; a node whose level is shown makes them at once.
    void SetFill(TreeNode* node, std::function<void(HTREEITEM)> fill);
    // Makes the node's children when they are made on demand; the node afterwards (null when its fill took it).
    TreeNode* Filled(TreeNode* node);
    bool Delete(TreeNode* node);
    void DeleteAll();
    // Changes the selection as Windows does: TVN_SELCHANGING (a non-zero answer keeps the old one), then
    // TVN_SELCHANGED.
    bool Select(TreeNode* node, UINT action);
    // Opens or closes an item with children; see CTreeCtrl.h for the notifications.
    bool Expand(TreeNode* node, UINT code, bool byUser);
    void SetExpanded(TreeNode* node, bool expanded);
    void ToggleCheck(TreeNode* node);
    void SetChecked(TreeNode* node, bool checked);
    void SetBold(TreeNode* node, bool bold);
    // One level in the order `less` gives (a stable sort), also in the view.
    void SortChildren(TreeNode* parent, const std::function<bool(const TreeNode&, const TreeNode&)>& less);
    LRESULT NotifyTree(UINT code, UINT action, TreeNode* oldNode, TreeNode* newNode, QPoint point = {});
    void RefreshIcon(TreeNode* node);
    void RefreshIcons();
    void EnsureVisible(TreeNode* node);
    UINT HitTestFlags(const QPoint& point, TreeNode** hit) const;
    void OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    // The tree's own tooltip, made when first needed (none under TVS_NOTOOLTIPS); the tree owns it.
    CToolTipCtrl* ToolTip();
    // The whole text of an item whose label the tree cuts, shown over the label after TTN_SHOW; for any other
    // item the tooltip goes.
    void ShowItemTip(TreeNode* node);
    void HideItemTip();

    TreeWidget* tree = nullptr;
    TreeNode top;  // above the root items; its view item is the view's invisible root
    CImageList* images[3] = {nullptr, nullptr, nullptr};
    // The icons made of (normal, selected) pixmaps, by their cache keys: a tree of thousands of items shares a
    // handful, and an icon costs far more to build than to share.
    QHash<QPair<qint64, qint64>, QIcon> icons;
    COLORREF lineColor = RGB(0, 0, 0);
    bool selecting = false;
    CToolTipCtrl* tooltip = nullptr;  // held by ownedWrappers

private:
    QTreeWidgetItem* MakeViewItem(TreeNode* node);
    void ShowChildren(TreeNode* node);
    // Whether the view draws an expand button for an item whose children it has not got yet.
    void UpdateButton(TreeNode* node);
    void Link(TreeNode* node, TreeNode* parent, TreeNode* before);
    void Unlink(TreeNode* node);
    void Register(TreeNode* node);
    // The node and its subtree lose their places and are deleted.
    void DeleteSubtree(TreeNode* node);

    std::vector<TreeNode*> places;  // the items by place; null where an item was deleted
    std::vector<std::uint32_t> generations;
    std::vector<std::uint32_t> freeSlots;
    std::size_t liveCount = 0;
};

class AddressField;

// The four fields behave as the Windows control's: "." (or a blank) moves to the next field, a field of three
// digits moves on by itself, Backspace and the arrow keys cross into the neighbouring fields, a field showing
// "0" takes the digit typed into it in place of the 0, a pasted address fills the fields, and Tab leaves the
// control. A field entered from outside the control or by moving on shows its text selected, so typing
// replaces it.
class IPAddressImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    CString GetText() const override;
    void SetText(const CString& text) override;
    int Field(int index) const;  // -1 when blank
    void SetField(int index, int value);

    enum class Entry { SelectAll, Start, End };
    // Moves the focus to a field, as the keys that cross fields do.
    void EnterField(int index, Entry entry);
    // Handles a key of a field; false lets the field's own editing take it.
    bool FieldKey(int index, QKeyEvent* event);
    // A field changed by the user: the notifications, and a full field moves on.
    void FieldEdited(int index, bool typed);
    // Pastes a text at a field: a dotted address fills the fields from there (all four when it has four parts),
    // digits go into the field; anything else changes nothing.
    void Paste(int index, const QString& text);
    // A field the focus leaves shows its number as the control reads it (no leading zeros, at most 255).
    void Normalise(int index);

    AddressField* fields[4] = {nullptr, nullptr, nullptr, nullptr};
    bool focusInside = false;  // a field has the focus
    int movedOnInto = -1;      // the field entered by moving on from a full one, until something is typed in it
    int digitsTyped = 0;       // digits typed into the focused field since the focus came to it
};

class TabImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    QTabWidget* tabs = nullptr;
    std::vector<WndImpl*> pages;
};

}  // namespace tamo::platform
