#pragma once

// The windows of the common controls, each on its Qt widget.

#include <QHash>
#include <QIcon>
#include <QPair>
#include <QSet>
#include <unordered_map>

#include "CImageList.h"
#include "WndImpl.h"

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

class TreeImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    void StyleChanged(DWORD oldStyle) override;

    QTreeWidgetItem* Item(HTREEITEM handle) const;  // null unless an item of this tree
    static HTREEITEM Handle(const QTreeWidgetItem* item) {
        return reinterpret_cast<HTREEITEM>(const_cast<QTreeWidgetItem*>(item));
    }
    QTreeWidgetItem* Insert(const CString& text, int image, int selectedImage, HTREEITEM parent, HTREEITEM after);
    bool Delete(QTreeWidgetItem* item);
    void DeleteAll();
    // Changes the selection as Windows does: TVN_SELCHANGING (a non-zero answer keeps the old one), then
    // TVN_SELCHANGED.
    bool Select(QTreeWidgetItem* item, UINT action);
    // Opens or closes an item with children; see CTreeCtrl.h for the notifications.
    bool Expand(QTreeWidgetItem* item, UINT code, bool byUser);
    void ToggleCheck(QTreeWidgetItem* item);
    LRESULT NotifyTree(UINT code, UINT action, QTreeWidgetItem* oldItem, QTreeWidgetItem* newItem, QPoint point = {});
    void RefreshIcon(QTreeWidgetItem* item);
    void RefreshIcons();
    void EnsureVisible(QTreeWidgetItem* item);
    UINT HitTestFlags(const QPoint& point, QTreeWidgetItem** hit) const;
    void OnCurrentChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    // The tree's own tooltip, made when first needed (none under TVS_NOTOOLTIPS); the tree owns it.
    CToolTipCtrl* ToolTip();
    // The whole text of an item whose label the tree cuts, shown over the label after TTN_SHOW; for any other
    // item the tooltip goes.
    void ShowItemTip(QTreeWidgetItem* item);
    void HideItemTip();

    TreeWidget* tree = nullptr;
    QSet<const QTreeWidgetItem*> items;
    CImageList* images[3] = {nullptr, nullptr, nullptr};
    // The icons made of (normal, selected) pixmaps, by their cache keys: a tree of thousands of items shares a
    // handful, and an icon costs far more to build than to share.
    QHash<QPair<qint64, qint64>, QIcon> icons;
    COLORREF lineColor = RGB(0, 0, 0);
    bool selecting = false;
    CToolTipCtrl* tooltip = nullptr;  // held by ownedWrappers
};

class IPAddressImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    CString GetText() const override;
    void SetText(const CString& text) override;
    int Field(int index) const;  // -1 when blank
    void SetField(int index, int value);
    QLineEdit* fields[4] = {nullptr, nullptr, nullptr, nullptr};
};

class TabImpl : public WndImpl {
public:
    using WndImpl::WndImpl;
    void Build(const CREATESTRUCT& cs, QWidget* parentArea) override;
    QTabWidget* tabs = nullptr;
    std::vector<WndImpl*> pages;
};

}  // namespace tamo::platform
