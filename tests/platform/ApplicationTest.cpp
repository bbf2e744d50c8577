#include <gtest/gtest.h>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

// An application as the editor has one: a static object whose InitInstance makes the main window.
class Application : public CWinAppEx {
public:
    bool refuse = false;
    int exitCalls = 0;

    BOOL InitInstance() override {
        CWinAppEx::InitInstance();
        if (refuse) {
            PostQuitMessage(0);
            return FALSE;
        }
        auto* frame = new CFrameWnd;
        if (!frame->LoadFrame(kFrameResource)) return FALSE;
        m_pMainWnd = frame;
        frame->ShowWindow(m_nCmdShow);
        // The user closes the window once the loop runs.
        frame->PostMessage(WM_CLOSE);
        return TRUE;
    }
    int ExitInstance() override {
        ++exitCalls;
        return CWinAppEx::ExitInstance();
    }
};

Application theApp;

TEST(Application, RunsUntilTheMainWindowCloses) {
    TestDriver driver;
    LoadPlatformTestResources();
    char name[] = "TamoZELK_MDI";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(theApp.exitCalls, 1);
    EXPECT_EQ(theApp.m_pMainWnd, nullptr);
}

TEST(Application, EndsWithCodeZeroWhenInitInstanceRefuses) {
    TestDriver driver;
    theApp.refuse = true;
    theApp.exitCalls = 0;
    char name[] = "TamoZELK_MDI";
    char* argv[] = {name, nullptr};
    EXPECT_EQ(AfxWinMain(1, argv), 0);
    EXPECT_EQ(theApp.exitCalls, 1);
}

}  // namespace
