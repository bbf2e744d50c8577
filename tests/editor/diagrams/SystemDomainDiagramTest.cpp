// The diagrams of a whole system domain (kinds 3, 8 and 9) are drawn from the domain as the server holds it when
// they draw, not from the record the tree read: another user may have renamed it, made it private or deleted it.

#include <functional>
#include <string>
#include <vector>

#include "Class_ComponentEntity.h"
#include "DiagramBuilderFixture.h"
#include "SessionLogin.h"
#include "class_uml_inside_pc.h"

namespace {

// Another user of the design database runs the call in a session of its own.
void colleague(const tamo::testing::ConnectionValues& server, const std::string& call) {
    tamo::testing::TestConnection other(server);
    ASSERT_TRUE(other.Login("admin", "admin"));
    ASSERT_TRUE(other.Run(call).ok) << call;
}

class SystemDomainDiagramTest : public DiagramBuilderTest {
protected:
    // A system domain with a computer and a component that calls through a proxy class, installed on it: each of
    // the three diagrams of the domain draws something. `shown` is the domain as the tree read it.
    void SetUp() override {
        DiagramBuilderTest::SetUp();
        if (HasFatalFailure()) return;
        shown = new_system_domain("_whole");
        pc = new_node(shown, "전체 PC", "computer");
        component = new_component(shown, "옛 부품");
        new_class(component, true, "IWaypoint", "whole_wp");
        deploy(pc, component);
        item = TreeNodeData(TREE_SYSTEM_DOMAIN, nullptr, &shown, "root\\" + shown.name + "\\");
    }

    // The window names the system pane gives the diagrams of the domain.
    struct Kind {
        int kind;
        std::string window;
    };
    std::vector<Kind> kinds() const {
        return {{3, item.path + "Components\\"},
                {8, item.path + "Nodes\\"},
                {9, "Nodes\\" + shown.name + "\\_deploy_component"}};
    }

    // A new window of that name with the diagram of the kind drawn in it.
    class_diagramscrollview* draw(const Kind& kind, const std::string& suffix = "") {
        class_diagramscrollview* view = open(kind.window + suffix);
        if (view) Class_UmlControl::get_instance()->draw_diagram(kind.kind, item, TreeNodeData());
        settle();
        return view;
    }

    void edit_domain(const std::string& name, const char* isPublic) {
        colleague(m_server, "call domainViewEditDomain(" + std::to_string(shown.id) + ",'system','" + name + "', 0,'" +
                                isPublic + "','diagram test')");
    }

    class_domain_info shown;
    class_node_info pc;
    class_component_info component;
    TreeNodeData item;
};

// Renamed by another user, with its component: each diagram draws the domain's content as the server holds it,
// under the window name the tree gave it.
TEST_F(SystemDomainDiagramTest, RenamedDomainDrawsAsTheServerHoldsIt) {
    edit_domain(shown.name + "_새", "1");
    colleague(m_server, "call ComponentViewEditComponent(" + std::to_string(component.component_id) + "," +
                            std::to_string(shown.id) + ",'새 부품','')");
    for (const Kind& kind : kinds()) {
        class_diagramscrollview* view = draw(kind);
        ASSERT_NE(view, nullptr) << kind.kind;
        EXPECT_EQ(document_of(view)->GetDiagramName(), kind.window);
        EXPECT_EQ(view->get_diagram_kind(), kind.kind);
        if (kind.kind == 8) {
            const auto pcs = elements<class_uml_inside_pc>(view, UML_INSIDE_PC);
            ASSERT_EQ(pcs.size(), 1u);
            EXPECT_EQ(pcs[0]->get_node_info().id, pc.id);
        } else {
            const auto boxes = elements<Class_ComponentEntity>(view, UML_COMPONENT);
            ASSERT_EQ(boxes.size(), 1u) << kind.kind;
            EXPECT_EQ(boxes[0]->get_component_info().name, "새 부품") << kind.kind;
        }
    }
    EXPECT_TRUE(box_texts().empty()) << box_texts().front();
}

// Made private to this account, then deleted, after the tree read it (and after the diagrams were drawn): a new
// diagram of each kind and the redraw of an open one draw nothing after one box, the server's reason or the text
// that the domain is gone.
TEST_F(SystemDomainDiagramTest, DomainMadePrivateOrDeletedDrawsNothingAfterOneBox) {
    std::vector<class_diagramscrollview*> open;
    for (const Kind& kind : kinds()) {
        open.push_back(draw(kind));
        ASSERT_NE(open.back(), nullptr) << kind.kind;
        ASSERT_FALSE(document_of(open.back())->GetElements().empty()) << kind.kind;
    }
    ASSERT_TRUE(box_texts().empty()) << box_texts().front();

    driver.SetDefaultMessageBoxAnswer(IDOK);
    const struct {
        const char* name;
        std::function<void()> change;
        std::string box;
    } states[] = {
        {"private",
         [&] {
             edit_domain(shown.name, "0");
             db->Close();
             db = CMysqlQuery::GetInstance();
             ASSERT_EQ(db->Connect(tamo::testing::LoginFor(m_server, "user", "user")), "");
         },
         "비공개 도메인입니다. 도메인에 가입한 사용자만 볼 수 있습니다."},
        {"deleted",
         [&] { colleague(m_server, "call domainViewDeleteDomain(" + std::to_string(shown.id) + ",'system')"); },
         "도메인이 없습니다. 다른 사용자가 지웠습니다."},
    };
    std::vector<std::string> expected;
    for (const auto& state : states) {
        state.change();
        ASSERT_FALSE(HasFatalFailure()) << state.name;
        const std::vector<Kind> all = kinds();
        for (std::size_t i = 0; i < all.size(); ++i) {
            open[i]->SendMessage(WM_COMMAND, REDROW_DIAGRAM);
            settle();
            EXPECT_TRUE(document_of(open[i])->GetElements().empty()) << state.name << " redraw " << all[i].kind;
            EXPECT_EQ(open[i]->get_diagram_kind(), all[i].kind);
            class_diagramscrollview* fresh = draw(all[i], state.name);
            ASSERT_NE(fresh, nullptr);
            EXPECT_TRUE(document_of(fresh)->GetElements().empty()) << state.name << " new " << all[i].kind;
            expected.insert(expected.end(), 2, state.box);
        }
        EXPECT_EQ(box_texts(), expected) << state.name;
    }
}

}  // namespace
