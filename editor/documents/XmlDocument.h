#pragma once

// A small DOM over Xerces-C for the editor's documents: build a document from processing instructions,
// elements, attributes and texts and save it as UTF-8, or load one and walk its elements. Texts are UTF-8 on
// this side (Utf8Transcoder converts them). Nothing here shows a message: failures are results with a text.

#include <xercesc/util/XercesDefs.hpp>

#include <memory>
#include <string>
#include <string_view>

#include "XmlNode.h"

XERCES_CPP_NAMESPACE_BEGIN
class DOMDocument;
XERCES_CPP_NAMESPACE_END

namespace tamo::documents {

class XmlDocument {
public:
    enum class LoadStatus {
        loaded,          // `document` holds the file's tree
        cannot_read,     // the file could not be opened or read
        does_not_parse,  // the bytes are no well-formed XML document
    };
    struct LoadResult {
        LoadStatus status = LoadStatus::cannot_read;
        std::string message;                     // why it failed (the parser's text with line and column)
        std::unique_ptr<XmlDocument> document;   // only when loaded
    };

    // An empty document (no declaration, no root); null when the library cannot make one.
    static std::unique_ptr<XmlDocument> Create();
    // Reads and parses the file. No external entity or DTD is fetched, and entity expansion is limited.
    static LoadResult Load(const std::string& path);
    // Parses a document held in memory (its encoding as the document declares it, UTF-8 by default).
    static LoadResult Parse(std::string_view bytes);

    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // Creates a node of this document without appending it. A processing instruction with the target "xml"
    // is written as it stands, so it can serve as the document's own declaration.
    XmlNode CreateProcessingInstruction(std::string_view target, std::string_view data);
    XmlNode CreateElement(std::string_view name);
    // Appends a node at the document's top level and returns it.
    XmlNode AppendChild(XmlNode child);
    // The root element; empty when there is none.
    XmlNode DocumentElement() const;

    // The document as UTF-8 text with indentation. Xerces' own declaration is never written: a document gets
    // exactly the declaration its nodes hold. False with the reason when the library refuses.
    bool Serialize(std::string& text, std::string& error) const;
    // Serializes and writes the file through a temporary file beside it, which replaces the file only once it
    // is complete: a failed save leaves an existing file as it was. False with the reason.
    bool Save(const std::string& path, std::string& error) const;

private:
    explicit XmlDocument(XERCES_CPP_NAMESPACE::DOMDocument* document) : m_document(document) {}

    XERCES_CPP_NAMESPACE::DOMDocument* m_document;  // owned: released by the destructor
};

}  // namespace tamo::documents
