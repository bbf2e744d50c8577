#pragma once

// The frame around the diagram window tests: an application with the test main frame as its main window,
// the editor's resources, and the test driver; the diagram builder starts afresh in every test.

#include <gtest/gtest.h>

#include <string>

#include "Class_UmlControl.h"
#include "DiagramTestFrame.h"
#include "TestDriver.h"
#include "class_diagramscrollview.h"

class DiagramWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Opens a diagram window of that name through the builder (the frame makes it) and answers its view.
    class_diagramscrollview* open_diagram(const std::string& name);
    static TestDiagramDocument* document_of(class_diagramscrollview* view);
    // Lets the windows be laid out and painted, as the event loop would.
    void settle();

    tamo::platform::TestDriver driver;
    TestMainFrame* frame = nullptr;  // deletes itself when its window goes
};
