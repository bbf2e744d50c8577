#include "CodeWindowsTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "CWnd.h"
#include "CodegenTestSession.h"
#include "CompileCheck.h"
#include "EditorResources.h"
#include "GoldenFile.h"
#include "SessionMessageBox.h"
#include "TestDatabase.h"

namespace tamo::codegen::testing {

namespace {

// The generators' boxes are the application's boxes, as the editor installs them.
int ApplicationBox(LPCTSTR text, UINT type) { return AfxMessageBox(text, type); }

}  // namespace

void CodeWindowsTest::SetUp() {
    std::string error;
    ASSERT_TRUE(tamo::res::LoadEditorResources(&error)) << error;
    SetSessionMessageBoxHandler(ApplicationBox);
    m_server = tamo::testing::TestDatabase::Prepare(m_database, true);
    ASSERT_EQ(ConnectSession(m_server), "");
    db = CMysqlQuery::GetInstance();
    driver.SetDefaultMessageBoxAnswer(IDOK);
}

void CodeWindowsTest::TearDown() {
    CMysqlQuery::GetInstance()->Close();
    SetSessionMessageBoxHandler(nullptr);
}

std::string CodeWindowsTest::Folder(const std::string& name) const {
    // The process id keeps apart the runs of other developers on the same machine.
    return FreshFolder("windows_" + name + "_" + std::to_string(::getpid()));
}

std::vector<std::string> CodeWindowsTest::BoxTexts(std::size_t from) const {
    std::vector<std::string> texts;
    const auto& boxes = driver.MessageBoxes();
    for (std::size_t index = from; index < boxes.size(); ++index) texts.push_back(boxes[index].text.str());
    return texts;
}

std::string CodeWindowsTest::AdminValue(const std::string& sql) const {
    std::istringstream rows(tamo::testing::TestDatabase::AdminQuery(m_server.database, sql));
    std::string first;
    std::getline(rows, first);
    return first.substr(0, first.find('\t'));
}

std::string SampleGolden(const std::string& name) {
    const std::string path = std::string(TAMO_CODEGEN_GOLDEN_DIR) + "/" + name;
    EXPECT_TRUE(std::filesystem::is_regular_file(path)) << path;
    return ReadFile(path);
}

std::string WithCrLf(const std::string& text) {
    std::string shown;
    for (const char ch : text) {
        if (ch == '\n') shown += '\r';
        shown += ch;
    }
    return shown;
}

std::vector<std::string> FilesBelow(const std::string& folder) {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
        if (entry.is_regular_file()) files.push_back(std::filesystem::relative(entry.path(), folder).string());
    }
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace tamo::codegen::testing
