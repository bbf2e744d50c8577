#include <algorithm>
#include <vector>

#include "CMenu.h"
#include "DiagramWindowFixture.h"
#include "class_explan_dialog_data.h"
#include "class_uml_port.h"

using tamo::platform::TestDriver;

namespace {

std::string help_text(unsigned int topic) {
    std::string text;
    class_explan_dialog_data().get_explanation(text, topic);
    return text;
}

bool drew_text(const std::vector<CString>& log, const std::string& firstLine) {
    return std::any_of(log.begin(), log.end(), [&](const CString& line) {
        return line.Find(("DrawText \"" + firstLine).c_str()) == 0 && line.Find(" 50,50,980,680 format=0x8000 ") > 0;
    });
}

using DiagramControllerTest = DiagramWindowTest;

TEST_F(DiagramControllerTest, HelpWindowShowsTheStartTextAndRepaintsForAnotherTopic) {
    class_diagramscrollview* help = open_diagram("도움말");
    ASSERT_NE(help, nullptr);
    EXPECT_EQ(document_of(help)->GetDiagramName(), "도움말");
    TestDriver::RecordDrawing(*help);

    Class_UmlControl::get_instance()->set_explanation_text(30);
    settle();
    EXPECT_EQ(document_of(help)->GetExplanationText(), help_text(30));
    EXPECT_EQ(help->get_help_text(), help_text(30));
    EXPECT_TRUE(drew_text(TestDriver::DrawingLog(*help), " ■ 개요 "));

    // Another topic repaints the window without anything else being asked of it.
    Class_UmlControl::get_instance()->set_explanation_text(34);
    settle();
    EXPECT_EQ(help->get_help_text(), help_text(34));
    EXPECT_TRUE(drew_text(TestDriver::DrawingLog(*help), " ◎ Node 추가 및 수정 기능 "));
}

TEST_F(DiagramControllerTest, HelpTextGoesOnlyToTheHelpWindow) {
    // Nothing is bound and no help window is open: nothing happens.
    Class_UmlControl::get_instance()->set_explanation_text(3);
    class_diagramscrollview* diagram = open_diagram("root\\system\\");
    ASSERT_NE(diagram, nullptr);
    Class_UmlControl::get_instance()->set_explanation_text(3);
    EXPECT_EQ(document_of(diagram)->GetExplanationText(), "");

    // With the help window open behind another diagram, the text still reaches it.
    class_diagramscrollview* help = open_diagram("도움말");
    ASSERT_NE(open_diagram("root\\other\\"), nullptr);
    Class_UmlControl::get_instance()->set_explanation_text(3);
    EXPECT_EQ(document_of(help)->GetExplanationText(), help_text(3));
    EXPECT_EQ(document_of(diagram)->GetExplanationText(), "");
}

TEST_F(DiagramControllerTest, SameNameActivatesTheOpenWindowAndOpensNothingNew) {
    Class_UmlControl* control = Class_UmlControl::get_instance();
    EXPECT_EQ(control->create_childframe("root\\A\\"), -1);
    EXPECT_EQ(control->create_childframe("도움말"), -1);
    settle();
    EXPECT_EQ(control->create_childframe("root\\A\\"), 0);
    settle();

    EXPECT_EQ(frame->diagram_frames().size(), 2u);
    EXPECT_EQ(frame->m_requestedNames, (std::vector<std::string>{"root\\A\\", "도움말"}));
    CMDIChildWnd* active = frame->MDIGetActive();
    ASSERT_NE(active, nullptr);
    EXPECT_EQ(dynamic_cast<DiagramDocument*>(active->GetActiveDocument())->GetDiagramName(), "root\\A\\");
}

TEST_F(DiagramControllerTest, FrameThatCannotBeMadeIsReportedAndNothingIsDrawn) {
    frame->m_refuseFrames = true;
    driver.AnswerMessageBox(IDOK);
    EXPECT_EQ(Class_UmlControl::get_instance()->create_childframe("root\\B\\"), 0);
    ASSERT_EQ(driver.MessageBoxes().size(), 1u);
    EXPECT_EQ(driver.MessageBoxes()[0].text, "error :create_childframe() 프레임을 생성하지 못했습니다");
    EXPECT_TRUE(frame->diagram_frames().empty());
}

TEST_F(DiagramControllerTest, RedrawOfTheHelpWindowKeepsItAsItIs) {
    class_diagramscrollview* help = open_diagram("도움말");
    ASSERT_NE(help, nullptr);
    Class_UmlControl::get_instance()->set_explanation_text(30);
    help->add_port(1, CPoint(20, 20));
    help->set_diagram_kind(5);

    frame->SendMessage(WM_COMMAND, REDROW_DIAGRAM);
    EXPECT_EQ(document_of(help)->GetElements().size(), 1u);
    EXPECT_EQ(document_of(help)->GetExplanationText(), help_text(30));
}

TEST_F(DiagramControllerTest, DeletedBuilderStartsAfreshOnNextUse) {
    Class_UmlControl* first = Class_UmlControl::get_instance();
    EXPECT_EQ(first, Class_UmlControl::get_instance());
    ASSERT_NE(open_diagram("root\\C\\"), nullptr);
    EXPECT_NE(first->get_active_view(), nullptr);
    delete first;
    Class_UmlControl* second = Class_UmlControl::get_instance();
    EXPECT_EQ(second->get_main_frame(), nullptr);
    EXPECT_EQ(second->get_active_view(), nullptr);
}

}  // namespace
