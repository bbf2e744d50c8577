#include "PrettyWriter.h"

#include <xercesc/dom/DOMElement.hpp>
#include <xercesc/dom/DOMNamedNodeMap.hpp>
#include <xercesc/dom/DOMNode.hpp>
#include <xercesc/dom/DOMProcessingInstruction.hpp>
#include <xercesc/util/XMLString.hpp>

#include <cstdint>

namespace tamo::exporters {

using namespace xercesc;

namespace {

constexpr std::size_t block_size = 64 * 1024;
constexpr XMLCh row_target[] = u"tamo-row";

bool is_high_surrogate(XMLCh unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool is_low_surrogate(XMLCh unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

// Appends one code point as UTF-8.
void append_utf8(std::string& out, std::uint32_t point) {
    if (point < 0x80) {
        out += static_cast<char>(point);
    } else if (point < 0x800) {
        out += static_cast<char>(0xC0 | (point >> 6));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else if (point < 0x10000) {
        out += static_cast<char>(0xE0 | (point >> 12));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (point >> 18));
        out += static_cast<char>(0x80 | ((point >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((point >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (point & 0x3F));
    }
}

bool is_white_space(XMLCh unit) { return unit == u' ' || unit == u'\t' || unit == u'\n' || unit == u'\r'; }

// The library lays out a text of white space alone that holds a line break differently (the next tag follows
// without its line break), and writes control characters in its own ways.
bool has_own_layout(const XMLCh* value) {
    bool white_only = true;
    bool line_break = false;
    for (const XMLCh* unit = value; *unit; ++unit) {
        if (*unit == u'\r' || (*unit < 0x20 && *unit != u'\t' && *unit != u'\n') || (*unit >= 0x7F && *unit <= 0x9F))
            return true;
        if (*unit == u'\n') line_break = true;
        if (!is_white_space(*unit)) white_only = false;
    }
    return white_only && line_break;
}

}  // namespace

std::size_t PrettyWriter::Rows::keep(Pieces text) {
    if (free_.empty()) {
        texts_.push_back(std::move(text));
        return texts_.size() - 1;
    }
    const std::size_t number = free_.back();
    free_.pop_back();
    texts_[number] = std::move(text);
    return number;
}

PrettyWriter::Pieces PrettyWriter::Rows::take(std::size_t number) {
    Pieces text = std::move(texts_.at(number));
    texts_[number] = Pieces();
    free_.push_back(number);
    return text;
}

void PrettyWriter::Rows::clear() {
    texts_.clear();
    free_.clear();
}

DOMNode* PrettyWriter::row_node(DOMDocument* document, std::size_t number) {
    const std::string digits = std::to_string(number);
    const std::u16string data(digits.begin(), digits.end());
    return document->createProcessingInstruction(row_target, data.c_str());
}

bool PrettyWriter::write(const DOMDocument* document, const Sink& sink, Rows* rows) {
    PrettyWriter writer(&sink, rows);
    writer.out_.reserve(2 * block_size);
    writer.out_ = R"(<?xml version="1.0" encoding="UTF-8" standalone="no" ?>)";
    for (const DOMNode* child = document->getFirstChild(); child; child = child->getNextSibling())
        if (!writer.element(child, 0)) return false;
    writer.out_ += '\n';
    sink(writer.out_);
    return true;
}

std::optional<std::string> PrettyWriter::write(const DOMDocument* document, Rows* rows) {
    std::string text;
    if (!write(document, [&text](std::string_view block) { text += block; }, rows)) return std::nullopt;
    return text;
}

std::optional<PrettyWriter::Pieces> PrettyWriter::write_element(const DOMNode* element, unsigned level, Rows* rows) {
    PrettyWriter writer(nullptr, rows);
    if (!writer.element(element, level)) return std::nullopt;
    writer.pass_on();
    return std::move(writer.pieces_);
}

void PrettyWriter::pass_on() {
    if (out_.empty()) return;
    if (sink_) {
        (*sink_)(out_);
        out_.clear();
    } else {
        // A piece is kept as long as it is: copied at its size, while out_ keeps its room for the next one.
        pieces_.emplace_back(out_);
        out_.clear();
    }
}

bool PrettyWriter::accepts(const DOMDocument* document) {
    PrettyWriter writer(nullptr, nullptr);
    writer.checking_ = true;
    for (const DOMNode* child = document->getFirstChild(); child; child = child->getNextSibling()) {
        if (!writer.element(child, 0)) return false;
        writer.out_.clear();
    }
    return true;
}

bool PrettyWriter::row(const DOMNode* node) {
    const auto* instruction = static_cast<const DOMProcessingInstruction*>(node);
    if (!XMLString::equals(instruction->getTarget(), row_target)) return false;
    if (checking_) return true;
    if (!rows_) return false;
    std::size_t number = 0;
    for (const XMLCh* digit = instruction->getData(); *digit; ++digit) number = number * 10 + (*digit - u'0');
    // The row's pieces go on as they are: a large row's text is never copied.
    pass_on();
    for (std::string& piece : rows_->take(number)) {
        if (sink_)
            (*sink_)(piece);
        else
            pieces_.push_back(std::move(piece));
    }
    return true;
}

void PrettyWriter::new_line(unsigned level) {
    out_ += '\n';
    out_.append(2 * static_cast<std::size_t>(level), ' ');
}

bool PrettyWriter::element(const DOMNode* node, unsigned level) {
    if (node->getNodeType() == DOMNode::PROCESSING_INSTRUCTION_NODE) return row(node);
    if (node->getNodeType() != DOMNode::ELEMENT_NODE) return false;
    if (static_cast<const DOMElement*>(node)->getAttributes()->getLength() != 0) return false;
    // The children of the root element are set apart by an empty line.
    if (level == 1) out_ += '\n';
    new_line(level);
    out_ += '<';
    if (!name(node->getNodeName())) return false;

    const DOMNode* first = node->getFirstChild();
    if (!first) {
        out_ += "/>";
        return true;
    }
    out_ += '>';
    if (first->getNodeType() == DOMNode::TEXT_NODE) {
        if (first->getNextSibling() || !text(first->getNodeValue())) return false;
    } else {
        for (const DOMNode* child = first; child; child = child->getNextSibling())
            if (!element(child, level + 1)) return false;
        if (level == 0) out_ += '\n';
        new_line(level);
    }
    out_ += "</";
    name(node->getNodeName());
    out_ += '>';
    if (sink_ && out_.size() >= block_size) {
        (*sink_)(out_);
        out_.clear();
    }
    return true;
}

bool PrettyWriter::text(const XMLCh* value) {
    if (has_own_layout(value)) return false;
    for (const XMLCh* unit = value; *unit; ++unit) {
        switch (*unit) {
        case u'&': out_ += "&amp;"; break;
        case u'<': out_ += "&lt;"; break;
        case u'>': out_ += "&gt;"; break;
        default:
            if (*unit < 0x80) {
                out_ += static_cast<char>(*unit);
            } else if (is_high_surrogate(*unit) && is_low_surrogate(unit[1])) {
                append_utf8(out_, 0x10000 + ((static_cast<std::uint32_t>(*unit) - 0xD800) << 10) + (unit[1] - 0xDC00));
                ++unit;
            } else if (is_high_surrogate(*unit) || is_low_surrogate(*unit)) {
                return false;  // a lone surrogate: the library reports it
            } else {
                append_utf8(out_, *unit);
            }
        }
    }
    return true;
}

bool PrettyWriter::name(const XMLCh* value) {
    // The exports name their elements in ASCII; other names are left to the library.
    for (const XMLCh* unit = value; *unit; ++unit) {
        if (*unit >= 0x80) return false;
        out_ += static_cast<char>(*unit);
    }
    return true;
}

}  // namespace tamo::exporters
