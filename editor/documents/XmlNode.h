#pragma once

// A node of an XmlDocument: a handle that does not own the node. The node belongs to its document (also while
// it is not appended anywhere) and the handle is valid as long as the document lives. Texts are UTF-8.

#include <xercesc/util/XercesDefs.hpp>

#include <string>
#include <string_view>

XERCES_CPP_NAMESPACE_BEGIN
class DOMNode;
XERCES_CPP_NAMESPACE_END

namespace tamo::documents {

class XmlNode {
public:
    XmlNode() = default;
    explicit XmlNode(XERCES_CPP_NAMESPACE::DOMNode* node) : m_node(node) {}

    // False for the empty handle (no such node).
    explicit operator bool() const { return m_node != nullptr; }

    // The node name: the tag of an element, the target of a processing instruction.
    std::string Name() const;
    // The text of the node and all its descendants, as written in the document.
    std::string Text() const;
    // Replaces the children with one text node; an empty text leaves no child.
    void SetText(std::string_view text);
    // Elements only; does nothing on other nodes.
    void SetAttribute(std::string_view name, std::string_view value);
    // Appends `child` (a node of the same document) as the last child and returns it.
    XmlNode AppendChild(XmlNode child);

    // Element-only walks: texts, comments and processing instructions between elements are passed over.
    XmlNode FirstChildElement() const;
    XmlNode NextSiblingElement() const;

    XERCES_CPP_NAMESPACE::DOMNode* Get() const { return m_node; }

private:
    XERCES_CPP_NAMESPACE::DOMNode* m_node = nullptr;  // not owned: the document's
};

}  // namespace tamo::documents
