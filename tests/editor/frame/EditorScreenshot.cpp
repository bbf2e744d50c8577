// Runs the editor offscreen from the settings file of the working folder, as a user who only presses "연결"
// in the login dialog, and saves its main window as a PNG file (the path is the first argument). For ./run on
// a machine without a display. Exit code 0 when the picture was saved.

#include <cstdio>
#include <string>

#include "CMainFrame.h"
#include "CTamoZELK_MDIApp.h"
#include "EditorResources.h"
#include "TestDriver.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUT.png\n", argv[0]);
        return 2;
    }
    std::string error;
    if (!tamo::res::LoadEditorResources(&error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        return 1;
    }

    using tamo::platform::TestDriver;
    TestDriver driver;
    driver.OnDialog(310, [](CDialog& login) { TestDriver::Click(login, IDOK); });
    CTamoZELK_MDIApp application;
    if (!application.InitInstance()) {
        std::fprintf(stderr, "the editor did not start (see the messages above)\n");
        application.ExitInstance();
        return 1;
    }
    CWnd* mainWindow = application.m_pMainWnd;
    TestDriver::ShowTopLevel(*mainWindow);
    // As after the first idle moment: commands without a handler show disabled.
    if (auto* frame = dynamic_cast<CFrameWnd*>(mainWindow)) TestDriver::UpdateCommandUI(*frame);
    for (int round = 0; round < 5; ++round) TestDriver::PumpPostedMessages();
    const bool saved = TestDriver::SaveWindowPng(*mainWindow, argv[1]);
    mainWindow->DestroyWindow();
    application.m_pMainWnd = nullptr;
    TestDriver::PumpPostedMessages();
    application.ExitInstance();
    if (!saved) std::fprintf(stderr, "could not write %s\n", argv[1]);
    return saved ? 0 : 1;
}
