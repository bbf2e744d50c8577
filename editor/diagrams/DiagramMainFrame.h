#pragma once

#include <string>

#include "WinUser.h"

class CMDIChildWnd;

// The message that asks the main frame for a new diagram window: wParam 1, lParam the window name as a
// NUL-terminated text; the frame creates a child frame with a new document and diagram view, activates it and
// answers 0, or -1 when it could not.
#ifndef WM_CREATE_DIAGRAM_FRAME
#define WM_CREATE_DIAGRAM_FRAME (WM_USER + 125)
#endif

// What the diagram classes need of the editor's main frame (CMainFrame implements it next to CMDIFrameWndEx).
class DiagramMainFrame {
public:
    virtual ~DiagramMainFrame() = default;
    // Activates the first diagram window whose document's diagram name equals the name exactly: 0, or -1 when
    // there is none.
    virtual int ActivateDocumentFrame(const std::string& name) = 0;
    // The first diagram window whose document's diagram name is exactly "도움말", or null.
    virtual CMDIChildWnd* FindHelpFrame() = 0;
};
