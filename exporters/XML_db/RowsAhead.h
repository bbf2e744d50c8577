#pragma once

#include <xercesc/dom/DOM.hpp>

#include <cstddef>
#include <unordered_map>
#include <vector>

#include "PrettyWriter.h"
#include "XML_db_core.h"

namespace tamo::exporters {

// The rows of a document built for its file, each written ahead as text once it is finished (appended), so that
// a large document holds its rows as about their text instead of many times that in nodes.
//
// The DOM library keeps the memory of every element until its document goes, also of elements given back. So a
// row is made in a document of its own for its depth of rows (a row inside a row one deeper), and that document
// is replaced once it made many elements and holds no row under construction: the nodes of finished rows go
// with it.
class RowsAhead {
public:
    // A row holds what the writer lays out its own way: the document cannot be written with rows ahead.
    struct Declined {};

    RowsAhead(xercesc::DOMImplementation* implementation, xercesc::DOMDocument* document);
    RowsAhead(const RowsAhead&) = delete;
    RowsAhead& operator=(const RowsAhead&) = delete;
    ~RowsAhead();

    // The document to make a row meant for `parent` in; record the row with `made`.
    xercesc::DOMDocument* document_for_row(const xercesc::DOMNode* parent);
    void made(const xercesc::DOMElement* row, const xercesc::DOMNode* parent);
    // Counts an element made in the document of `parent`.
    void counted(const xercesc::DOMNode* parent);
    // What to append in the place of `child`: the node of its text when it is a row (the row goes), else the
    // child itself. Throws Declined.
    xercesc::DOMNode* finish(const xercesc::DOMElement* parent, xercesc::DOMNode* child);

    PrettyWriter::Rows& texts() { return texts_; }

private:
    struct Depth {
        xercesc::DOMDocument* document = nullptr;
        std::size_t elements = 0;
        std::size_t open_rows = 0;
    };

    // The depth of rows of a node's document: 0 for the document built, 1 for rows in it, and so on.
    std::size_t depth_of(const xercesc::DOMNode* node) const;
    // The level an element stands at in the document built, also inside rows not appended yet; -1 unknown.
    int level_of(const xercesc::DOMNode* element) const;

    xercesc::DOMImplementation* implementation_;
    xercesc::DOMDocument* document_;
    std::vector<Depth> depths_;  // [0]: the document built; its own document is not replaced
    std::unordered_map<const xercesc::DOMNode*, const xercesc::DOMNode*> row_parents_;  // rows not appended yet
    PrettyWriter::Rows texts_;
};

}  // namespace tamo::exporters
