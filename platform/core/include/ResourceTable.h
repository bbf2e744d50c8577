#pragma once

// The program's resources as data: dialog templates, menus, the string table, toolbars and images, each by
// numeric id. The resource loader fills the table once at start-up (or a test fills it); the window layer
// and CString::LoadString read from it.

#include <map>
#include <string>
#include <vector>

#include "CString.h"
#include "WinDef.h"

namespace tamo::platform {

// One control of a dialog template; the rectangle is in dialog units.
struct DialogControlTemplate {
    CString className;  // "Button", "Edit", "Static", "ComboBox", "ListBox", "SysListView32", ...
    CString text;
    int id = -1;  // IDC_STATIC
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;
};

// Entries of a list control (a combo box or list box) that the template fills before the dialog starts.
struct DialogInitEntry {
    int controlId = 0;
    CString text;
};

struct DialogTemplate {
    UINT id = 0;
    CString caption;
    DWORD style = 0;
    DWORD exStyle = 0;
    int x = 0, y = 0, cx = 0, cy = 0;  // dialog units
    CString fontFace;
    int fontPointSize = 8;
    std::vector<DialogControlTemplate> controls;
    std::vector<DialogInitEntry> initEntries;
};

// Menu items: a popup has children; a separator has neither id nor text.
struct MenuItemTemplate {
    enum Kind { Command, Popup, Separator };
    Kind kind = Command;
    CString text;
    UINT id = 0;
    bool grayed = false;
    bool checked = false;
    std::vector<MenuItemTemplate> children;
};

struct MenuTemplate {
    UINT id = 0;
    std::vector<MenuItemTemplate> items;
};

// A toolbar: button size and command ids in strip order, 0 (ID_SEPARATOR) for a separator.
struct ToolbarTemplate {
    UINT id = 0;
    int buttonWidth = 16;
    int buttonHeight = 15;
    std::vector<UINT> commands;
};

// An image file as it is stored (XPM or PNG bytes).
struct ImageResource {
    enum Kind { Bitmap, Icon };
    UINT id = 0;
    Kind kind = Bitmap;
    CString name;       // the file name it came from, for messages
    std::string bytes;  // the file's contents
};

class ResourceTable {
public:
    static ResourceTable& Instance();

    // Each Add returns false (and keeps the entry it had) when the id is taken already.
    bool AddString(UINT id, const CString& text);
    bool AddDialog(const DialogTemplate& dialog);
    bool AddMenu(const MenuTemplate& menu);
    bool AddToolbar(const ToolbarTemplate& toolbar);
    bool AddImage(const ImageResource& image);
    // Appends entries to a dialog's list controls; false when there is no such dialog.
    bool AddDialogInitEntries(UINT dialogId, const std::vector<DialogInitEntry>& entries);

    const CString* FindString(UINT id) const;
    const DialogTemplate* FindDialog(UINT id) const;
    const MenuTemplate* FindMenu(UINT id) const;
    const ToolbarTemplate* FindToolbar(UINT id) const;
    const ImageResource* FindImage(ImageResource::Kind kind, UINT id) const;

    // The ids of every dialog template, in order.
    std::vector<UINT> DialogIds() const;
    bool IsEmpty() const;
    void Clear();

private:
    std::map<UINT, CString> m_strings;
    std::map<UINT, DialogTemplate> m_dialogs;
    std::map<UINT, MenuTemplate> m_menus;
    std::map<UINT, ToolbarTemplate> m_toolbars;
    std::map<std::pair<int, UINT>, ImageResource> m_images;
};

}  // namespace tamo::platform
