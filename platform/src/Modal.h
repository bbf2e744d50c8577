#pragma once

// Everything modal that the layer shows: message boxes, file and folder dialogs and popup menus. Each asks
// the modal hooks (the test driver) first; without hooks the real Qt dialog runs, except on the offscreen
// platform, where nobody could answer it: there it is reported and cancelled.

#include "ModalHooks.h"

class QWidget;

namespace tamo::platform {

int RunMessageBox(HWND owner, const CString& text, const CString& caption, UINT type);
bool RunFileDialog(HWND owner, FileDialogCall& call);
bool RunFolderDialog(HWND owner, FolderDialogCall& call);
// Reports a modal window that nothing could answer (offscreen without hooks, or hooks without a script).
void ReportUnanswered(const CString& what);

}  // namespace tamo::platform
