#pragma once

// The frame around the diagram window tests: an application with the test main frame as its main window,
// the editor's resources, and the test driver; the diagram builder starts afresh in every test.

#include <gtest/gtest.h>

#include <string>

#include "Class_UmlControl.h"
#include "DiagramTestFrame.h"
#include "TestDriver.h"
#include "class_diagramscrollview.h"
#include "class_network_link_info.h"
#include "class_node_info.h"

// The records of the networks that the view tests draw: a node, and a link between two nodes' ports.
class_node_info node(int id, const char* name, const char* type);
class_network_link_info link(int source, int sourcePort, int destination, int destinationPort);

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
