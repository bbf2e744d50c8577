#include "RowsAhead.h"

#include <optional>
#include <string>
#include <utility>

namespace tamo::exporters {

using namespace xercesc;

namespace {

// Elements a row document makes before it is replaced: what the library keeps of them stays small.
constexpr std::size_t elements_per_document = 4000;

}  // namespace

RowsAhead::RowsAhead(DOMImplementation* implementation, DOMDocument* document)
    : implementation_(implementation), document_(document) {
    depths_.push_back({document, 0, 0});
}

RowsAhead::~RowsAhead() {
    for (std::size_t depth = 1; depth < depths_.size(); ++depth)
        if (depths_[depth].document) depths_[depth].document->release();
}

std::size_t RowsAhead::depth_of(const DOMNode* node) const {
    const DOMDocument* document = node->getOwnerDocument();
    for (std::size_t depth = 0; depth < depths_.size(); ++depth)
        if (depths_[depth].document == document) return depth;
    return 0;
}

DOMDocument* RowsAhead::document_for_row(const DOMNode* parent) {
    const std::size_t depth = depth_of(parent) + 1;
    if (depths_.size() <= depth) depths_.resize(depth + 1);
    Depth& rows = depths_[depth];
    if (!rows.document) {
        rows.document = implementation_->createDocument();
        rows.document->setStrictErrorChecking(false);
    }
    return rows.document;
}

void RowsAhead::made(const DOMElement* row, const DOMNode* parent) {
    row_parents_.emplace(row, parent);
    Depth& rows = depths_[depth_of(row)];
    ++rows.elements;
    ++rows.open_rows;
}

void RowsAhead::counted(const DOMNode* parent) { ++depths_[depth_of(parent)].elements; }

int RowsAhead::level_of(const DOMNode* element) const {
    int level = 0;
    for (const DOMNode* at = element; at; ++level) {
        const DOMNode* parent = at->getParentNode();
        if (parent && parent->getNodeType() == DOMNode::DOCUMENT_NODE) return parent == document_ ? level : -1;
        if (!parent) {
            const auto meant = row_parents_.find(at);
            if (meant == row_parents_.end()) return -1;
            parent = meant->second;
        }
        at = parent;
    }
    return -1;
}

DOMNode* RowsAhead::finish(const DOMElement* parent, DOMNode* child) {
    const auto meant = row_parents_.find(child);
    if (meant == row_parents_.end()) return child;
    row_parents_.erase(meant);
    const int level = level_of(parent);
    if (level < 0) throw Declined{};
    std::optional<PrettyWriter::Pieces> text = PrettyWriter::write_element(child, static_cast<unsigned>(level) + 1,
                                                                          &texts_);
    if (!text) throw Declined{};
    const std::size_t depth = depth_of(child);
    child->release();
    DOMNode* row = PrettyWriter::row_node(parent->getOwnerDocument(), texts_.keep(std::move(*text)));
    Depth& rows = depths_[depth];
    --rows.open_rows;
    if (depth > 0 && rows.open_rows == 0 && rows.elements >= elements_per_document) {
        rows.document->release();
        rows = Depth();
    }
    return row;
}

}  // namespace tamo::exporters
