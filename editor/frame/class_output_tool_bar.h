#pragma once

#include "CMFCToolBar.h"

// The empty toolbar strip above the search results: no buttons, command states come from its owner, and it is
// not offered in the frame library's list of toolbars.
class class_output_tool_bar : public CMFCToolBar {
public:
    void OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler) override;
    BOOL AllowShowOnList() const override { return FALSE; }
};
