#include <QAction>
#include <QCursor>
#include <QHash>
#include <QMenu>
#include <QSet>

#include "CCmdTarget.h"
#include "CContextMenuManager.h"
#include "CFrameWnd.h"
#include "CMenu.h"
#include "CWinApp.h"
#include "MenuImpl.h"
#include "Modal.h"
#include "QtText.h"
#include "ResourceTable.h"
#include "WndImpl.h"

using namespace tamo::platform;

IMPLEMENT_DYNAMIC(CMenu, CObject)

CContextMenuManager* afxContextMenuManager = nullptr;

namespace tamo::platform {

namespace {

QSet<const MenuNode*>& LiveMenus() {
    static auto* menus = new QSet<const MenuNode*>;
    return *menus;
}

// The frames whose status bar shows the prompt of an open menu's item.
QSet<HWND>& PromptingFrames() {
    static auto* frames = new QSet<HWND>;
    return *frames;
}

QHash<UINT, QPixmap>& CommandImages() {
    static auto* images = new QHash<UINT, QPixmap>;
    return *images;
}

void Convert(const std::vector<MenuItemTemplate>& from, MenuNode& to) {
    for (const MenuItemTemplate& source : from) {
        MenuNode::Item item;
        item.id = source.id;
        item.text = source.text;
        item.separator = source.kind == MenuItemTemplate::Separator;
        item.grayed = source.grayed;
        item.checked = source.checked;
        if (source.kind == MenuItemTemplate::Popup) {
            item.popup = std::make_unique<MenuNode>();
            Convert(source.children, *item.popup);
        }
        to.items.push_back(std::move(item));
    }
}

// The update interface of one menu item while its handlers run.
class MenuItemUI : public CCmdUI {
public:
    explicit MenuItemUI(MenuNode::Item& item) : m_item(item) {}
    void Enable(BOOL bOn) override {
        CCmdUI::Enable(bOn);
        m_item.grayed = !bOn;
    }
    void SetCheck(int nCheck) override {
        CCmdUI::SetCheck(nCheck);
        m_item.checked = nCheck != 0;
    }
    void SetText(LPCTSTR lpszText) override { m_item.text = lpszText ? lpszText : ""; }

private:
    MenuNode::Item& m_item;
};

void Collect(const MenuNode& node, const QString& path, std::vector<PopupMenuItem>& into) {
    for (const MenuNode::Item& item : node.items) {
        if (item.separator) continue;
        const QString text = path.isEmpty() ? ToQ(item.text) : path + u'/' + ToQ(item.text);
        if (item.popup) {
            Collect(*item.popup, text, into);
            continue;
        }
        into.push_back({FromQ(text), item.id, !item.grayed, item.checked, !CommandImage(item.id).isNull()});
    }
}

bool Offers(const MenuNode& node, UINT id) {
    for (const MenuNode::Item& item : node.items) {
        if (item.popup && Offers(*item.popup, id)) return true;
        if (!item.popup && !item.separator && item.id == id && !item.grayed) return true;
    }
    return false;
}

}  // namespace

MenuNode* MenuOf(HMENU handle) {
    auto* node = reinterpret_cast<MenuNode*>(handle);
    return handle && LiveMenus().contains(node) ? node : nullptr;
}

HMENU NewMenu(std::unique_ptr<MenuNode> node) {
    MenuNode* raw = node.release();
    LiveMenus().insert(raw);
    return reinterpret_cast<HMENU>(raw);
}

void DeleteMenu(HMENU handle) {
    MenuNode* node = MenuOf(handle);
    if (!node) return;
    // Popups inside are part of the node and go with it.
    std::function<void(MenuNode&)> forget = [&](MenuNode& inner) {
        LiveMenus().remove(&inner);
        for (auto& item : inner.items)
            if (item.popup) forget(*item.popup);
    };
    forget(*node);
    delete node;
}

std::unique_ptr<MenuNode> MenuFromResource(UINT id) {
    const MenuTemplate* menu = ResourceTable::Instance().FindMenu(id);
    if (!menu) return nullptr;
    auto node = std::make_unique<MenuNode>();
    Convert(menu->items, *node);
    return node;
}

void UpdateMenu(MenuNode& node, CCmdTarget* target, bool autoDisable) {
    for (MenuNode::Item& item : node.items) {
        if (item.separator) continue;
        if (item.popup) {
            UpdateMenu(*item.popup, target, autoDisable);
            continue;
        }
        MenuItemUI ui(item);
        ui.m_nID = item.id;
        ui.DoUpdate(target, autoDisable);
    }
}

void FillQMenu(QMenu* menu, MenuNode* node, CCmdTarget* target, bool autoDisable,
               const std::function<void(UINT)>& onCommand, HWND promptFrame) {
    menu->clear();
    // The action of each command item, so that the update below finds it also when others were inserted.
    std::vector<std::pair<MenuNode::Item*, QAction*>> commands;
    for (MenuNode::Item& item : node->items) {
        if (item.separator) {
            menu->addSeparator();
        } else if (item.popup) {
            QMenu* sub = menu->addMenu(ToQ(item.text));
            MenuNode* subNode = item.popup.get();
            FillQMenu(sub, subNode, target, autoDisable, onCommand, promptFrame);
            QObject::connect(sub->menuAction(), &QAction::hovered, menu, [promptFrame] { ShowMenuPrompt(promptFrame, 0); });
        } else {
            QAction* action = menu->addAction(ToQ(item.text));
            action->setData(item.id);
            action->setEnabled(!item.grayed);
            action->setCheckable(item.checked);
            action->setChecked(item.checked);
            const UINT id = item.id;
            QObject::connect(action, &QAction::triggered, menu, [onCommand, id] { onCommand(id); });
            QObject::connect(action, &QAction::hovered, menu, [promptFrame, id] { ShowMenuPrompt(promptFrame, id); });
            commands.emplace_back(&item, action);
        }
    }
    // The images (which toolbars may give after the menu was made) and the update handlers each time the menu
    // opens.
    const auto refresh = [node, target, autoDisable, commands](bool update) {
        if (update && target) UpdateMenu(*node, target, autoDisable);
        for (const auto& [item, action] : commands) {
            action->setEnabled(!item->grayed);
            action->setCheckable(item->checked);
            action->setChecked(item->checked);
            action->setText(ToQ(item->text));
            const QPixmap image = CommandImage(item->id);
            action->setIcon(image.isNull() ? QIcon() : QIcon(image));
        }
    };
    refresh(false);
    QObject::connect(menu, &QMenu::aboutToShow, menu, [refresh] { refresh(true); });
    QObject::connect(menu, &QMenu::aboutToHide, menu, [promptFrame] { EndMenuPrompt(promptFrame); });
}

void ShowMenuPrompt(HWND frame, UINT id) {
    auto* window = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(frame));
    if (!window) return;
    PromptingFrames().insert(frame);
    window->SetMessageText(id);
}

