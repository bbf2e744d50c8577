// The element store of a diagram window: the factories, the clearing and the search for a component.

#include <gtest/gtest.h>

#include "CTamoZELK_MDIDoc.h"
#include "CUmlEntity.h"
#include "class_component_info.h"

namespace {

// A component element as the diagram builders make them: it shows a copy of a component record.
class TestComponent : public CUmlEntity, public DiagramComponentEntity {
public:
    explicit TestComponent(int componentId) { m_component.component_id = componentId; }
    BOOL CreateEntityWindow(CWnd*) override { return FALSE; }
    void UpdateEntity() override {}
    void RefreshEntity() override {}
    void SetEntityOption(int) override {}
    void DeleteEntity() override {
        ++s_deleted;
        delete this;
    }
    const class_component_info& get_component_info() const override { return m_component; }

    static int s_deleted;
    class_component_info m_component;
};
int TestComponent::s_deleted = 0;

// The document with a factory of test components, made the way the component factory makes its elements.
class TestDocument : public CTamoZELK_MDIDoc {
public:
    CUmlEntity* AddTestComponent(int componentId) {
        AppendElement(new TestComponent(componentId), UML_COMPONENT);
        return GetCurrentElement();
    }
};

class_component_info Component(int id) {
    class_component_info component;
    component.component_id = id;
    return component;
}

TEST(DiagramDocumentTest, FactoriesMakeTheCurrentElementOfTheirKindAndClearingDeletesThemAll) {
    CTamoZELK_MDIDoc document;
    document.ClearElements();
    EXPECT_TRUE(document.GetElements().empty());
    EXPECT_EQ(document.GetCurrentElement(), nullptr);

    const struct {
        void (CTamoZELK_MDIDoc::*factory)();
        int kind;
    } factories[] = {
        {&CTamoZELK_MDIDoc::AddLine, UML_LINE},
        {&CTamoZELK_MDIDoc::AddNodesLine, UML_NODES_LINE},
        {&CTamoZELK_MDIDoc::AddSubSystemLine, UML_SUB_SYSTEM_LINE},
        {&CTamoZELK_MDIDoc::AddPort, UML_PORT},
        {&CTamoZELK_MDIDoc::AddOutLine, UML_OUT_LINE},
    };
    for (const auto& entry : factories) {
        (document.*entry.factory)();
        ASSERT_NE(document.GetCurrentElement(), nullptr);
        EXPECT_EQ(document.GetCurrentElement()->GetEntityKind(), entry.kind);
        EXPECT_EQ(document.GetElements().back(), document.GetCurrentElement());
    }
    EXPECT_EQ(document.GetElements().size(), 5u);

    // Only lines and ports: no component.
    EXPECT_EQ(document.FindComponentEntity(Component(0)), nullptr);

    CUmlEntity* current = document.GetCurrentElement();
    document.ClearElements();
    EXPECT_TRUE(document.GetElements().empty());
    EXPECT_EQ(document.GetCurrentElement(), current);  // the current element is left as it was
}

TEST(DiagramDocumentTest, TheFirstComponentElementWithTheIdIsFound) {
    TestDocument document;
    document.AddLine();
    CUmlEntity* first = document.AddTestComponent(3);
    CUmlEntity* twin = document.AddTestComponent(3);
    CUmlEntity* other = document.AddTestComponent(5);
    ASSERT_NE(twin, first);

    EXPECT_EQ(document.FindComponentEntity(Component(3)), first);
    EXPECT_EQ(document.FindComponentEntity(Component(5)), other);
    EXPECT_EQ(document.FindComponentEntity(Component(4)), nullptr);

    TestComponent::s_deleted = 0;
    document.ClearElements();
    EXPECT_EQ(TestComponent::s_deleted, 3);
}

}  // namespace
