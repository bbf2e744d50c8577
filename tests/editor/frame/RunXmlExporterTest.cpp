// The exporter launcher: the nine arguments as the exporter receives them, a tool that cannot be started, an
// exporter that fails, and the data-domain exporter pelvane itself writing the sample's domain.

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "DataTreeTestSupport.h"
#include "RunXmlExporter.h"
#include "SessionLogin.h"

using tamo::platform::TestDriver;
namespace fs = std::filesystem;

namespace {

// A stand-in exporter: writes its arguments, one per line, next to the tools folder; with the id 0 it fails
// as the exporters do, else it writes the output file.
const char* const kFakeExporter = R"(#!/bin/sh
printf '%s\n' "$@" > "$(dirname "$0")/../arguments.txt"
if [ "$8" = "0" ]; then
  echo "connected"
  echo "err : 도메인을 찾을 수 없습니다"
  exit 1
fi
echo '<tamo_system_interface/>' > "$9"
)";

class RunXmlExporterTest : public datatree_test::DataTreeTest {
protected:
    RunXmlExporterTest() : DataTreeTest("datatree_exporter") {}

    void SetUp() override {
        DataTreeTest::SetUp();
        m_previous = fs::current_path();
        m_folder = fs::temp_directory_path() / ("tamo-launcher-" + std::to_string(::getpid()) + "-" + UniqueName());
        fs::create_directories(m_folder / "tools");
        const fs::path tool = m_folder / "tools" / "fakeexporter";
        std::ofstream(tool) << kFakeExporter;
        fs::permissions(tool, fs::perms::owner_all);
        fs::current_path(m_folder);
        driver.SetRunProcesses(true);
    }
    void TearDown() override {
        fs::current_path(m_previous);
        fs::remove_all(m_folder);
        DataTreeTest::TearDown();
    }

    std::vector<std::string> Arguments() const {
        std::ifstream file(m_folder / "arguments.txt");
        std::vector<std::string> lines;
        for (std::string line; std::getline(file, line);) lines.push_back(line);
        return lines;
    }

    fs::path m_folder;
    fs::path m_previous;
};

CLoginValues TrickyLogin() {
    CLoginValues login;
    login.SetField(LOGIN_SERVER, "127.0.0.1");
    login.SetField(LOGIN_PORT, "03306");
    login.SetField(LOGIN_DB_NAME, "설계 db");
    login.SetField(LOGIN_DB_ID, "tamo");
    login.SetField(LOGIN_DB_PASSWORD, "pa ss\"wo\\\"rd\\");
    login.SetField(LOGIN_USER_ID, "o'brien");
    login.SetField(LOGIN_USER_PASSWORD, "");
    return login;
}

TEST_F(RunXmlExporterTest, TheExporterReceivesTheNineValuesIntactAndItsFileIsOpened) {
    const std::string output = (m_folder / "out dir" / "도메인 A.xml").string();
    fs::create_directories(m_folder / "out dir");
    driver.AnswerFileDialog(output.c_str());
    RunXmlExporter(TrickyLogin(), "도메인 A", "tools\\fakeexporter.exe", 7);

    ASSERT_EQ(driver.FileDialogs().size(), 1u);
    const auto& dialog = driver.FileDialogs()[0];
    EXPECT_FALSE(dialog.open);
    EXPECT_EQ(dialog.initialName, "도메인 A.xml");
    EXPECT_EQ(dialog.filter, "XML files(*.xml)|*.xml|");
    EXPECT_EQ(dialog.flags & (OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT), static_cast<DWORD>(OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT));
    EXPECT_EQ(Arguments(), (std::vector<std::string>{"127.0.0.1", "03306", "tamo", "pa ss\"wo\\\"rd\\", "설계 db",
                                                     "o'brien", "", "7", output}));
    ASSERT_EQ(driver.Processes().size(), 1u);
    EXPECT_EQ(driver.Processes()[0].file, "tools\\fakeexporter.exe");
    ASSERT_EQ(driver.ShellOpens().size(), 1u);
    EXPECT_EQ(driver.ShellOpens()[0].verb, "open");
    EXPECT_EQ(driver.ShellOpens()[0].file.str(), output);
    EXPECT_TRUE(driver.MessageBoxes().empty());
}

TEST_F(RunXmlExporterTest, AWrittenFileThatNoProgramOpensIsNamedWithItsPath) {
    const std::string output = (m_folder / "도메인 B.xml").string();
    driver.AnswerFileDialog(output.c_str());
    driver.SetShellOpensFail(true);
    driver.AnswerMessageBox(IDOK);
    RunXmlExporter(TrickyLogin(), "도메인 B", "tools\\fakeexporter.exe", 7);
    ASSERT_EQ(driver.ShellOpens().size(), 1u);
    EXPECT_TRUE(fs::exists(output));
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"XML 파일을 만들었습니다 : " + output +
                                                   "\n이 파일을 열 프로그램을 찾지 못했습니다."});
}

TEST_F(RunXmlExporterTest, CancellingTheFileDialogStartsNothing) {
    driver.AnswerFileDialog("");
    RunXmlExporter(TrickyLogin(), "A", "tools\\fakeexporter.exe", 7);
    EXPECT_TRUE(driver.Processes().empty());
    EXPECT_TRUE(driver.ShellOpens().empty());
}

// Messages name the program by the path of this system, not by the Windows path it is asked by.
TEST_F(RunXmlExporterTest, AMissingToolIsNamed) {
    driver.AnswerFileDialog((m_folder / "a.xml").string().c_str());
    driver.AnswerMessageBox(IDOK);
    RunXmlExporter(TrickyLogin(), "A", "tools\\tembrel.exe", 7);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"XML 출력 프로그램을 시작할 수 없습니다 : tools/tembrel"});
    EXPECT_TRUE(driver.ShellOpens().empty());
}

TEST_F(RunXmlExporterTest, AFailedExportDoesNotOpenTheOldFile) {
    const fs::path output = m_folder / "old.xml";
    std::ofstream(output) << "<old/>";
    driver.AnswerFileDialog(output.string().c_str());
    driver.AnswerMessageBox(IDOK);
    RunXmlExporter(TrickyLogin(), "A", "tools\\fakeexporter.exe", 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                              "tools/fakeexporter : XML 파일을 만들지 못했습니다.\nerr : 도메인을 찾을 수 없습니다"});
    EXPECT_TRUE(driver.ShellOpens().empty());
}

TEST_F(RunXmlExporterTest, PelvaneWritesTheDataDomainAndTheFileIsOpened) {
    const fs::path tools = fs::path(TAMO_BUILD_DIR) / "tools";
    if (!fs::exists(tools / "pelvane")) GTEST_SKIP() << "pelvane is not built";
    fs::create_symlink(tools / "pelvane", m_folder / "tools" / "pelvane");
    const CLoginValues login = tamo::testing::LoginFor(m_server, "admin", "admin");
    const fs::path output = m_folder / "Nav.xml";
    driver.AnswerFileDialog(output.string().c_str());
    RunXmlExporter(login, "Nav", "tools\\pelvane.exe", 1);
    EXPECT_TRUE(driver.MessageBoxes().empty()) << (BoxTexts().empty() ? "" : BoxTexts()[0]);
    ASSERT_EQ(driver.ShellOpens().size(), 1u);
    EXPECT_EQ(driver.ShellOpens()[0].file.str(), output.string());
    std::stringstream written;
    written << std::ifstream(output).rdbuf();
    EXPECT_NE(written.str().find("tamo_system_interface"), std::string::npos);
    EXPECT_NE(written.str().find("Waypoint"), std::string::npos);
}

}  // namespace
