#pragma once

// What the window layer asks before it shows anything modal or starts anything outside the program. The
// test driver (platform/testing) answers these; without it the real dialogs, boxes, menus and processes run.

#include <functional>
#include <vector>

#include "CPoint.h"
#include "CString.h"
#include "WinDef.h"

class CDialog;
class CWnd;

namespace tamo::platform {

struct MessageBoxCall {
    CString text;
    CString caption;
    UINT type = 0;
    HWND owner = nullptr;
    int answer = 0;
};

struct FileDialogCall {
    bool open = true;
    CString title;
    CString filter;  // as the program gave it, "Name(*.x)|*.x|"
    CString initialName;
    CString initialFolder;
    CString defaultExtension;
    DWORD flags = 0;
    CString answer;  // the chosen path; empty when cancelled
};

struct FolderDialogCall {
    CString title;
    CString initialFolder;
    UINT flags = 0;
    CString answer;  // empty when cancelled
};

struct PopupMenuItem {
    CString text;  // with "&" and the popup path ("데이타 정렬/이름 정렬")
    UINT id = 0;
    bool enabled = true;
    bool checked = false;
    bool image = false;  // the item shows an image (AddToolBarForImageCollection)
};

struct PopupMenuCall {
    UINT menuId = 0;  // the menu resource, when the popup came from one
    CPoint point;     // screen coordinates
    std::vector<PopupMenuItem> items;
    UINT answer = 0;  // the chosen command, 0 when dismissed
    // While the menu is open: the mouse rests on the item of a command, so the status bar shows its prompt
    // (0: an item without one). The menu's closing brings the idle message back.
    std::function<void(UINT)> hover;
};

struct ShellOpenCall {
    CString verb;
    CString file;
    CString parameters;
    CString directory;
    bool opened = true;  // the recording answers whether a program took the file
};

struct ProcessCall {
    CString file;                    // as the program named it
    CString program;                 // the path that is started
    std::vector<CString> arguments;  // split from the parameter text
    CString directory;
    int exitCode = 0;
};

class ModalHooks {
public:
    virtual ~ModalHooks() = default;
    // The dialog has run OnInitDialog; the hook drives it and ends it. False: nothing answers this dialog.
    virtual bool RunDialog(CDialog& dialog) = 0;
    // Each answers false when nothing answers the call.
    virtual bool MessageBox(MessageBoxCall& call) = 0;
    virtual bool FileDialog(FileDialogCall& call) = 0;
    virtual bool FolderDialog(FolderDialogCall& call) = 0;
    virtual bool PopupMenu(PopupMenuCall& call) = 0;
    // True when the call was only recorded; false lets the layer do it.
    virtual bool ShellOpen(ShellOpenCall& call) = 0;
    virtual bool StartProcess(ProcessCall& call) = 0;
    // A modal window that nothing answered.
    virtual void Unanswered(const CString& what) = 0;
};

// The hooks in force (null: none). The test driver installs itself.
ModalHooks* GetModalHooks();
void SetModalHooks(ModalHooks* hooks);

}  // namespace tamo::platform
