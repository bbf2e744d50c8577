// The data tree's commands in the running editor: the help topic each one puts into the help window, and its
// work on a data domain of the test's own.

#include "EditorTestSupport.h"

#include <unistd.h>

#include <algorithm>
#include <functional>

#include "CDataDomainTreeView.h"
#include "Class_UmlControl.h"
#include "TreeItems.h"

namespace {

using tamo::platform::TestDriver;

class DataTreeCommandsTest : public frame_test::EditorTest {
protected:
    // A data domain at the top level made by admin; its id.
    int NewDataDomain(const std::string& name) {
        tamo::testing::TestConnection admin(m_server);
        EXPECT_TRUE(admin.Login("admin", "admin"));
        const tamo::testing::RunResult result = admin.Run("call domainViewNewDomain('data',0,'" + admin.Escape(name) +
                                                          "',0,'1','')");
        EXPECT_TRUE(result.ok) << result.error;
        if (!result.ok || result.sets.size() < 2 || result.sets[1].rows.empty()) return 0;
        return std::stoi(result.sets[1].rows[0][0].value_or("0"));
    }
    void NewData(int domainId, const std::string& name, const std::string& type) {
        tamo::testing::TestConnection admin(m_server);
        EXPECT_TRUE(admin.Login("admin", "admin"));
        const tamo::testing::RunResult result =
            admin.Run("call metadataViewNewMetadata(" + std::to_string(domainId) + ",'" + name + "','" + type +
                      "',0,'','','')");
        EXPECT_TRUE(result.ok) << result.error;
    }

