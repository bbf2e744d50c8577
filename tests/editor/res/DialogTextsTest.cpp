// Every dialog of the editor's resources, opened as its template makes it: each label, button, group box, combo
// box and list box shows its text whole at the template's size. A picture of each dialog goes to the artifacts.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "EditorResources.h"
#include "Platform.h"
#include "ResourceTable.h"
#include "TestDriver.h"

namespace {

using tamo::platform::ResourceTable;
using tamo::platform::TestDriver;

TEST(DialogTexts, EveryDialogShowsItsTextsWhole) {
    ASSERT_TRUE(tamo::res::LoadEditorResources());
    TestDriver driver;
    const std::vector<UINT> ids = ResourceTable::Instance().DialogIds();
    ASSERT_FALSE(ids.empty());
    for (const UINT id : ids) {
        const tamo::platform::DialogTemplate* dialogTemplate = ResourceTable::Instance().FindDialog(id);
        // Pages and panes that live inside another window are laid out by it.
        if (dialogTemplate->style & WS_CHILD) continue;
        SCOPED_TRACE("dialog " + std::to_string(id) + " \"" + dialogTemplate->caption.str() + "\"");
        CDialog dialog(id);
        driver.OnDialog(id, [id](CDialog& shown) {
            EXPECT_EQ(TestDriver::CutTexts(shown), std::vector<CString>{});
            const std::string picture = "dialog-" + std::to_string(id) + ".png";
            TestDriver::SaveWindowPng(shown, TestDriver::ArtifactPath(picture.c_str()));
            TestDriver::PressCloseBox(shown);
        });
        dialog.DoModal();
    }
}

}  // namespace