void EndMenuPrompt(HWND frame) {
    if (!PromptingFrames().remove(frame)) return;
    if (auto* window = dynamic_cast<CFrameWnd*>(CWnd::FromHandle(frame))) window->SetMessageText(AFX_IDS_IDLEMESSAGE);
}

HWND PromptFrameOf(CCmdTarget* target) {
    auto* window = dynamic_cast<CWnd*>(target);
    CFrameWnd* frame = window ? window->GetTopLevelFrame() : nullptr;
    CWnd* shown = frame ? frame : AfxGetMainWnd();
    return shown ? shown->m_hWnd : nullptr;
}

UINT RunPopupMenu(MenuNode* popup, UINT menuId, CPoint point, CCmdTarget* target, bool autoDisable) {
    if (!popup) return 0;
    UpdateMenu(*popup, target, autoDisable);
    const HWND promptFrame = PromptFrameOf(target);
    if (ModalHooks* hooks = GetModalHooks()) {
        PopupMenuCall call;
        call.menuId = menuId;
        call.point = point;
        Collect(*popup, QString(), call.items);
        call.hover = [promptFrame](UINT id) { ShowMenuPrompt(promptFrame, id); };
        const bool answered = hooks->PopupMenu(call);
        EndMenuPrompt(promptFrame);
        if (!answered) {
            hooks->Unanswered(CString("no script answers popup menu ") + std::to_string(menuId).c_str());
            return 0;
        }
        // Only a command the menu offers, enabled, can be chosen.
        return call.answer && Offers(*popup, call.answer) ? call.answer : 0;
    }
    if (IsOffscreen()) {
        ReportUnanswered(CString("popup menu ") + std::to_string(menuId).c_str());
        return 0;
    }
    QMenu menu;
    UINT chosen = 0;
    FillQMenu(&menu, popup, nullptr, false, [&chosen](UINT id) { chosen = id; }, promptFrame);
    menu.exec(ToQPoint(point));
    return chosen;
}

