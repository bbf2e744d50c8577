#pragma once

#include <xercesc/dom/DOMDocument.hpp>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

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
    using Sink = std::function<void(std::string_view)>;

    // Hands the document's text to `sink` in blocks of about 64 KiB, so that a large export is never held in
    // memory whole. False when the writer declines the document; the sink may have had the first blocks then.
    static bool write(const xercesc::DOMDocument* document, const Sink& sink);
    // The document's text, or nothing when the document holds something the writer declines.
    static std::optional<std::string> write(const xercesc::DOMDocument* document);

private:
    explicit PrettyWriter(const Sink& sink) : sink_(sink) {}

    bool element(const xercesc::DOMNode* node, unsigned level);
    bool text(const XMLCh* value);
    bool name(const XMLCh* value);
    void new_line(unsigned level);

    const Sink& sink_;
    std::string out_;
};

}  // namespace tamo::exporters
