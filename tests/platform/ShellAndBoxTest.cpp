#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

#include "Platform.h"
#include "TestDriver.h"
#include "TestResources.h"

using tamo::platform::TestDriver;

namespace {

class ShellAndBoxTest : public ::testing::Test {
protected:
    void SetUp() override { LoadPlatformTestResources(); }
    TestDriver driver;
};

TEST_F(ShellAndBoxTest, MessageBoxesAreAnsweredAndRecorded) {
    CWnd owner;
    ASSERT_TRUE(owner.CreateEx(0, nullptr, "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
    driver.AnswerMessageBox(IDOK);
    driver.AnswerMessageBox(IDCANCEL);
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(AfxMessageBox("검색할 단어를 입력해 주세요"), IDOK);
    EXPECT_EQ(owner.MessageBox("선택된 계정을 삭제하시겠습니까?", "클라이언트", MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(::MessageBox(nullptr, "에러 : 보안 통과 실패", "접속 실패", MB_OK), IDOK);
    const auto& boxes = driver.MessageBoxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].text, "검색할 단어를 입력해 주세요");
    EXPECT_EQ(boxes[0].caption, AfxGetAppName());
    EXPECT_EQ(boxes[0].owner, nullptr);
    EXPECT_EQ(boxes[0].type, static_cast<UINT>(MB_OK));
    EXPECT_EQ(boxes[1].caption, "클라이언트");
    EXPECT_EQ(boxes[1].owner, owner.m_hWnd);
    EXPECT_EQ(boxes[1].type, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(boxes[2].caption, "접속 실패");

    int answer = 0;
    EXPECT_NONFATAL_FAILURE(answer = AfxMessageBox("완료 되었습니다", MB_OKCANCEL), "완료 되었습니다");
    EXPECT_EQ(answer, IDCANCEL);
    driver.SetDefaultMessageBoxAnswer(IDOK);
    EXPECT_EQ(owner.MessageBox("완료 되었습니다", "완료"), IDOK);
    owner.DestroyWindow();
}

// A box with a short text is still as wide as its caption needs beside the title bar's icon and buttons
// (about 100 pixels), so the caption shows whole.
TEST_F(ShellAndBoxTest, MessageBoxesAreWideEnoughForTheirCaption) {
    CDC measure;
    const std::vector<const char*> captions = {"TamoZELK_MDI", "타모", "IP 중복",
                                               "서버계정관리 - 선택된 계정의 권한을 바꿀 수 없습니다"};
    for (size_t i = 0; i < captions.size(); ++i) {
        const char* caption = captions[i];
        SCOPED_TRACE(caption);
        const tamo::platform::MessageBoxCall call{"완료", caption, MB_OK | MB_ICONASTERISK, nullptr, 0};
        const std::string picture = "box-" + std::to_string(i) + ".png";
        const CSize box = TestDriver::LayOutMessageBox(call, TestDriver::ArtifactPath(picture.c_str()));
        EXPECT_GE(box.cx, measure.GetTextExtent(caption).cx + 100);
    }
}

TEST_F(ShellAndBoxTest, FileDialogsTakeTheirFilterAndGiveTheScriptedPath) {
    driver.AnswerFileDialog("/tmp/out/domain.xml");
    CFileDialog save(FALSE, nullptr, "root_a.xml", OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT, "XML files(*.xml)|*.xml|");
    ASSERT_EQ(save.DoModal(), IDOK);
    EXPECT_EQ(save.GetPathName(), "/tmp/out/domain.xml");
    EXPECT_EQ(save.GetFileName(), "domain.xml");
    EXPECT_EQ(save.GetFileExt(), "xml");
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    const auto& call = driver.FileDialogs()[0];
    EXPECT_FALSE(call.open);
    EXPECT_EQ(call.filter, "XML files(*.xml)|*.xml|");
    EXPECT_EQ(call.initialName, "root_a.xml");
    EXPECT_EQ(call.flags, static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));

    // The caller's own name buffer starts as ".ini" and gets the chosen path, cut to its size.
    char name[12] = ".ini";
    CFileDialog settings(FALSE, nullptr, nullptr, OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                         "config (*.ini)|*.ini|all(*.*)|*.*||");
    settings.m_ofn.lpstrFile = name;
    settings.m_ofn.nMaxFile = sizeof name;
    driver.AnswerFileDialog("/tmp/설정파일.ini");
    ASSERT_EQ(settings.DoModal(), IDOK);
    EXPECT_EQ(driver.FileDialogs()[1].initialName, ".ini");
    EXPECT_STREQ(name, "/tmp/설정");  // 11 bytes at most, not splitting a character

    driver.AnswerFileDialog("");
    CFileDialog open(TRUE, nullptr, nullptr, OFN_HIDEREADONLY, "HWPML files(*.hml)|*.hml|");
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_TRUE(driver.FileDialogs()[2].open);
}

int CALLBACK StartAtRoot(HWND hwnd, UINT message, LPARAM, LPARAM) {
    if (message == BFFM_INITIALIZED) ::SendMessage(hwnd, BFFM_SETSELECTION, TRUE, reinterpret_cast<LPARAM>("C:\\"));
    return 0;
}

TEST_F(ShellAndBoxTest, FolderBrowserStartsWhereItsCallbackSays) {
    driver.AnswerFolderDialog("/tmp/생성");
    char display[MAX_PATH] = "";
    BROWSEINFO info{};
    info.lpszTitle = "디렉토리를 선택하세요";
    info.ulFlags = BIF_RETURNONLYFSDIRS | BIF_NEWDIALOGSTYLE;
    info.pszDisplayName = display;
    info.lpfn = &StartAtRoot;
    LPITEMIDLIST chosen = SHBrowseForFolder(&info);
    ASSERT_NE(chosen, nullptr);
    char path[MAX_PATH];
    EXPECT_TRUE(SHGetPathFromIDList(chosen, path));
    CoTaskMemFree(chosen);
    EXPECT_STREQ(path, "/tmp/생성");
    EXPECT_STREQ(display, "생성");
    ASSERT_EQ(driver.FolderDialogs().size(), 1u);
    EXPECT_EQ(driver.FolderDialogs()[0].title, "디렉토리를 선택하세요");
    EXPECT_EQ(driver.FolderDialogs()[0].initialFolder, "C:\\");
    driver.AnswerFolderDialog("");
    EXPECT_EQ(SHBrowseForFolder(&info), nullptr);
}

// A program in tools/ below a working folder that writes its arguments, one per line.
class ProgramFolder {
public:
    ProgramFolder() {
        char pattern[] = "/tmp/tamo-shell-XXXXXX";
        folder = mkdtemp(pattern);
        mkdir((folder + "/tools").c_str(), 0755);
        std::ofstream script(folder + "/tools/quorrin");
        script << "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > arguments.txt\nexit 3\n";
        script.close();
        chmod((folder + "/tools/quorrin").c_str(), 0755);
    }
    ~ProgramFolder() { std::system(("rm -rf '" + folder + "'").c_str()); }
    std::string Read(const std::string& name) const {
        std::ifstream file(folder + "/" + name);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    std::string folder;
};

TEST_F(ShellAndBoxTest, ProgramsStartFromToolsAndAreWaitedFor) {
    ProgramFolder programs;
    const std::string parameters =
        "\"127.0.0.1\" \"3306\" \"tamo\" \"tamo\" \"tamo\" \"admin\" \"pass word\" \"12\" \"out \\\"x\\\".xml\"";
    SHELLEXECUTEINFO info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = "tools\\quorrin.exe";
    info.lpParameters = parameters.c_str();
    info.lpDirectory = programs.folder.c_str();
    info.nShow = SW_SHOW;

    // Recorded, not run.
    ASSERT_TRUE(ShellExecuteEx(&info));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    EXPECT_TRUE(CloseHandle(info.hProcess));
    ASSERT_EQ(driver.Processes().size(), 1u);
    const auto& call = driver.Processes()[0];
    EXPECT_EQ(call.program, (programs.folder + "/tools/quorrin").c_str());
    const std::vector<CString> expected{"127.0.0.1", "3306",      "tamo", "tamo",         "tamo",
                                        "admin",     "pass word", "12",   "out \"x\".xml"};
    EXPECT_EQ(call.arguments, expected);
    EXPECT_EQ(programs.Read("arguments.txt"), "");

    // Run for real: the arguments arrive as they were split, and the wait ends with the program.
    driver.SetRunProcesses(true);
    ASSERT_TRUE(ShellExecuteEx(&info));
    EXPECT_EQ(WaitForSingleObject(info.hProcess, INFINITE), static_cast<DWORD>(WAIT_OBJECT_0));
    DWORD exitCode = 0;
    EXPECT_TRUE(GetExitCodeProcess(info.hProcess, &exitCode));
    EXPECT_EQ(exitCode, 3u);
    EXPECT_TRUE(CloseHandle(info.hProcess));
    EXPECT_EQ(programs.Read("arguments.txt"),
              "127.0.0.1\n3306\ntamo\ntamo\ntamo\nadmin\npass word\n12\nout \"x\".xml\n");

    info.lpFile = "tools\\missing.exe";
    EXPECT_FALSE(ShellExecuteEx(&info));

    // Messages name a program as this system does; a program that is there by its Windows name keeps it.
    EXPECT_EQ(ShellProgramPath("tools\\quorrin.exe", programs.folder.c_str()), "tools/quorrin");
    EXPECT_EQ(ShellProgramPath("tools\\missing.exe", programs.folder.c_str()), "tools/missing");
    std::ofstream(programs.folder + "/tools/setup.exe") << "";
    EXPECT_EQ(ShellProgramPath("tools\\setup.exe", programs.folder.c_str()), "tools/setup.exe");
    EXPECT_EQ(ShellProgramPath("/opt/tools\\x.exe"), "/opt/tools/x");
}

TEST_F(ShellAndBoxTest, OpeningAFileIsRecordedInsteadOfLaunched) {
    const HINSTANCE result = ShellExecute(nullptr, "open", "/tmp/out/domain.xml", nullptr, nullptr, SW_SHOW);
    EXPECT_GT(reinterpret_cast<INT_PTR>(result), 32);
    ASSERT_EQ(driver.ShellOpens().size(), 1u);
    EXPECT_EQ(driver.ShellOpens()[0].verb, "open");
    EXPECT_EQ(driver.ShellOpens()[0].file, "/tmp/out/domain.xml");

    // A desktop without a program for the file: the shell says so, as Windows does without an association.
    driver.SetShellOpensFail(true);
    EXPECT_EQ(ShellExecute(nullptr, "open", "/tmp/out/domain.xml", nullptr, nullptr, SW_SHOW),
              reinterpret_cast<HINSTANCE>(SE_ERR_NOASSOC));
    EXPECT_EQ(driver.ShellOpens().size(), 2u);
}

}  // namespace
