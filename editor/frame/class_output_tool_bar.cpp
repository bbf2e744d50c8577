#include "class_output_tool_bar.h"

#include "CFrameWnd.h"

void class_output_tool_bar::OnUpdateCmdUI(CFrameWnd*, BOOL bDisableIfNoHndler) {
    CWnd* owner = GetOwner();
    if (!owner) owner = GetParent();
    CMFCToolBar::OnUpdateCmdUI(DYNAMIC_DOWNCAST(CFrameWnd, owner), bDisableIfNoHndler);
}