void SetCommandImage(UINT id, const QPixmap& image) { CommandImages().insert(id, image); }

QPixmap CommandImage(UINT id) { return CommandImages().value(id); }

}  // namespace tamo::platform

CMenu::CMenu() = default;

CMenu::~CMenu() { DestroyMenu(); }

CMenu* CMenu::FromHandle(HMENU) { return nullptr; }

BOOL CMenu::LoadMenu(UINT nIDResource) {
    if (m_hMenu) return FALSE;
    auto node = MenuFromResource(nIDResource);
    if (!node) return FALSE;
    m_hMenu = NewMenu(std::move(node));
    return TRUE;
}

BOOL CMenu::CreateMenu() {
    if (m_hMenu) return FALSE;
    m_hMenu = NewMenu(std::make_unique<MenuNode>());
    return TRUE;
}

BOOL CMenu::CreatePopupMenu() { return CreateMenu(); }

BOOL CMenu::DestroyMenu() {
    if (!m_hMenu) return FALSE;
    // A sub-menu belongs to the menu it came from: only the menu itself is deleted.
    if (m_bOwnsMenu) tamo::platform::DeleteMenu(m_hMenu);
    m_hMenu = nullptr;
    return TRUE;
}

BOOL CMenu::Attach(HMENU hMenu) {
    if (m_hMenu || !MenuOf(hMenu)) return FALSE;
    m_hMenu = hMenu;
    return TRUE;
}

HMENU CMenu::Detach() {
    const HMENU menu = m_hMenu;
    m_hMenu = nullptr;
    return menu;
}

CMenu* CMenu::GetSubMenu(int nPos) const {
    MenuNode* node = MenuOf(m_hMenu);
    if (!node || nPos < 0 || nPos >= static_cast<int>(node->items.size())) return nullptr;
    MenuNode* popup = node->items[static_cast<size_t>(nPos)].popup.get();
    if (!popup) return nullptr;
    for (const auto& sub : node->subMenus)
        if (sub->m_hMenu == reinterpret_cast<HMENU>(popup)) return sub.get();
    auto sub = std::make_unique<CMenu>();
    sub->m_hMenu = reinterpret_cast<HMENU>(popup);
    sub->m_bOwnsMenu = FALSE;
    LiveMenus().insert(popup);
    node->subMenus.push_back(std::move(sub));
    return node->subMenus.back().get();
}

UINT CMenu::GetMenuItemCount() const {
    MenuNode* node = MenuOf(m_hMenu);
    return node ? static_cast<UINT>(node->items.size()) : static_cast<UINT>(-1);
}

UINT CMenu::GetMenuItemID(int nPos) const {
    MenuNode* node = MenuOf(m_hMenu);
    if (!node || nPos < 0 || nPos >= static_cast<int>(node->items.size())) return 0;
    const MenuNode::Item& item = node->items[static_cast<size_t>(nPos)];
    return item.popup ? static_cast<UINT>(-1) : item.id;
}