    CViewTree& Tree() { return MainFrame()->GetDataDomainView().GetTreeCtrl(); }
    HTREEITEM Child(HTREEITEM parent, const std::string& text) {
        return frame_test::ChildWithText(Tree(), parent, text);
    }
    std::vector<std::string> Children(HTREEITEM parent) { return frame_test::ChildTexts(Tree(), parent); }

};

void Cancel(CDialog& dialog) { TestDriver::Click(dialog, IDCANCEL); }

// Each command of the data tree's menus that other tests do not run through the pane: the help topic it shows
// (0: the help window keeps what it showed) and what it does.
TEST_F(DataTreeCommandsTest, EachCommandShowsItsHelpTopicAndDoesItsWork) {
    const std::string suffix = '_' + std::to_string(::getpid());
    const std::string domainName = "명령" + suffix, sourceName = "출처" + suffix;
    const int domainId = NewDataDomain(domainName);
    const int sourceId = NewDataDomain(sourceName);
    ASSERT_GT(domainId, 0);
    ASSERT_GT(sourceId, 0);
    NewData(domainId, "b_int", "int32_t");
    NewData(domainId, "a_struct", "struct");
    NewData(domainId, "c_enum", "enum8_t");
    NewData(sourceId, "copied", "int8_t");

    ASSERT_NE(StartEditor(), nullptr);
    CDataDomainTreeView& pane = MainFrame()->GetDataDomainView();
    HTREEITEM root = Tree().GetRootItem();
    const auto domain = [&] { return Child(root, domainName); };
    ASSERT_TRUE(domain());

    // Selecting the root shows no topic; any other domain topic 25.
    Class_UmlControl::get_instance()->set_explanation_text(30);
    Tree().SelectItem(root);
    EXPECT_EQ(ShownHelpText(), frame_test::HelpTopicText(30));
    Tree().SelectItem(domain());
    EXPECT_EQ(ShownHelpText(), frame_test::HelpTopicText(25));
    // The server lists a domain's data items as they were made.
    EXPECT_EQ(Children(domain()), (std::vector<std::string>{"b_int", "a_struct", "c_enum"}));

    const std::string output = frame_test::ArtifactFile("명령" + suffix + ".xml");
    struct CommandCase {
        const char* what;
        UINT command;
        std::string selected;  // the data item to select in the domain; empty: the domain itself
        std::function<void()> prepare;
        int helpTopic;
        std::function<void()> check;
    };
    const CommandCase cases[] = {
        {"이름 정렬", 33028, "", nullptr, 0,
         [&] { EXPECT_EQ(Children(domain()), (std::vector<std::string>{"a_struct", "b_int", "c_enum"})); }},
        {"타입 정렬", 33058, "", nullptr, 0,
         [&] { EXPECT_EQ(Children(domain()), (std::vector<std::string>{"a_struct", "c_enum", "b_int"})); }},
        {"데이타 가져오기", 32974, "",
         [&] {
             driver.OnDialog(415, [&](CDialog& d) {
                 auto* combo = dynamic_cast<CComboBox*>(d.GetDlgItem(1184));
                 ASSERT_NE(combo, nullptr);
                 const int entry = combo->FindStringExact(-1, sourceName.c_str());
                 ASSERT_GE(entry, 0);
                 TestDriver::ChooseComboItem(d, 1184, entry);
                 auto* list = dynamic_cast<CListCtrl*>(d.GetDlgItem(1185));
                 ASSERT_NE(list, nullptr);
                 ASSERT_EQ(list->GetItemCount(), 1);
                 TestDriver::ClickListRow(*list, 0);
                 TestDriver::Click(d, IDOK);
             });
         },
         28,
         [&] {
             EXPECT_EQ(Children(domain()), (std::vector<std::string>{"b_int", "a_struct", "c_enum", "copied"}));
         }},
        {"도메인 계정 관리", 32878, "", [&] { driver.OnDialog(361, [](CDialog& d) { TestDriver::PressCloseBox(d); }); },
         31, nullptr},
        // The exporter is recorded, not run, so the launcher finds no file and says so.
        {"도메인 XML", 33076, "",
         [&] {
             driver.AnswerFileDialog(output.c_str());
             driver.AnswerMessageBox(IDOK);
         },
         0,
         [&] {
             ASSERT_EQ(driver.Processes().size(), 1u);
             EXPECT_EQ(driver.Processes()[0].file, "tools\\pelvane.exe");
             ASSERT_EQ(driver.Processes()[0].arguments.size(), 9u);
             EXPECT_EQ(driver.Processes()[0].arguments[7], std::to_string(domainId).c_str());
             EXPECT_EQ(driver.Processes()[0].arguments[8], output.c_str());
         }},
        {"부모 도메인 추가", 32779, "", [&] { driver.OnDialog(338, Cancel); }, 0, nullptr},
        {"도메인 추가", 32780, "", [&] { driver.OnDialog(319, Cancel); }, 2, nullptr},
        {"도메인 수정", 32785, "", [&] { driver.OnDialog(319, Cancel); }, 2, nullptr},
        {"도메인 삭제", 32784, "", [&] { driver.AnswerMessageBox(IDCANCEL); }, 2,
         [&] { EXPECT_TRUE(domain()); }},
        {"데이타 추가", 32791, "b_int", [&] { driver.OnDialog(320, Cancel); }, 3, nullptr},
        {"데이타 수정", 32792, "b_int", [&] { driver.OnDialog(320, Cancel); }, 3, nullptr},
        {"데이타 필드 설정", 32807, "a_struct", [&] { driver.OnDialog(328, Cancel); }, 4, nullptr},
    };
    for (const CommandCase& c : cases) {
        SCOPED_TRACE(c.what);
        Tree().SelectItem(c.selected.empty() ? domain() : Child(domain(), c.selected));
        Class_UmlControl::get_instance()->set_explanation_text(30);
        if (c.prepare) c.prepare();
        pane.SendMessage(WM_COMMAND, c.command, 0);
        EXPECT_EQ(ShownHelpText(), frame_test::HelpTopicText(c.helpTopic ? c.helpTopic : 30));
        if (c.check) c.check();
    }
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "tools/pelvane : XML 파일을 만들지 못했습니다.",
                              "도메인을 삭제하면 관련된 모든것이 함께 삭제됩니다.\n 도메인관련 데이타,메서드,인터페이스, "
                              "사용자가 삭제됩니다.\n그래도 삭제하시겠습니까?"}));
}

}  // namespace
