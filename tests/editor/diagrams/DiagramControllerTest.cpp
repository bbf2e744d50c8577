#include <algorithm>
#include <cstdio>
#include <sstream>
#include <string>
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

// The rectangle of the last DrawText of a drawing log (left, top, right, bottom).
CRect last_text_rect(const std::vector<CString>& log) {
    CRect rect;
    for (const CString& entry : log) {
        const std::string line = entry.GetString();
        const size_t format = line.rfind(" format=0x");
        if (line.rfind("DrawText ", 0) != 0 || format == std::string::npos) continue;
        const size_t numbers = line.rfind(' ', format - 1) + 1;
        std::sscanf(line.c_str() + numbers, "%d,%d,%d,%d", &rect.left, &rect.top, &rect.right, &rect.bottom);
    }
    return rect;
}

TEST_F(DiagramControllerTest, ALongHelpTextIsWrittenWholeAndScrollsInASmallWindow) {
    frame->MoveWindow(0, 0, 360, 300);
    class_diagramscrollview* help = open_diagram("도움말");
    ASSERT_NE(help, nullptr);
    TestDriver::RecordDrawing(*help);
    Class_UmlControl::get_instance()->set_explanation_text(25);
    settle();

    // The widest line and the height of all lines in the window's own font.
    CDC measure;
    TEXTMETRIC metrics{};
    measure.GetTextMetrics(&metrics);
    int widest = 0, lines = 0;
    std::istringstream text(help_text(25));
    for (std::string line; std::getline(text, line); ++lines)
        widest = std::max<int>(widest, measure.GetTextExtent(line.c_str()).cx);
    CRect client;
    help->GetClientRect(&client);
    ASSERT_GT(50 + widest, client.Width());

    const CRect written = last_text_rect(TestDriver::DrawingLog(*help));
    EXPECT_EQ(written.TopLeft(), CPoint(50, 50));
    EXPECT_GE(written.right, 50 + widest);
    EXPECT_GE(written.bottom, 50 + lines * metrics.tmHeight);
    EXPECT_GE(help->get_extent().cx, 50 + widest);
    EXPECT_GE(help->get_extent().cy, 50 + lines * metrics.tmHeight);

    help->ScrollToPosition(CPoint(help->get_extent().cx, help->get_extent().cy));
    settle();
    EXPECT_GE(help->GetScrollPosition().x + client.Width(), 50 + widest);
    EXPECT_GE(help->GetScrollPosition().y + client.Height(), 50 + lines * metrics.tmHeight);
    EXPECT_TRUE(TestDriver::SaveWindowPng(*help->GetParentFrame(), TestDriver::ArtifactPath("help_scrolled.png")));
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
