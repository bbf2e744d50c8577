#pragma once

// The application-wide message box as the widget-free modules reach it. The session shows its errors through
// SessionMessageBox; the window layer installs the frame library's box (CLoginDlg does so when it is built),
// and tests install a recorder. Without a handler the text goes to standard error and the answer is IDOK.

#include "WinDef.h"
#include "WinUser.h"

using SessionMessageBoxHandler = int (*)(LPCTSTR text, UINT type);

// Installs `handler` (null: back to standard error) and returns the one it replaces.
SessionMessageBoxHandler SetSessionMessageBoxHandler(SessionMessageBoxHandler handler);

// Shows `text` with the buttons of `type` (MB_OK, MB_OKCANCEL, ...) and returns the button pressed.
int SessionMessageBox(LPCTSTR text, UINT type = MB_OK);