namespace {

MenuNode::Item* FindItem(MenuNode* node, UINT position, UINT flags) {
    if (!node) return nullptr;
    if (flags & MF_BYPOSITION) return position < node->items.size() ? &node->items[position] : nullptr;
    for (MenuNode::Item& item : node->items) {
        if (!item.popup && !item.separator && item.id == position) return &item;
        if (item.popup)
            if (MenuNode::Item* found = FindItem(item.popup.get(), position, flags)) return found;
    }
    return nullptr;
}

}  // namespace

int CMenu::GetMenuString(UINT nIDItem, CString& rString, UINT nFlags) const {
    MenuNode::Item* item = FindItem(MenuOf(m_hMenu), nIDItem, nFlags);
    rString = item ? item->text : CString();
    return rString.GetLength();
}

UINT CMenu::GetMenuState(UINT nID, UINT nFlags) const {
    MenuNode::Item* item = FindItem(MenuOf(m_hMenu), nID, nFlags);
    if (!item) return static_cast<UINT>(-1);
    return (item->grayed ? MF_GRAYED : 0) | (item->checked ? MF_CHECKED : 0) | (item->separator ? MF_SEPARATOR : 0) |
           (item->popup ? MF_POPUP : 0);
}

BOOL CMenu::AppendMenu(UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    MenuNode* node = MenuOf(m_hMenu);
    return node ? InsertMenu(static_cast<UINT>(node->items.size()), nFlags | MF_BYPOSITION, nIDNewItem, lpszNewItem)
                : FALSE;
}

BOOL CMenu::InsertMenu(UINT nPosition, UINT nFlags, UINT_PTR nIDNewItem, LPCTSTR lpszNewItem) {
    MenuNode* node = MenuOf(m_hMenu);
    if (!node) return FALSE;
    MenuNode::Item item;
    item.separator = nFlags & MF_SEPARATOR;
    item.grayed = nFlags & (MF_GRAYED | MF_DISABLED);
    item.checked = nFlags & MF_CHECKED;
    item.text = lpszNewItem ? lpszNewItem : "";
    if (nFlags & MF_POPUP) {
        // The popup's contents are copied; the program keeps its own menu.
        MenuNode* source = MenuOf(reinterpret_cast<HMENU>(nIDNewItem));
        item.popup = std::make_unique<MenuNode>();
        if (source)
            for (const MenuNode::Item& inner : source->items) {
                MenuNode::Item copy;
                copy.id = inner.id, copy.text = inner.text, copy.separator = inner.separator;
                copy.grayed = inner.grayed, copy.checked = inner.checked;
                item.popup->items.push_back(std::move(copy));
            }
    } else {
        item.id = static_cast<UINT>(nIDNewItem);
    }
    size_t at = node->items.size();
    if (nFlags & MF_BYPOSITION)
        at = std::min<size_t>(nPosition, node->items.size());
    else
        for (size_t i = 0; i < node->items.size(); ++i)
            if (node->items[i].id == nPosition) at = i;
    node->items.insert(node->items.begin() + static_cast<std::ptrdiff_t>(at), std::move(item));
    return TRUE;
}

BOOL CMenu::DeleteMenu(UINT nPosition, UINT nFlags) {
    MenuNode* node = MenuOf(m_hMenu);
    if (!node) return FALSE;
    for (size_t i = 0; i < node->items.size(); ++i) {
        const bool match = (nFlags & MF_BYPOSITION) ? i == nPosition : node->items[i].id == nPosition;
        if (match) {
            node->items.erase(node->items.begin() + static_cast<std::ptrdiff_t>(i));
            return TRUE;
        }
    }
    return FALSE;
}

