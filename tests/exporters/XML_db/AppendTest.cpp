// Appending nodes past the DOM's appendChild links them exactly as the library does: every way of walking the
// tree, and the serializer, see the same document.
#include <gtest/gtest.h>

#include <xercesc/dom/DOM.hpp>

#include <string>
#include <vector>

#include "XML_db_core.h"

using tamo::exporters::Document;
using tamo::exporters::XML_db_core;
using xercesc::DOMElement;
using xercesc::DOMNode;

namespace {

// Every link of the tree below `node`, walked forwards and backwards, with the parents and list lengths.
void Walk(const DOMNode* node, std::vector<std::string>& seen) {
    seen.push_back(std::string("<") + (node->getNodeType() == DOMNode::TEXT_NODE ? "#text" : "element") + " " +
                   std::to_string(node->getChildNodes()->getLength()) + ">");
    for (const DOMNode* child = node->getFirstChild(); child; child = child->getNextSibling()) {
        EXPECT_EQ(child->getParentNode(), node);
        EXPECT_EQ(child->getOwnerDocument(), node->getOwnerDocument());
        Walk(child, seen);
    }
    // Bounded, so that a broken link cannot walk in circles.
    const DOMNode* child = node->getLastChild();
    for (XMLSize_t steps = 0; child && steps <= node->getChildNodes()->getLength(); ++steps) {
        seen.push_back("back");
        child = child->getPreviousSibling();
    }
    for (XMLSize_t i = 0; i < node->getChildNodes()->getLength(); ++i)
        EXPECT_EQ(node->getChildNodes()->item(i)->getParentNode(), node);
}

// One tree, built once with the library's appendChild and once with `link`: lists of one, two and many
// children, texts, empty elements, and rows filled before and after they were appended.
std::vector<std::string> BuildAndWalk(XML_db_core& db, bool library, std::string& text) {
    Document document = db.create_document("tamo_zelk");
    const auto add = [&](DOMElement* parent, DOMNode* child) {
        if (library) parent->appendChild(child);
        else XML_db_core::link(parent, child);
    };
    DOMElement* root = document->getDocumentElement();
    DOMElement* list = db.create_element(root, "list");
    for (int row = 0; row < 4; ++row) {
        DOMElement* element = db.create_element(list, "row");
        if (row % 2) add(list, element);
        for (int field = 0; field < row; ++field) {
            DOMElement* value = db.create_element(element, "value");
            add(value, document->createTextNode(std::u16string(1, u'a' + field).c_str()));
            add(element, value);
        }
        if (row % 2 == 0) add(list, element);
    }
    add(root, list);
    add(root, db.create_element(root, "empty"));
    std::vector<std::string> seen;
    Walk(root, seen);
    text = XML_db_core::serialize_with_library(document.get());
    return seen;
}

TEST(Append, LinksNodesAsTheLibrarysAppendChildDoes) {
    XML_db_core db;
    std::string by_library;
    std::string by_append;
    const auto library_walk = BuildAndWalk(db, true, by_library);
    EXPECT_EQ(BuildAndWalk(db, false, by_append), library_walk);
    EXPECT_EQ(by_append, by_library);
}

}  // namespace
