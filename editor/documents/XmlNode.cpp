#include "XmlNode.h"

#include <xercesc/dom/DOM.hpp>

#include "Utf8Transcoder.h"

namespace tamo::documents {

using namespace xercesc;

namespace {

XmlNode ElementFrom(DOMNode* node) {
    while (node && node->getNodeType() != DOMNode::ELEMENT_NODE) node = node->getNextSibling();
    return XmlNode(node);
}

}  // namespace

std::string XmlNode::Name() const { return m_node ? Utf8Transcoder::ToUtf8(m_node->getNodeName()) : std::string(); }

std::string XmlNode::Text() const {
    if (!m_node) return {};
    if (!m_node->getFirstChild()) return Utf8Transcoder::ToUtf8(m_node->getNodeValue());
    // A walk without recursion: a document may nest elements deeper than the stack would hold.
    std::u16string text;
    for (DOMNode* node = m_node->getFirstChild(); node;) {
        const auto type = node->getNodeType();
        if (type == DOMNode::TEXT_NODE || type == DOMNode::CDATA_SECTION_NODE) text += node->getNodeValue();
        if ((type == DOMNode::ELEMENT_NODE || type == DOMNode::ENTITY_REFERENCE_NODE) && node->getFirstChild()) {
            node = node->getFirstChild();
            continue;
        }
        while (node != m_node && !node->getNextSibling()) node = node->getParentNode();
        node = node == m_node ? nullptr : node->getNextSibling();
    }
    return Utf8Transcoder::ToUtf8(text);
}

void XmlNode::SetText(std::string_view text) {
    if (m_node) m_node->setTextContent(Utf8Transcoder::ToUtf16(text).c_str());
}

void XmlNode::SetAttribute(std::string_view name, std::string_view value) {
    if (auto* element = dynamic_cast<DOMElement*>(m_node))
        element->setAttribute(Utf8Transcoder::ToUtf16(name).c_str(), Utf8Transcoder::ToUtf16(value).c_str());
}

XmlNode XmlNode::AppendChild(XmlNode child) {
    if (m_node && child) m_node->appendChild(child.m_node);
    return child;
}

XmlNode XmlNode::FirstChildElement() const { return m_node ? ElementFrom(m_node->getFirstChild()) : XmlNode(); }

XmlNode XmlNode::NextSiblingElement() const { return m_node ? ElementFrom(m_node->getNextSibling()) : XmlNode(); }

}  // namespace tamo::documents
