#pragma once

// Menus as data (from MENU resources or built by the program) and their Qt form.

#include <QPixmap>
#include <functional>
#include <memory>
#include <vector>

#include "CMenu.h"
#include "ModalHooks.h"

class QMenu;
class QMenuBar;
class QAction;
class CCmdTarget;
struct MenuItemTemplate;

namespace tamo::platform {

struct MenuNode {
    struct Item {
        UINT id = 0;
        CString text;
        bool separator = false;
        bool grayed = false;
        bool checked = false;
        std::unique_ptr<MenuNode> popup;
    };
    std::vector<Item> items;
    std::vector<std::unique_ptr<CMenu>> subMenus;  // the CMenu objects GetSubMenu handed out
};

MenuNode* MenuOf(HMENU handle);  // null unless live
HMENU NewMenu(std::unique_ptr<MenuNode> node);
void DeleteMenu(HMENU handle);
std::unique_ptr<MenuNode> MenuFromResource(UINT id);

// Runs the update handlers of every command of the menu along the target's route (items without a handler
// are disabled when autoDisable is set) and records what they decided in the node.
void UpdateMenu(MenuNode& node, CCmdTarget* target, bool autoDisable);

// Fills a Qt menu with the node's items; a chosen command calls onCommand. Before the menu shows, the
// update handlers run along `target`. While it is open the status bar of `promptFrame` (none when null) shows
// the prompt of the hovered command.
void FillQMenu(QMenu* menu, MenuNode* node, CCmdTarget* target, bool autoDisable,
               const std::function<void(UINT)>& onCommand, HWND promptFrame);

// The prompts of an open menu, as the frame library shows them: the hovered command's prompt (0, a popup item:
// nothing) in the frame's status bar, and the idle message again when the menu closes after a prompt.
void ShowMenuPrompt(HWND frame, UINT id);
void EndMenuPrompt(HWND frame);
// The frame whose status bar shows the prompts of a menu for `target`: its top-level frame, else the main window.
HWND PromptFrameOf(CCmdTarget* target);

// Shows a popup menu at screen coordinates (or lets the test driver choose); answers the command or 0.
UINT RunPopupMenu(MenuNode* popup, UINT menuId, CPoint point, CCmdTarget* target, bool autoDisable);

// Images that toolbars give menu commands (AddToolBarForImageCollection).
void SetCommandImage(UINT id, const QPixmap& image);
QPixmap CommandImage(UINT id);

}  // namespace tamo::platform
