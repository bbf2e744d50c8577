#pragma once

#include <xercesc/dom/DOMDocument.hpp>

#include <optional>
#include <string>

namespace tamo::exporters {

// Writes an export document in the layout of the DOM library's pretty-printing serializer (UTF-8), byte for
// byte, but a block at a time: the library's serializer sends every character of the indentation through its
// formatter on its own, which costs a large export more than building the document.
//
// It knows the layout of the documents the exporters build: elements without attributes that hold either
// nothing, one text, or elements. Anything else (another kind of node, mixed content, a text of white space
// with a line break, or a text with a carriage return or another control character, which the library lays
// out or escapes in its own ways) is declined, and the caller has the library's serializer write the document.
class PrettyWriter {
public:
    // The document's text, or nothing when the document holds something the writer declines.
    static std::optional<std::string> write(const xercesc::DOMDocument* document);

private:
    bool element(const xercesc::DOMNode* node, unsigned level);
    bool text(const XMLCh* value);
    bool name(const XMLCh* value);
    void new_line(unsigned level);

    std::string out_;
};

}  // namespace tamo::exporters
