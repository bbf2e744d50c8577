// The connection settings dialog: the text of the sample's installed components and the file it saves.

#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>

#include "SystemDialogsTestSupport.h"
#include "class_ini_dialog.h"

using namespace dialog_test;
using tamo::platform::TestDriver;

namespace {

class ConnectionSettingsDialogTest : public system_dialogs_test::SystemDialogsTest {
protected:
    void SetUpDialog(class_ini_dialog& dialog, const std::string& node, const std::string& component) {
        class_component_info installed;
        installed.component_id = ComponentId(component);
        installed.name = component;
        dialog.set_connection_info(Node(NodeId(node)), installed);
    }
    std::string TempPath(const std::string& name) const {
        return ::testing::TempDir() + UniqueName("_" + name);
    }
};

const int IDC_SETTINGS_TEXT = 1197;

std::string FileBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    EXPECT_TRUE(file.is_open()) << path;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

TEST_F(ConnectionSettingsDialogTest, TheSavedFileIsTheBuiltTextProxySectionsFirst) {
    // 조타 제어기 calls IHeartbeat through two objects of class_Heartbeat (302 and the public 303).
    const std::string expected =
        "[ class_Heartbeat ]\nType = proxy\nStub IP = 192.168.1.40\nStub ID = 401\n\n"
        "[ class_Heartbeat ]\nType = proxy\nStub IP = 192.168.1.40\nStub ID = 401\n\n"
        "[ class_위치 ]\nType = stub\nStub ID = 301\nMetho_Domain_Name = 위치서비스\nMetho_Domain_port = 10001\n\n";
    std::string shown = expected;
    for (size_t at = shown.find('\n'); at != std::string::npos; at = shown.find('\n', at + 2)) shown.insert(at, 1, '\r');

    const std::string path = TempPath("helm");  // no extension: saved under that exact name
    class_ini_dialog dialog;
    SetUpDialog(dialog, "조타 컴퓨터", "조타 제어기");
    driver.AnswerFileDialog(path.c_str());
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(419, [&](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_SETTINGS_TEXT), shown);
        TestDriver::Type(d, IDC_SETTINGS_TEXT, "typed over");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(FileBytes(path), expected);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"저장을 완료하였습니다."});
    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    const tamo::platform::FileDialogCall& call = driver.FileDialogs()[0];
    EXPECT_FALSE(call.open);
    EXPECT_EQ(call.filter, "config (*.ini)|*.ini|all(*.*)|*.*|");
    EXPECT_EQ(call.initialName, ".ini");
    EXPECT_EQ(call.defaultExtension, "");
    EXPECT_EQ(call.initialFolder, "");
    std::remove(path.c_str());
}

TEST_F(ConnectionSettingsDialogTest, AComponentWithoutEntriesSavesAnEmptyFile) {
    const std::string path = TempPath("empty.ini");
    {
        std::ofstream old(path);
        old << "an older file\n";
    }
    class_ini_dialog dialog;
    SetUpDialog(dialog, "조타 컴퓨터", "기관 감시기");
    driver.AnswerFileDialog(path.c_str());
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(419, [](CDialog& d) {
        EXPECT_EQ(Text(d, IDC_SETTINGS_TEXT), "");
        TestDriver::Click(d, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(FileBytes(path), "");
    std::remove(path.c_str());
}

TEST_F(ConnectionSettingsDialogTest, AFileThatCannotBeWrittenIsReportedAndNotCalledSaved) {
    const std::string path = TempPath("no_folder") + "/a.ini";
    class_ini_dialog dialog;
    SetUpDialog(dialog, "항해 컴퓨터", "항법 관리자");
    driver.AnswerFileDialog(path.c_str());
    driver.AnswerMessageBox(IDOK);
    driver.OnDialog(419, [](CDialog& d) { TestDriver::Click(d, IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);  // closes all the same
    ASSERT_EQ(BoxTexts().size(), 1u);
    EXPECT_EQ(BoxTexts()[0].rfind("err(fopen) : " + path + "\n", 0), 0u) << BoxTexts()[0];
    EXPECT_NE(dialog.GetSettingsText().find("Type = stub"), std::string::npos);

    // Cancelling the file dialog saves nothing and closes the dialog as well.
    class_ini_dialog cancelled;
    SetUpDialog(cancelled, "항해 컴퓨터", "항법 관리자");
    driver.AnswerFileDialog("");
    driver.OnDialog(419, [](CDialog& d) { TestDriver::Click(d, IDOK); });
    EXPECT_EQ(cancelled.DoModal(), IDOK);
    EXPECT_EQ(BoxTexts().size(), 1u);
}

}  // namespace
