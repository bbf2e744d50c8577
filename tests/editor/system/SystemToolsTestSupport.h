#pragma once

// What the tests of the system tree's tool commands share: the whole editor offscreen, logged in as admin to a
// copy of the sample design of its own, with ways to select the system tree's items by their texts and to look
// at the diagram window in front.

#include <string>
#include <vector>

#include "CSystemDomainTreeView.h"
#include "CTamoZELK_MDIDoc.h"
#include "EditorTestSupport.h"

namespace systemtools_test {

class SystemToolsTest : public frame_test::EditorTest {
protected:
    void SetUp() override;

    CSystemDomainTreeView& Pane() { return frame->GetSystemDomainView(); }
    CViewTree& Tree() { return Pane().GetTreeCtrl(); }
    // Selects the items of the texts from the root down (a domain loads its levels on the way); an item text
    // matches exactly, before its first ":" ("조타실 시스템:조타실") or after its last ("7:항법 관리자").
    // Answers the last item, null when a text is missing.
    HTREEITEM SelectPath(const std::vector<std::string>& texts);
    TreeNodeData* Data(HTREEITEM item);

    // The diagram window in front, its document and its diagram kind (-1 without a diagram view).
    CMDIChildWnd* ActiveWindow() { return frame->MDIGetActive(); }
    CTamoZELK_MDIDoc* ActiveDocument();
    int ActiveDiagramKind();
    int WindowCount();

    // The texts of the message boxes from the n-th on.
    std::vector<std::string> BoxTextsFrom(size_t first) const;
    // One value of the design database, read by the administrator.
    std::string AdminValue(const std::string& query);

    CMainFrame* frame = nullptr;
};

}  // namespace systemtools_test