UINT CMenu::EnableMenuItem(UINT nIDEnableItem, UINT nEnable) {
    MenuNode::Item* item = FindItem(MenuOf(m_hMenu), nIDEnableItem, nEnable);
    if (!item) return static_cast<UINT>(-1);
    const UINT old = item->grayed ? MF_GRAYED : MF_ENABLED;
    item->grayed = nEnable & (MF_GRAYED | MF_DISABLED);
    return old;
}

UINT CMenu::CheckMenuItem(UINT nIDCheckItem, UINT nCheck) {
    MenuNode::Item* item = FindItem(MenuOf(m_hMenu), nIDCheckItem, nCheck);
    if (!item) return static_cast<UINT>(-1);
    const UINT old = item->checked ? MF_CHECKED : MF_UNCHECKED;
    item->checked = nCheck & MF_CHECKED;
    return old;
}

BOOL CMenu::TrackPopupMenu(UINT nFlags, int x, int y, CWnd* pWnd, LPCRECT) {
    MenuNode* node = MenuOf(m_hMenu);
    if (!node) return FALSE;
    // A frame runs the update handlers along its route and disables what nobody handles.
    auto* frame = dynamic_cast<CFrameWnd*>(pWnd);
    const UINT chosen = RunPopupMenu(node, 0, CPoint(x, y), pWnd, frame && frame->m_bAutoMenuEnable);
    if (nFlags & TPM_RETURNCMD) return static_cast<BOOL>(chosen);
    if (chosen && pWnd && pWnd->m_hWnd) pWnd->SendMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

// The context-menu manager
BOOL CContextMenuManager::AddMenu(LPCTSTR lpszName, UINT uiMenuResId) {
    if (!ResourceTable::Instance().FindMenu(uiMenuResId)) return FALSE;
    m_menus[uiMenuResId] = lpszName ? lpszName : "";
    return TRUE;
}

BOOL CContextMenuManager::AddMenu(UINT uiMenuNameResId, UINT uiMenuResId) {
    CString name;
    name.LoadString(uiMenuNameResId);
    return AddMenu(name, uiMenuResId);
}

HMENU CContextMenuManager::GetMenuById(UINT nMenuResId) const {
    // Each call gives a fresh copy that the caller may keep; the manager keeps the resource.
    static auto* copies = new std::vector<std::unique_ptr<CMenu>>;
    if (!m_menus.count(nMenuResId)) return nullptr;
    auto menu = std::make_unique<CMenu>();
    if (!menu->LoadMenu(nMenuResId)) return nullptr;
    copies->push_back(std::move(menu));
    return copies->back()->m_hMenu;
}

HMENU CContextMenuManager::GetMenuByName(LPCTSTR lpszName, UINT* puiOrigResID) const {
    for (const auto& [id, name] : m_menus)
        if (name == (lpszName ? lpszName : "")) {
            if (puiOrigResID) *puiOrigResID = id;
            return GetMenuById(id);
        }
    return nullptr;
}

BOOL CContextMenuManager::ShowPopupMenu(UINT uiMenuResId, int x, int y, CWnd* pWndOwner, BOOL bOwnMessage, BOOL) {
    CMenu menu;
    if (!m_menus.count(uiMenuResId) || !menu.LoadMenu(uiMenuResId)) return FALSE;
    MenuNode* node = MenuOf(menu.m_hMenu);
    // The resource holds one named popup; its items are the menu.
    MenuNode* popup =
        node && !node->items.empty() && node->items.front().popup ? node->items.front().popup.get() : node;
    CWnd* target = bOwnMessage ? pWndOwner : AfxGetMainWnd();
    const UINT chosen = RunPopupMenu(popup, uiMenuResId, CPoint(x, y), target, true);
    if (chosen && target && target->m_hWnd) target->SendMessage(WM_COMMAND, MAKEWPARAM(chosen, 0), 0);
    return TRUE;
}

UINT CContextMenuManager::TrackPopupMenu(HMENU hmenuPopup, int x, int y, CWnd* pWndOwner, BOOL) {
    return RunPopupMenu(MenuOf(hmenuPopup), 0, CPoint(x, y), pWndOwner, true);
}
