#pragma once

#include <xercesc/dom/DOMDocument.hpp>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tamo::exporters {

// Writes an export document in the layout of the DOM library's pretty-printing serializer (UTF-8), byte for
// byte, but a block at a time: the library's serializer sends every character of the indentation through its
// formatter on its own, which costs a large export more than building the document.
//
// It knows the layout of the documents the exporters build: elements without attributes that hold either
// nothing, one text, or elements. Anything else (another kind of node, mixed content, a text of white space
// with a line break, or a text with a carriage return or another control character, which the library lays
// out or escapes in its own ways) is declined, and the caller has the library's serializer write the document.
//
// A row may also be written ahead, while the document is built: its text, at the level it will stand at, takes
// the place of its nodes (a processing instruction "tamo-row" whose data is the row's number in `Rows`), so
// that a large document holds its finished rows as text rather than as nodes.
class PrettyWriter {
public:
    using Sink = std::function<void(std::string_view)>;

    // A row's text, in pieces: a row that holds rows written before it holds their pieces, not a copy of them.
    using Pieces = std::vector<std::string>;

    // The texts of rows written ahead, by number; a number is given out again once its text was taken.
    class Rows {
    public:
        std::size_t keep(Pieces text);
        // The row's text, which is given up.
        Pieces take(std::size_t number);
        void clear();

    private:
        std::vector<Pieces> texts_;
        std::vector<std::size_t> free_;
    };

    // Hands the document's text to `sink` in blocks of about 64 KiB, so that a large export is never held in
    // memory whole. False when the writer declines the document; the sink may have had the first blocks then.
    // The rows written ahead are taken from `rows`.
    static bool write(const xercesc::DOMDocument* document, const Sink& sink, Rows* rows = nullptr);
    // The document's text, or nothing when the document holds something the writer declines.
    static std::optional<std::string> write(const xercesc::DOMDocument* document, Rows* rows = nullptr);
    // The text of one element as it stands at `level` of a document (its line break and indentation first), or
    // nothing when the writer declines it. Rows written ahead inside it are taken from `rows`.
    static std::optional<Pieces> write_element(const xercesc::DOMNode* element, unsigned level, Rows* rows);
    // Whether `write` takes the document (its rows written ahead count as taken), without writing it.
    static bool accepts(const xercesc::DOMDocument* document);
    // The node that stands for a row written ahead in `document`.
    static xercesc::DOMNode* row_node(xercesc::DOMDocument* document, std::size_t number);

private:
    PrettyWriter(const Sink* sink, Rows* rows) : sink_(sink), rows_(rows) {}

    bool element(const xercesc::DOMNode* node, unsigned level);
    bool row(const xercesc::DOMNode* node);
    bool text(const XMLCh* value);
    bool name(const XMLCh* value);
    void new_line(unsigned level);
    // Hands out_ on: to the sink, or as a piece of the element being written.
    void pass_on();

    const Sink* sink_;  // null: the text goes into pieces_
    Pieces pieces_;
    Rows* rows_;        // null while only checking: a row stands as it is
    bool checking_ = false;
    std::string out_;
};

}  // namespace tamo::exporters
