// The element store of a diagram window: the factories, the clearing and the search for a component.

#include <gtest/gtest.h>

#include "CTamoZELK_MDIDoc.h"
#include "CUmlEntity.h"
#include "Class_ComponentEntity.h"
#include "class_component_info.h"

namespace {

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
        {&CTamoZELK_MDIDoc::AddProxyInterface, UML_PROXY_INTERFACE},
        {&CTamoZELK_MDIDoc::AddStubInterface, UML_STUB_INTERFACE},
        {&CTamoZELK_MDIDoc::AddCircleStubInterface, UML_CIRCLE_STUB_INTERFACE},
        {&CTamoZELK_MDIDoc::AddNode, UML_NODE},
        {&CTamoZELK_MDIDoc::AddSwitch, UML_SWITCH},
        {&CTamoZELK_MDIDoc::AddRouter, UML_ROUTER},
        {&CTamoZELK_MDIDoc::AddInsidePc, UML_INSIDE_PC},
    };
    for (const auto& entry : factories) {
        (document.*entry.factory)();
        ASSERT_NE(document.GetCurrentElement(), nullptr);
        EXPECT_EQ(document.GetCurrentElement()->GetEntityKind(), entry.kind);
        EXPECT_EQ(document.GetCurrentElement()->GetRect(), CRect(0, 0, 0, 0));
        EXPECT_EQ(document.GetElements().back(), document.GetCurrentElement());
    }
    EXPECT_EQ(document.GetElements().size(), std::size(factories));

    // No component among them.
    EXPECT_EQ(document.FindComponentEntity(Component(0)), nullptr);

    CUmlEntity* current = document.GetCurrentElement();
    document.ClearElements();
    EXPECT_TRUE(document.GetElements().empty());
    EXPECT_EQ(document.GetCurrentElement(), current);  // the current element is left as it was
}

// A component element made by the factory, showing the component of that id.
CUmlEntity* AddComponent(CTamoZELK_MDIDoc& document, int componentId) {
    document.AddComponent();
    auto* component = dynamic_cast<Class_ComponentEntity*>(document.GetCurrentElement());
    if (component) component->set_component_info(Component(componentId));
    return component;
}

TEST(DiagramDocumentTest, TheFirstComponentElementWithTheIdIsFound) {
    CTamoZELK_MDIDoc document;
    document.AddLine();
    CUmlEntity* first = AddComponent(document, 3);
    CUmlEntity* twin = AddComponent(document, 3);
    CUmlEntity* other = AddComponent(document, 5);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(twin, first);

    EXPECT_EQ(document.FindComponentEntity(Component(3)), first);
    EXPECT_EQ(document.FindComponentEntity(Component(5)), other);
    EXPECT_EQ(document.FindComponentEntity(Component(4)), nullptr);

    document.ClearElements();
    EXPECT_TRUE(document.GetElements().empty());
}

}  // namespace
